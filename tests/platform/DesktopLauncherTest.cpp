// Special folders from the XDG folders, and the desktop launcher: made once, removed, valid for
// the desktop-entry validator, copied from the installed entry when there is one.
#include "TDesktopLauncher.h"
#include "TSpecialFolders.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace sudoku {
namespace {

namespace fs = std::filesystem;

TEST(SpecialFolders, IndexesMapToTheXdgFolders) {
    TSpecialFolders::TEnvironment env;
    env.Home = "/home/ann";
    env.DataHome = "/data/ann";
    env.ConfigHome = "relative/is/ignored";
    env.UserDirs = "# written by xdg-user-dirs-update\n"
                   "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n"
                   "  XDG_PICTURES_DIR=\"/srv/pictures\"\n"
                   "XDG_TEMPLATES_DIR=\"templates\"\n"; // relative: not a folder
    const struct {
        int Index;
        const char* Folder;
    } cases[] = {
        {2, "/home/ann/.config/"},
        {3, "/home/ann/.cache/"},
        {5, "/home/ann/Bureau/"},
        {22, "/home/ann/Bureau/"}, // no desktop for all users
        {9, "/data/ann/"},
        {11, "/srv/pictures/"},
        {13, "/home/ann/"},
        {15, "/data/ann/applications/"},
        {19, "/home/ann/.config/autostart/"},
        {20, "/home/ann/"},
        {21, "/etc/xdg/"},
        {23, "/usr/local/share/applications/"},
        {0, "DRIVE:\\NO_SUCH_FOLDER\\"},
        {27, "DRIVE:\\NO_SUCH_FOLDER\\"},
        {30, "DRIVE:\\NO_SUCH_FOLDER\\"},
        {-1, "DRIVE:\\NO_SUCH_FOLDER\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Index);
        EXPECT_EQ(TSpecialFolders::GetSpecialFolder(c.Index, env), c.Folder);
    }
    // Without the user-dirs file the desktop is ~/Desktop; without a home there is none.
    env.UserDirs.clear();
    EXPECT_EQ(TSpecialFolders::GetSpecialFolder(22, env), "/home/ann/Desktop/");
    env.Home.clear();
    EXPECT_EQ(TSpecialFolders::GetSpecialFolder(22, env), TSpecialFolders::NoSuchFolder);
}

class DesktopLauncherTest : public ::testing::Test {
protected:
    TDesktopLauncher Launcher(std::string installedEntry = {}) const {
        return TDesktopLauncher({"Sudoku Atelier", "Play Sudoku",
                                 folder_.Path() + "/my games/sudoku $atelier", "/opt/icon.png",
                                 std::move(installedEntry), "sudoku-atelier.desktop"},
                                folder_.Path() + "/Desktop");
    }
    test::TTestFolder folder_;
};

TEST_F(DesktopLauncherTest, TickingTwiceLeavesOneValidExecutableLauncherAndClearingRemovesIt) {
    const TDesktopLauncher launcher = Launcher();
    EXPECT_FALSE(launcher.Exists());
    ASSERT_TRUE(launcher.Create()); // the desktop folder is made when missing
    ASSERT_TRUE(launcher.Exists());
    const std::string path = launcher.Path();
    EXPECT_EQ(fs::path(path).parent_path(), fs::path(folder_.Path() + "/Desktop"));
    EXPECT_NE(fs::status(path).permissions() & fs::perms::owner_exec, fs::perms::none);
    const std::string text = test::TTestFolder::Contents(path);
    EXPECT_NE(text.find("Exec=\"" + folder_.Path() + "/my games/sudoku \\\\$atelier\"\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Path=" + folder_.Path() + "/my games\n"), std::string::npos);
    if (std::system("command -v desktop-file-validate >/dev/null") == 0) {
        EXPECT_EQ(std::system(("desktop-file-validate '" + path + "'").c_str()), 0) << text;
    }

    // A second tick keeps the one launcher as it is.
    test::TTestFolder::Put(path, text + "X-Mine=kept\n");
    EXPECT_TRUE(launcher.Create());
    EXPECT_EQ(test::TTestFolder::Contents(path), text + "X-Mine=kept\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_.Path() + "/Desktop"),
                            fs::directory_iterator()),
              1);

    EXPECT_TRUE(launcher.Remove());
    EXPECT_FALSE(launcher.Exists());
    EXPECT_TRUE(launcher.Remove()); // nothing left to remove
}

TEST_F(DesktopLauncherTest, AnInstalledProgramCopiesItsInstalledEntry) {
    const std::string entry = folder_.Write(
        "entry.desktop", std::string("[Desktop Entry]\nType=Application\nName=Sudoku Atelier\n"
                                     "Exec=/usr/games/sudoku-atelier\nIcon=app.id\n"));
    const TDesktopLauncher launcher = Launcher(entry);
    ASSERT_TRUE(launcher.Create());
    EXPECT_EQ(test::TTestFolder::Contents(launcher.Path()), test::TTestFolder::Contents(entry));
    // Without a readable installed entry no launcher is made.
    fs::remove(launcher.Path());
    EXPECT_FALSE(Launcher(folder_.File("missing.desktop")).Create());
    EXPECT_FALSE(launcher.Exists());
}

} // namespace
} // namespace sudoku
