// Copying record sections between files as export, import, backup and restore use it.
#include "../platform/TestFolder.h"
#include "TSectionCopy.h"
#include "TSuDoKuFileData.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace sudoku {
namespace {

using test::TTestFolder;
using Names = std::vector<std::string>;

TSuDoKuFileData Puzzle(const std::string& name, std::int32_t entries) {
    TSuDoKuFileData rec;
    rec.Name = name;
    rec.O = orGenerated;
    rec.M1 = std::string(162, '1');
    rec.Sn = entries;
    return rec;
}

TEST(SectionCopy, ExportThenImportGivesImportedEntriesOnce) {
    TTestFolder dir;
    const std::string library = dir.File("sudoku.dat");
    const std::string exported = dir.File("sudokus.rsf");
    for (const auto& [name, n] : {std::pair{"Default User@Zeta", 1}, std::pair{"Other@Mine", 2},
                                  std::pair{"Default User@Alpha", 3}}) {
        WriteSuDoKuFileData(library, name, Puzzle(name, n));
    }

    std::vector<TSectionCopy> exportAll;
    for (const std::string& s : UserSectionsOfFile(library, "Default User")) {
        exportAll.push_back({s, s, {}});
    }
    CopySections(library, exported, exportAll);
    EXPECT_EQ(ReadSectionNamesOfFile(exported),
              (Names{"Default User@Zeta", "Default User@Alpha"})); // library order, own only

    for (int round = 0; round < 2; ++round) { // a second import replaces the first
        std::vector<TSectionCopy> import;
        for (const std::string& s : ReadSectionNamesOfFile(exported)) {
            const std::string target = ImportedSectionName(s, "Default User");
            import.push_back({s, target, { {"Name", target}, { "I", "1" } }});
        }
        CopySections(exported, library, import);
    }
    EXPECT_EQ(ReadSectionNamesOfFile(library),
              (Names{"Default User@Zeta", "Other@Mine", "Default User@Alpha",
                     "Default User@Imports Zeta", "Default User@Imports Alpha"}));
    TSuDoKuFileData rec;
    ASSERT_TRUE(ReadSuDoKuFileData(library, "Default User@Imports Alpha", rec));
    EXPECT_EQ(rec.Name, "Default User@Imports Alpha");
    EXPECT_EQ(rec.O, orGenerated | orImported);
    EXPECT_EQ(rec.Sn, 3);
}

TEST(SectionCopy, CopiesKeysInOrderOnceAndAppliesOverrides) {
    const TProfileFile source("[a@b]\r\nName=a@b\r\nK=first\r\nk=second\r\nX=1\r\n");
    struct Case {
        std::vector<TProfileFile::TEntry> Overrides;
        std::vector<TProfileFile::TEntry> Expected;
    };
    const Case cases[] = {
        {{}, {{"Name", "a@b"}, {"K", "first"}, {"X", "1"}}},
        {{{"name", "U@Imports b"}, {"I", "1"}},
         {{"Name", "U@Imports b"}, {"K", "first"}, {"X", "1"}, {"I", "1"}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CopiedEntries(source, {"A@B", "t", c.Overrides}), c.Expected);
    }
}

TEST(SectionCopy, ImportedNamesKeepOnlyWhatFollowsTheFirstAt) {
    EXPECT_EQ(ImportedSectionName("Other@My@Puzzle", "Default User"),
              "Default User@Imports My@Puzzle");
    EXPECT_EQ(ImportedSectionName("NoPrefix", "Default User"), "Default User@Imports NoPrefix");
}

TEST(SectionCopy, NothingToCopyLeavesTheTargetAlone) {
    TTestFolder dir;
    const std::string target = dir.File("sudoku.bak");
    CopySections(dir.File("missing.dat"), target, {{"U@a", "U@a", {}}});
    EXPECT_FALSE(std::filesystem::exists(target));

    const std::string source = dir.File("sudoku.dat");
    WriteSuDoKuFileData(source, "U@a", Puzzle("U@a", 1));
    CopySections(source, target, {{"U@missing", "U@missing", {}}, {"U@a", "U@a", {}}});
    EXPECT_EQ(ReadSectionNamesOfFile(target), Names{"U@a"});
}

} // namespace
} // namespace sudoku
