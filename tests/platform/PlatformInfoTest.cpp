// The choice of program, data and share folders, the special folders from the XDG folders, and
// the desktop launcher: made once, removed, valid for the desktop-entry validator, copied from
// the installed entry when there is one.
#include "TAppPaths.h"
#include "TDesktopLauncher.h"
#include "TSpecialFolders.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <tuple>

namespace sudoku {
namespace {

namespace fs = std::filesystem;
using test::TTestFolder;

TEST(AppPaths, DataBesideTheProgramOnlyWhenWritableAndTheInstalledShareFolderAndEntry) {
    const std::string share = "/home/u/.local/share/sudoku-atelier/";
    // clang-format off
    const std::tuple<bool, const char*, const char*, std::string> cases[] = {
        {true, "/xdg", "/home/u", "/opt/app/"}, {false, "/xdg/", "/home/u", "/xdg/sudoku-atelier/"},
        {false, "relative", "/home/u", share}, {false, nullptr, "/home/u", share},
        {false, "", "", "/opt/app/"}};
    // clang-format on
    for (const auto& [writable, xdg, home, expected] : cases) {
        EXPECT_EQ(TAppPaths::ChooseDataDir("/opt/app", writable, xdg, home), expected);
    }
    // Resources in the data folder come before those of the program folder.
    TTestFolder app;
    TTestFolder data;
    TAppPaths::SetFolders(app.Path(), data.Path());
    EXPECT_EQ(TAppPaths::FindResource("SuDoku.lng"), app.Path() + "/SuDoku.lng");
    TTestFolder::Put(data.File("SuDoku.lng"), "x");
    EXPECT_EQ(TAppPaths::FindResource("SuDoku.lng"), data.Path() + "/SuDoku.lng");
    TAppPaths::Reset();
    // Installed, installed without a desktop entry, a build folder beside another copy's entry.
    for (const auto& [hasShare, entry] : {std::pair{true, true}, {true, false}, {false, true}}) {
        TTestFolder root;
        fs::create_directories(root.File("usr/bin"));
        fs::create_directories(root.File(hasShare ? "usr/share/sudoku-atelier" : "usr/share"));
        const std::string desktop =
            root.File("usr/share/applications/" + std::string(TAppPaths::AppId()) + ".desktop");
        if (entry) {
            fs::create_directories(root.File("usr/share/applications"));
            TTestFolder::Put(desktop, "[Desktop Entry]\n");
        }
        EXPECT_EQ(TAppPaths::InstalledShareDir(root.File("usr/bin")),
                  hasShare ? root.File("usr/share/sudoku-atelier/") : "");
        EXPECT_EQ(TAppPaths::InstalledDesktopEntry(root.File("usr/bin")),
                  hasShare && entry ? desktop : "");
    }
}

TEST(SpecialFolders, IndexesMapToTheXdgFolders) {
    TSpecialFolders::TEnvironment env;
    env.Home = "/home/ann";
    env.DataHome = "/data/ann";
    env.ConfigHome = "relative/is/ignored";
    env.UserDirs = "# a comment\nXDG_DESKTOP_DIR=\"$HOME/Bureau\"\n"
                   "  XDG_PICTURES_DIR=\"/srv/pictures\"\n"
                   "XDG_TEMPLATES_DIR=\"templates\"\n"; // relative: not a folder
    // Index 22, the desktop of all users, is the user's own.
    const std::string none(TSpecialFolders::NoSuchFolder);
    // clang-format off
    const std::pair<int, std::string> cases[] = {
        {2, "/home/ann/.config/"}, {5, "/home/ann/Bureau/"}, {22, "/home/ann/Bureau/"},
        {9, "/data/ann/"}, {11, "/srv/pictures/"}, {15, "/data/ann/applications/"},
        {19, "/home/ann/.config/autostart/"}, {20, "/home/ann/"}, {21, "/etc/xdg/"},
        {23, "/usr/local/share/applications/"}, {0, none}, {30, none}, {-1, none}};
    // clang-format on
    for (const auto& [index, folder] : cases) {
        EXPECT_EQ(TSpecialFolders::GetSpecialFolder(index, env), folder) << index;
    }
    env.UserDirs.clear(); // without the user-dirs file the desktop is ~/Desktop
    EXPECT_EQ(TSpecialFolders::GetSpecialFolder(22, env), "/home/ann/Desktop/");
}

class DesktopLauncherTest : public ::testing::Test {
protected:
    TDesktopLauncher Launcher(std::string installedEntry = {}) const {
        return TDesktopLauncher({"Sudoku Atelier", "Play Sudoku",
                                 folder_.Path() + "/my games/sudoku $atelier 100%", "/opt/icon.png",
                                 std::move(installedEntry), "sudoku-atelier.desktop"},
                                folder_.Path() + "/Desktop");
    }
    TTestFolder folder_;
};

TEST_F(DesktopLauncherTest, TickingTwiceLeavesOneValidExecutableLauncherAndClearingRemovesIt) {
    const TDesktopLauncher launcher = Launcher();
    EXPECT_FALSE(launcher.Exists());
    ASSERT_TRUE(launcher.Create()); // the desktop folder is made when missing
    const std::string path = launcher.Path();
    EXPECT_NE(fs::status(path).permissions() & fs::perms::owner_exec, fs::perms::none);
    const std::string text = TTestFolder::Contents(path);
    // Quoted, "$" escaped for the shell and its backslash for the entry, "%" doubled.
    EXPECT_NE(text.find("Exec=\"" + folder_.Path() + "/my games/sudoku \\\\$atelier 100%%\"\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Path=" + folder_.Path() + "/my games\n"), std::string::npos);
    if (std::system("command -v desktop-file-validate >/dev/null") == 0) {
        EXPECT_EQ(std::system(("desktop-file-validate '" + path + "'").c_str()), 0) << text;
    }

    // A second tick keeps the one launcher as it is.
    TTestFolder::Put(path, text + "X-Mine=kept\n");
    EXPECT_TRUE(launcher.Create());
    EXPECT_EQ(TTestFolder::Contents(path), text + "X-Mine=kept\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_.Path() + "/Desktop"), {}), 1);
    EXPECT_TRUE(launcher.Remove());
    EXPECT_FALSE(launcher.Exists());
    EXPECT_TRUE(launcher.Remove()); // nothing left to remove

    // An installed program copies its installed entry.
    const std::string entry = folder_.Write("entry.desktop", std::string("[Desktop Entry]\n"));
    EXPECT_FALSE(Launcher(folder_.File("missing.desktop")).Create()); // nothing to copy
    ASSERT_TRUE(Launcher(entry).Create());
    EXPECT_EQ(TTestFolder::Contents(path), TTestFolder::Contents(entry));
}

} // namespace
} // namespace sudoku
