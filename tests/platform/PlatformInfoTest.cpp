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

} // namespace
} // namespace sudoku
