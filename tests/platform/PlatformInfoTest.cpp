// The login name and the choice of program and data folders.
#include "TAppPaths.h"
#include "TLoginName.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace sudoku {
namespace {

TEST(LoginName, TakesTheFirstNameAvailableElseDefaultUser) {
    struct Case {
        const char* Account;
        const char* Login;
        const char* Env;
        const char* Expected;
    };
    const Case cases[] = {{"alice", "bob", "carol", "alice"},
                          {"", "bob", "carol", "bob"},
                          {"", "", "carol", "carol"},
                          {"", "", "", "Default User"}};
    for (const Case& c : cases) {
        EXPECT_EQ(TLoginName::Choose(c.Account, c.Login, c.Env), c.Expected);
    }
    EXPECT_FALSE(TLoginName::Current().empty());
}

TEST(AppPaths, DataGoesBesideTheProgramOnlyWhenThatFolderIsWritable) {
    struct Case {
        bool Writable;
        const char* Xdg;
        const char* Home;
        const char* Expected;
    };
    const Case cases[] = {
        {true, "/xdg", "/home/u", "/opt/app/"},
        {false, "/xdg", "/home/u", "/xdg/sudoku-atelier/"},
        {false, "/xdg/", "/home/u", "/xdg/sudoku-atelier/"},
        {false, "relative", "/home/u", "/home/u/.local/share/sudoku-atelier/"},
        {false, nullptr, "/home/u", "/home/u/.local/share/sudoku-atelier/"},
        {false, "", "", "/opt/app/"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TAppPaths::ChooseDataDir("/opt/app", c.Writable, c.Xdg, c.Home), c.Expected);
    }
}

TEST(AppPaths, FoldersCanBeFixedAndResourcesPreferTheDataFolder) {
    test::TTestFolder app;
    test::TTestFolder data;
    TAppPaths::SetFolders(app.Path(), data.Path());
    EXPECT_EQ(TAppPaths::AppDir(), app.Path() + "/");
    EXPECT_EQ(TAppPaths::DataDir(), data.Path() + "/");
    EXPECT_EQ(TAppPaths::FindResource("SuDoku.lng"), app.Path() + "/SuDoku.lng");
    test::TTestFolder::Put(data.File("SuDoku.lng"), "x");
    EXPECT_EQ(TAppPaths::FindResource("SuDoku.lng"), data.Path() + "/SuDoku.lng");

    TAppPaths::SetFolders(app.Path()); // data folder decided from a writable program folder
    EXPECT_EQ(TAppPaths::DataDir(), app.Path() + "/");
    TAppPaths::Reset();
    EXPECT_TRUE(std::filesystem::is_directory(TAppPaths::AppDir()));
    EXPECT_EQ(TAppPaths::AppDir().back(), '/');
}

TEST(AppPaths, AnInstalledProgramFindsItsShareFolderAndDesktopEntryBesideItsBinFolder) {
    struct Case {
        const char* Name;
        bool Share;
        bool Entry;
    };
    const Case cases[] = {{"installed", true, true},
                          {"installed without a desktop entry", true, false},
                          {"build folder", false, false},
                          {"build folder beside another copy's entry", false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        test::TTestFolder root;
        const std::string bin = root.File("usr/bin");
        std::filesystem::create_directories(bin);
        std::filesystem::create_directories(root.File("usr/share/applications"));
        if (c.Share) {
            std::filesystem::create_directories(root.File("usr/share/sudoku-atelier"));
        }
        const std::string entry =
            root.File("usr/share/applications/" + std::string(TAppPaths::AppId()) + ".desktop");
        if (c.Entry) {
            test::TTestFolder::Put(entry, "[Desktop Entry]\n");
        }
        EXPECT_EQ(TAppPaths::InstalledShareDir(bin),
                  c.Share ? root.File("usr/share/sudoku-atelier/") : "");
        EXPECT_EQ(TAppPaths::InstalledDesktopEntry(bin), c.Share && c.Entry ? entry : "");
    }
    EXPECT_EQ(TAppPaths::InstalledDesktopEntry(), ""); // the tests run from the build folder
}

} // namespace
} // namespace sudoku
