// The stored-puzzle record: every field through a file and back, the exact stored text,
// lenient reading of hand-edited sections, rewriting, erasing, renaming, copying sections
// between files, and the failure of a write.
#include "../platform/TestFolder.h"
#include "SuDoKuText.h"
#include "TSectionCopy.h"
#include "TSuDoKuData.h"
#include "TSuDoKuFileData.h"
#include "TSuDoKuGrid.h"
#include "TWriteError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

namespace sudoku {

// Readable failure output: the record as the keys it is stored under.
void PrintTo(const TSuDoKuFileData& rec, std::ostream* os) {
    for (const TProfileFile::TEntry& e : SuDoKuFileDataEntries(rec)) {
        *os << "\n  " << e.Key << "=" << e.Value;
    }
}

namespace {

using test::TTestFolder;
using Names = std::vector<std::string>;

// A record as it is stored: times compare by their hex text (whole seconds), since a time read
// back is rebuilt from days, hours, minutes and seconds and may differ in its last bits.
std::vector<TProfileFile::TEntry> Stored(const TSuDoKuFileData& rec) {
    auto entries = SuDoKuFileDataEntries(rec);
    entries.push_back({"origin bits", std::to_string(rec.O)});
    return entries;
}

// A record with every field away from its default, grids and notes made by the engine.
TSuDoKuFileData FullRecord(int boxCols, int boxRows, int seed, std::string name = "") {
    const TSuDoKuGrid grid(boxCols, boxRows);
    TSuDoKuValues solution{};
    TSuDoKuStrings cells{};
    for (int row = 1; row <= grid.GridSize; ++row) {
        for (int col = 1; col <= grid.GridSize; ++col) {
            const int value = (col - 1 + (row - 1) * boxCols + seed) % grid.GridSize + 1;
            solution[CellIndex(col, row)] = static_cast<std::uint8_t>(value);
            cells[CellIndex(col, row)] =
                (col + row) % 3 == 0 ? "1,2," + std::to_string(value) + "," : std::to_string(value);
        }
    }
    // clang-format off
    return {.Name = name.empty() ? "Default User@Game " + std::to_string(seed) : name,
            .Tc = EncodeDateTime({2026, 12, 5, 17, 45, 15}), .L = std::uint8_t(seed % 4),
            .O = orSelfDesigned | orImported, .Nc = boxCols, .Nr = boxRows,
            .M1 = grid.ValuesToHex(solution), .M2 = grid.StringsToHex(cells),
            .M3 = grid.ValuesToHex(solution), .M4 = grid.StringsToNotes(cells),
            .Tpts = EncodeDateTime({2026, 12, 6, 8, 0, 1}),
            .Tptl = EncodeDateTime({2026, 12, 6, 9, 10, 11}), .Tpt = 5415 / 86400.0,
            .Tptm = 1.0 / 32, .Sn = 101 + seed, .Sp = 2, .Sh = 3, .Se = 4, .Sr = 5, .Sa = -6,
            .U = "1,1=2,4,|3,2=|", .R = "4,4=7|", .S = 2};
    // clang-format on
}

// Writes records under their names and gives them back.
std::vector<TSuDoKuFileData> WriteAll(const std::string& file, std::vector<TSuDoKuFileData> recs) {
    for (const TSuDoKuFileData& rec : recs) {
        WriteSuDoKuFileData(file, rec.Name, rec);
    }
    return recs;
}

// Every grid size, and a move history far longer than any old line limit.
TEST(RecordStore, EveryFieldRoundTripsForEveryGridSize) {
    TTestFolder dir;
    const std::string file = dir.File("sudoku.dat");
    const std::pair<int, int> shapes[] = {{2, 2}, {3, 3}, {4, 4}, {8, 2}, {2, 5}};
    int seed = 0;
    for (const auto& [cols, rows] : shapes) {
        TSuDoKuFileData rec = FullRecord(cols, rows, ++seed);
        for (int i = 0; cols == 4 && i < 2000; ++i) {
            rec.U += std::to_string(i % 16 + 1) + "," + std::to_string(i % 13 + 1) + "=1,2,3,|";
        }
        ASSERT_TRUE(WriteSuDoKuFileData(file, rec.Name, rec));
        TSuDoKuFileData back;
        ASSERT_TRUE(ReadSuDoKuFileData(file, rec.Name, back));
        EXPECT_EQ(Stored(back), Stored(rec)) << cols << "x" << rows;
    }
    EXPECT_EQ(ReadSectionNamesOfFile(file).size(), std::size(shapes));
}

// The keys in their order; both origins are written as generated only, undone moves have a
// key of their own only when there are any.
TEST(RecordStore, StoredSectionHasTheKeysInTheirOrder) {
    TTestFolder dir;
    const std::string file = dir.File("sudoku.dat");
    const TDateTime created = EncodeDateTime({2026, 12, 5, 17, 45, 15});
    // clang-format off
    TSuDoKuFileData rec{.Name = DefaultRecordName("Default User", created), .Tc = created,
                        .L = 1, .O = orGenerated | orSelfDesigned, .M1 = "M1", .M2 = "M2",
                        .M3 = "M3", .M4 = "||", .Tpts = created, .Tptl = created + 1.0 / 24,
                        .Tpt = (1 * 3600 + 30 * 60 + 15) / 86400.0, .Tptm = 1.0 / 24,
                        .Sn = 12, .Sh = 1, .U = "3,2=|", .R = {}, .S = 1};
    // clang-format on
    WriteSuDoKuFileData(file, rec.Name, rec);
    EXPECT_EQ(TTestFolder::Contents(file),
              "[Default User@December 5 2026 17:45:15]\r\n"
              "Name=Default User@December 5 2026 17:45:15\r\n"
              "Tc=00B519112D0F\r\nL=1\r\nO=Marlbrook\r\nI=0\r\nNc=3\r\nNr=3\r\n"
              "M1=M1\r\nM2=M2\r\nM3=M3\r\nM4=||\r\n"
              "Tpts=00B519112D0F\r\nTptl=00B519122D0F\r\nTpt=000000011E0F\r\nTptm=000000010000\r\n"
              "Sn=12\r\nSp=0\r\nSh=1\r\nSe=0\r\nSr=0\r\nSa=0\r\nU=3,2=|\r\nS=1\r\n");
    rec.R = "1,1=4|";
    WriteSuDoKuFileData(file, rec.Name, rec);
    EXPECT_NE(TTestFolder::Contents(file).find("U=3,2=|\r\nR=1,1=4|\r\nS=1\r\n"),
              std::string::npos);
}

// Each case: the lines of a section and what they change in a default record; a missing
// section reads as false and the defaults.
TEST(RecordStore, ReadsHandEditedSectionsLeniently) {
    using TChange = void (*)(TSuDoKuFileData & rec);
    // clang-format off
    const std::pair<const char*, TChange> cases[] = {
        {"Name=U@x\r\n", [](TSuDoKuFileData& r) { r.Name = "U@x"; }},
        {"L=$2\r\n", [](TSuDoKuFileData& r) { r.L = 2; }},
        {"l=3\r\nNC=$4\r\nnr=0X2\r\n", [](TSuDoKuFileData& r) { r.L = 3, r.Nc = 4, r.Nr = 2; }},
        {"Nc=four\r\nSn=\r\nS=x\r\nO=self\r\nI=yes\r\n", [](TSuDoKuFileData&) {}},
        {"O=Self\r\n", [](TSuDoKuFileData& r) { r.O = orSelfDesigned; }},
        {"O=Marlbrook\r\nI=2\r\n", [](TSuDoKuFileData& r) { r.O = orGenerated | orImported; }},
        {"Tc=00B519112D0\r\nTpt=000000011E0F\r\n", // a time of the wrong length reads as 0
         [](TSuDoKuFileData& r) { r.Tpt = 5415 / 86400.0; }},
    };
    // clang-format on
    TTestFolder dir;
    const std::string file = dir.File("sudoku.dat");
    for (const auto& [keys, change] : cases) {
        SCOPED_TRACE(keys);
        TTestFolder::Put(file, std::string("[User@P]\r\n") + keys);
        TSuDoKuFileData rec = FullRecord(3, 3, 1); // must be reset by the read
        ASSERT_TRUE(ReadSuDoKuFileData(file, "user@p", rec));
        TSuDoKuFileData expected;
        change(expected);
        EXPECT_EQ(Stored(rec), Stored(expected));
    }
    TSuDoKuFileData rec = FullRecord(3, 3, 1);
    EXPECT_FALSE(ReadSuDoKuFileData(file, "User@Q", rec));
    EXPECT_EQ(rec, TSuDoKuFileData{});
    EXPECT_FALSE(EraseSectionInFile(dir.File("none.dat"), "User@P"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("none.dat")));
    EXPECT_FALSE(SectionExistsInFile(dir.Path(), "User@P")); // a folder reads as nothing
}

TEST(RecordStore, RewritingErasingAndRenamingTouchOnlyTheirSection) {
    TTestFolder dir;
    const std::string file = dir.File("sudoku.dat");
    TTestFolder::Put(file, "[U@a]\r\nName=U@a\r\nO=Marlbrook\r\nExtra=1\r\n[U@b]\r\nName=U@b\r\n");
    const auto recs = WriteAll(file, {FullRecord(3, 3, 1, "U@A"), FullRecord(3, 3, 2)});
    EXPECT_EQ(ReadSectionNamesOfFile(file), (Names{"U@b", "U@A", recs[1].Name}));
    EXPECT_EQ(TProfileFile::ReadFileString(file, "U@a", "Extra", "gone"), "gone");
    EXPECT_TRUE(SectionExistsInFile(file, ChangeCase(recs[0].Name, 2)));
    EXPECT_TRUE(EraseSectionInFile(file, recs[0].Name));
    EXPECT_FALSE(SectionExistsInFile(file, recs[0].Name));
    EXPECT_TRUE(EraseSectionInFile(file, recs[0].Name)); // already gone still counts as gone
    TSuDoKuFileData back;
    ASSERT_TRUE(ReadSuDoKuFileData(file, recs[1].Name, back));
    EXPECT_EQ(Stored(back), Stored(recs[1]));

    // A new name, the same in other letter case, the name of an entry it replaces.
    for (const std::string to : {"User@New", "User@OLD", "User@Other"}) {
        SCOPED_TRACE(to);
        const std::string three = dir.File(to + ".dat");
        auto renamed =
            WriteAll(three, {FullRecord(3, 3, 1, "User@Old"), FullRecord(3, 3, 2, "User@Other"),
                             FullRecord(3, 3, 3, "Somebody@Old")});
        RenameSuDoKu(three, "User@Old", to, renamed[0]);
        EXPECT_EQ(renamed[0].Name, to);
        ASSERT_TRUE(ReadSuDoKuFileData(three, to, back));
        EXPECT_EQ(Stored(back), Stored(renamed[0]));
        const auto names = ReadSectionNamesOfFile(three);
        EXPECT_EQ(std::count(names.begin(), names.end(), to), 1);
        EXPECT_EQ(names.size(), to == "User@Other" ? 2u : 3u);
        ASSERT_TRUE(ReadSuDoKuFileData(three, "Somebody@Old", back));
        EXPECT_EQ(Stored(back), Stored(renamed[2]));
    }
}

// Export copies the user's own sections in library order; importing them twice gives imported
// entries once, marked as imported; a missing source or section leaves the target alone.
TEST(RecordStore, SectionsCopyBetweenFilesAsExportAndImportUseThem) {
    TTestFolder dir;
    const std::string library = dir.File("sudoku.dat");
    const std::string exported = dir.File("sudokus.rsf");
    std::vector<TSuDoKuFileData> recs{FullRecord(3, 3, 1, "Default User@Zeta"),
                                      FullRecord(3, 3, 2, "Other@Mine"),
                                      FullRecord(3, 3, 3, "Default User@Alpha")};
    for (TSuDoKuFileData& rec : recs) {
        rec.O = orGenerated;
    }
    WriteAll(library, recs);
    std::vector<TSectionCopy> exportAll;
    for (const std::string& s : UserSectionsOfFile(library, "Default User")) {
        exportAll.push_back({s, s, {}});
    }
    CopySections(library, exported, exportAll);
    EXPECT_EQ(ReadSectionNamesOfFile(exported), (Names{"Default User@Zeta", "Default User@Alpha"}));
    for (int round = 0; round < 2; ++round) {
        std::vector<TSectionCopy> import;
        for (const std::string& s : ReadSectionNamesOfFile(exported)) {
            const std::string target = ImportedSectionName(s, "Default User");
            import.push_back({s, target, { {"name", target}, { "I", "1" } }});
        }
        CopySections(exported, library, import);
    }
    EXPECT_EQ(ReadSectionNamesOfFile(library),
              (Names{"Default User@Zeta", "Other@Mine", "Default User@Alpha",
                     "Default User@Imports Zeta", "Default User@Imports Alpha"}));
    TSuDoKuFileData rec;
    ASSERT_TRUE(ReadSuDoKuFileData(library, "Default User@Imports Alpha", rec));
    TSuDoKuFileData expected = recs[2];
    expected.Name = "Default User@Imports Alpha";
    expected.O |= orImported;
    EXPECT_EQ(Stored(rec), Stored(expected));
    EXPECT_EQ(ImportedSectionName("NoPrefix", "U"), "U@Imports NoPrefix");

    const std::string target = dir.File("sudoku.bak");
    CopySections(dir.File("missing.dat"), target, {{"U@a", "U@a", {}}});
    EXPECT_FALSE(std::filesystem::exists(target));
    CopySections(library, target, {{"U@missing", "U@missing", {}}, {"Other@Mine", "U@a", {}}});
    EXPECT_EQ(ReadSectionNamesOfFile(target), Names{"U@a"});
}

// Every writing routine of the library reports a failed write with the file's name and leaves
// the file as it was; erasing answers false instead of throwing.
TEST(RecordStore, FailedWritesReportTheFileAndChangeNothing) {
    TTestFolder dir;
    const std::string file = dir.File("sudoku.dat");
    TSuDoKuFileData rec = FullRecord(3, 3, 1);
    WriteSuDoKuFileData(file, rec.Name, rec);
    WriteSuDoKuData(file, "Default User", {}, 44, 0);
    TTestFolder::Put(dir.File("other.dat"), "[U@b]\r\nName=U@b\r\n");
    const std::string before = TTestFolder::Contents(file);
    const std::string oldName = rec.Name;
    const std::pair<const char*, std::function<void()>> writes[] = {
        {"record", [&] { WriteSuDoKuFileData(file, rec.Name, FullRecord(3, 3, 2)); }},
        {"rename", [&] { RenameSuDoKu(file, oldName, "Default User@Renamed", rec); }},
        {"settings", [&] { WriteSuDoKuData(file, "Default User", {}, 31, 0); }},
        {"copy",
         [&] {
             CopySections(dir.File("other.dat"), file, {{"U@b", "U@b", {}}});
         }},
    };
    for (const auto& [what, write] : writes) {
        SCOPED_TRACE(what);
        std::string error = "write reported success";
        try {
            const test::TFileSizeLimit noNewText(0); // blocks the new file, root or not
            write();
        } catch (const TWriteError& e) {
            error = e.what();
        }
        EXPECT_EQ(error, "Unable to write to " + file);
        EXPECT_EQ(TTestFolder::Contents(file), before);
    }
    EXPECT_EQ(rec.Name, oldName) << "a failed rename keeps the record's name";
    const test::TFileSizeLimit noNewText(0);
    EXPECT_FALSE(EraseSectionInFile(file, oldName));
    EXPECT_EQ(TTestFolder::Contents(file), before);
}

TEST(RecordStore, SectionOwnershipAndDisplayNames) {
    // clang-format off
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"Default User@December 5 2026", true, "December 5 2026"},
        {"Default User@a@b", true, "a@b"}, {"Default User@", true, ""},
        {"default user@x", false, "x"}, {"Default Users@x", false, "x"},
        {"Default User", false, "Default User"},
        {"Default User.Options", false, "Default User.Options"}};
    // clang-format on
    for (const auto& [section, belongs, display] : cases) {
        EXPECT_EQ(BelongsToUser(section, "Default User"), belongs) << section;
        EXPECT_EQ(DisplayNameOf(section), display) << section;
    }
}

} // namespace
} // namespace sudoku
