// The stored-puzzle record: every field through a file and back, the exact stored text,
// lenient reading of hand-edited sections, origins, rewriting, erasing, renaming and the
// failure of a write.
#include "../platform/TestFolder.h"
#include "SuDoKuText.h"
#include "TSuDoKuFileData.h"
#include "TSuDoKuGrid.h"
#include "TWriteError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace sudoku {

// Readable failure output: the record as the keys it is stored under.
void PrintTo(const TSuDoKuFileData& rec, std::ostream* os) {
    for (const TProfileFile::TEntry& e : SuDoKuFileDataEntries(rec)) {
        *os << "\n  " << e.Key << "=" << e.Value;
    }
}

namespace {

using test::TTestFolder;

// A record as it is stored: times compare by their hex text (whole seconds), since a time
// read back is rebuilt from days, hours, minutes and seconds and may differ in its last bits.
std::vector<TProfileFile::TEntry> Stored(const TSuDoKuFileData& rec) {
    auto entries = SuDoKuFileDataEntries(rec);
    entries.push_back({"origin bits", std::to_string(rec.O)});
    return entries;
}

// A record with every field away from its default, grids and notes made by the engine.
TSuDoKuFileData FullRecord(int boxCols, int boxRows, int seed) {
    const TSuDoKuGrid grid(boxCols, boxRows);
    const int n = grid.GridSize;
    TSuDoKuValues solution{};
    TSuDoKuStrings cells{};
    for (int row = 1; row <= n; ++row) {
        for (int col = 1; col <= n; ++col) {
            const int value = (col - 1 + (row - 1) * boxCols + seed) % n + 1;
            solution[CellIndex(col, row)] = static_cast<std::uint8_t>(value);
            cells[CellIndex(col, row)] =
                (col + row) % 3 == 0 ? "1,2," + std::to_string(value) + "," : std::to_string(value);
        }
    }
    TSuDoKuFileData rec;
    rec.Name = "Default User@Game " + std::to_string(seed);
    rec.Tc = EncodeDateTime({2026, 12, 5, 17, 45, 15});
    rec.L = static_cast<std::uint8_t>(seed % 4);
    rec.O = orSelfDesigned | orImported;
    rec.Nc = boxCols;
    rec.Nr = boxRows;
    rec.M1 = grid.ValuesToHex(solution);
    rec.M2 = grid.StringsToHex(cells);
    rec.M3 = grid.ValuesToHex(solution);
    rec.M4 = grid.StringsToNotes(cells);
    rec.Tpts = EncodeDateTime({2026, 12, 6, 8, 0, 1});
    rec.Tptl = EncodeDateTime({2026, 12, 6, 9, 10, 11});
    rec.Tpt = (1 * 3600 + 30 * 60 + 15) / 86400.0;
    rec.Tptm = 1.0 / 32;
    rec.Sn = 101 + seed;
    rec.Sp = 2;
    rec.Sh = 3;
    rec.Se = 4;
    rec.Sr = 5;
    rec.Sa = -6;
    rec.U = "1,1=2,4,|3,2=|";
    rec.S = 2;
    return rec;
}

TEST(RecordStore, EveryFieldRoundTripsForEveryGridSize) {
    TTestFolder dir;
    const std::string file = dir.File("sudoku.dat");
    const std::pair<int, int> shapes[] = {{2, 2}, {3, 3}, {4, 4}, {8, 2}, {2, 5}};
    int seed = 0;
    for (const auto& [cols, rows] : shapes) {
        const TSuDoKuFileData rec = FullRecord(cols, rows, ++seed);
        const std::size_t n = static_cast<std::size_t>(cols * rows);
        EXPECT_EQ(rec.M1.size(), 2 * n * n);
        ASSERT_TRUE(WriteSuDoKuFileData(file, rec.Name, rec));
        TSuDoKuFileData back;
        ASSERT_TRUE(ReadSuDoKuFileData(file, rec.Name, back));
        EXPECT_EQ(Stored(back), Stored(rec)) << cols << "x" << rows;
    }
    EXPECT_EQ(ReadSectionNamesOfFile(file).size(), std::size(shapes));
}

TEST(RecordStore, ValuesLongerThanAnyOldLimitComeBackWhole) {
    TTestFolder dir;
    const std::string file = dir.File("sudoku.dat");
    TSuDoKuFileData rec = FullRecord(4, 4, 1);
    rec.U.clear();
    for (int i = 0; i < 2000; ++i) {
        rec.U += std::to_string(i % 16 + 1) + "," + std::to_string(i % 13 + 1) + "=1,2,3,|";
    }
    ASSERT_GT(rec.U.size(), 10000u);
    WriteSuDoKuFileData(file, rec.Name, rec);
    TSuDoKuFileData back;
    ASSERT_TRUE(ReadSuDoKuFileData(file, rec.Name, back));
    EXPECT_EQ(back.U, rec.U);
}

TEST(RecordStore, StoredSectionHasTheKeysInTheirOrder) {
    TTestFolder dir;
    const std::string file = dir.File("sudoku.dat");
    TSuDoKuFileData rec;
    rec.Tc = EncodeDateTime({2026, 12, 5, 17, 45, 15});
    rec.Name = DefaultRecordName("Default User", rec.Tc);
    rec.L = 1;
    rec.O = orGenerated;
    rec.M1 = "M1";
    rec.M2 = "M2";
    rec.M3 = "M3";
    rec.M4 = std::string(81, '|');
    rec.Tpts = rec.Tc;
    rec.Tptl = rec.Tc + 1.0 / 24;
    rec.Tpt = (1 * 3600 + 30 * 60 + 15) / 86400.0;
    rec.Tptm = 1.0 / 24;
    rec.Sn = 12;
    rec.Sh = 1;
    rec.U = "3,2=|";
    rec.S = 1;
    WriteSuDoKuFileData(file, rec.Name, rec);
    EXPECT_EQ(TTestFolder::Contents(file), "[Default User@December 5 2026 17:45:15]\r\n"
                                           "Name=Default User@December 5 2026 17:45:15\r\n"
                                           "Tc=00B519112D0F\r\n"
                                           "L=1\r\n"
                                           "O=Marlbrook\r\n"
                                           "I=0\r\n"
                                           "Nc=3\r\n"
                                           "Nr=3\r\n"
                                           "M1=M1\r\n"
                                           "M2=M2\r\n"
                                           "M3=M3\r\n"
                                           "M4=" +
                                               std::string(81, '|') +
                                               "\r\n"
                                               "Tpts=00B519112D0F\r\n"
                                               "Tptl=00B519122D0F\r\n"
                                               "Tpt=000000011E0F\r\n"
                                               "Tptm=000000010000\r\n"
                                               "Sn=12\r\n"
                                               "Sp=0\r\n"
                                               "Sh=1\r\n"
                                               "Se=0\r\n"
                                               "Sr=0\r\n"
                                               "Sa=0\r\n"
                                               "U=3,2=|\r\n"
                                               "S=1\r\n");
}

TEST(RecordStore, ReadsHandEditedSectionsLeniently) {
    struct Case {
        const char* Keys; // lines of the section after its header
        void (*Check)(const TSuDoKuFileData& rec);
    };
    const Case cases[] = {
        {"Name=U@x\r\n",
         [](const TSuDoKuFileData& r) {
             TSuDoKuFileData expected;
             expected.Name = "U@x";
             EXPECT_EQ(r, expected); // only a name: 3 x 3, times, counters, status, origin 0
         }},
        {"L=$2\r\n", [](const TSuDoKuFileData& r) { EXPECT_EQ(r.L, 2); }},
        {"L=0x2\r\n", [](const TSuDoKuFileData& r) { EXPECT_EQ(r.L, 2); }},
        {"l=3\r\nNC=$4\r\nnr=0X2\r\n",
         [](const TSuDoKuFileData& r) {
             EXPECT_EQ(r.L, 3);
             EXPECT_EQ(r.Nc, 4);
             EXPECT_EQ(r.Nr, 2);
         }},
        {"Nc=four\r\nSn=\r\nS=x\r\n",
         [](const TSuDoKuFileData& r) {
             EXPECT_EQ(r.Nc, 3);
             EXPECT_EQ(r.Sn, 0);
             EXPECT_EQ(r.S, 0);
         }},
        {"O=self\r\n", [](const TSuDoKuFileData& r) { EXPECT_EQ(r.O, 0); }},
        {"O=Self\r\n", [](const TSuDoKuFileData& r) { EXPECT_EQ(r.O, orSelfDesigned); }},
        {"O=Marlbrook\r\nI=2\r\n",
         [](const TSuDoKuFileData& r) { EXPECT_EQ(r.O, orGenerated | orImported); }},
        {"I=yes\r\n", [](const TSuDoKuFileData& r) { EXPECT_EQ(r.O, 0); }},
        {"Tc=00B519112D0\r\nTpt=000000011E0F\r\n",
         [](const TSuDoKuFileData& r) {
             EXPECT_EQ(r.Tc, 0.0); // wrong length
             EXPECT_NEAR(r.Tpt * 86400, 5415, 1e-6);
         }},
    };
    TTestFolder dir;
    const std::string file = dir.File("sudoku.dat");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Keys);
        TTestFolder::Put(file, std::string("[User@P]\r\n") + c.Keys);
        TSuDoKuFileData rec = FullRecord(3, 3, 1); // must be reset by the read
        ASSERT_TRUE(ReadSuDoKuFileData(file, "user@p", rec));
        c.Check(rec);
    }
}

TEST(RecordStore, MissingFileOrSectionGivesFalseAndDefaults) {
    TTestFolder dir;
    const std::string file = dir.File("sudoku.dat");
    TSuDoKuFileData rec = FullRecord(3, 3, 1);
    EXPECT_FALSE(ReadSuDoKuFileData(file, "User@P", rec));
    EXPECT_EQ(rec, TSuDoKuFileData{});
    EXPECT_FALSE(SectionExistsInFile(file, "User@P"));
    EXPECT_FALSE(EraseSectionInFile(file, "User@P"));
    EXPECT_FALSE(std::filesystem::exists(file));

    TTestFolder::Put(file, "[Other@P]\r\nName=Other@P\r\n");
    rec = FullRecord(3, 3, 1);
    EXPECT_FALSE(ReadSuDoKuFileData(file, "User@P", rec));
    EXPECT_EQ(rec, TSuDoKuFileData{});
    EXPECT_FALSE(SectionExistsInFile(dir.Path(), "User@P")); // a folder reads as nothing
}

TEST(RecordStore, BothOriginsAreWrittenAsGeneratedOnly) {
    TTestFolder dir;
    const std::string file = dir.File("sudoku.dat");
    const TOrigin origins[] = {0,
                               orGenerated,
                               orSelfDesigned,
                               orImported,
                               orGenerated | orSelfDesigned,
                               orSelfDesigned | orImported};
    for (TOrigin o : origins) {
        TSuDoKuFileData rec;
        rec.O = o;
        WriteSuDoKuFileData(file, "U@x", rec);
        TSuDoKuFileData back;
        ReadSuDoKuFileData(file, "U@x", back);
        const TOrigin expected = (o & orGenerated) != 0 ? (o & ~orSelfDesigned) : o;
        EXPECT_EQ(back.O, expected) << int(o);
    }
}

TEST(RecordStore, RewritingDropsOldKeysAndMovesTheSectionLast) {
    TTestFolder dir;
    const std::string file = dir.File("sudoku.dat");
    TTestFolder::Put(file, "[U@a]\r\nName=U@a\r\nO=Marlbrook\r\nExtra=1\r\n[U@b]\r\nName=U@b\r\n");
    TSuDoKuFileData rec;
    rec.Name = "U@A";
    WriteSuDoKuFileData(file, "U@A", rec);
    EXPECT_EQ(ReadSectionNamesOfFile(file), (std::vector<std::string>{"U@b", "U@A"}));
    TProfileFile f;
    ASSERT_TRUE(f.Load(file));
    EXPECT_FALSE(f.ReadValue("U@a", "O").has_value());
    EXPECT_FALSE(f.ReadValue("U@a", "Extra").has_value());
}

TEST(RecordStore, EraseRemovesOnlyTheSectionAsked) {
    TTestFolder dir;
    const std::string file = dir.File("sudoku.dat");
    const TSuDoKuFileData a = FullRecord(3, 3, 1);
    const TSuDoKuFileData b = FullRecord(3, 3, 2);
    WriteSuDoKuFileData(file, a.Name, a);
    WriteSuDoKuFileData(file, b.Name, b);
    EXPECT_TRUE(SectionExistsInFile(file, ChangeCase(a.Name, 2)));
    EXPECT_TRUE(EraseSectionInFile(file, a.Name));
    EXPECT_FALSE(SectionExistsInFile(file, a.Name));
    EXPECT_TRUE(EraseSectionInFile(file, a.Name)); // already gone still counts as gone
    TSuDoKuFileData back;
    ASSERT_TRUE(ReadSuDoKuFileData(file, b.Name, back));
    EXPECT_EQ(Stored(back), Stored(b));
}

TEST(RecordStore, RenameMovesTheRecordAndKeepsOthers) {
    struct Case {
        const char* From;
        const char* To;
    };
    const Case cases[] = {
        {"User@Old", "User@New"},
        {"User@Old", "User@OLD"},   // a change of letter case only
        {"User@Old", "User@Other"}, // overwrites an existing entry
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.To);
        TTestFolder dir;
        const std::string file = dir.File("sudoku.dat");
        TSuDoKuFileData rec = FullRecord(3, 3, 1);
        rec.Name = c.From;
        WriteSuDoKuFileData(file, c.From, rec);
        TSuDoKuFileData other = FullRecord(3, 3, 2);
        other.Name = "User@Other";
        WriteSuDoKuFileData(file, other.Name, other);
        TSuDoKuFileData third = FullRecord(3, 3, 3);
        third.Name = "Somebody@Old";
        WriteSuDoKuFileData(file, third.Name, third);

        RenameSuDoKu(file, c.From, c.To, rec);
        EXPECT_EQ(rec.Name, c.To);
        TSuDoKuFileData back;
        ASSERT_TRUE(ReadSuDoKuFileData(file, c.To, back));
        EXPECT_EQ(Stored(back), Stored(rec));
        const auto names = ReadSectionNamesOfFile(file);
        EXPECT_EQ(std::count(names.begin(), names.end(), std::string(c.To)), 1);
        EXPECT_EQ(names.size(), std::string(c.To) == "User@Other" ? 2u : 3u);
        ASSERT_TRUE(ReadSuDoKuFileData(file, "Somebody@Old", back));
        EXPECT_EQ(Stored(back), Stored(third));
    }
}

TEST(RecordStore, FailedWriteOrRenameReportsTheFileAndChangesNothing) {
    TTestFolder dir;
    const std::string file = dir.File("sudoku.dat");
    TSuDoKuFileData rec = FullRecord(3, 3, 1);
    WriteSuDoKuFileData(file, rec.Name, rec);
    const std::string before = TTestFolder::Contents(file);
    std::filesystem::create_directory(file + ".tmp"); // blocks the new file, root or not

    TSuDoKuFileData changed = rec;
    changed.Sn = 999;
    try {
        WriteSuDoKuFileData(file, rec.Name, changed);
        ADD_FAILURE() << "write reported success";
    } catch (const TWriteError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + file);
    }
    const std::string oldName = rec.Name;
    EXPECT_THROW(RenameSuDoKu(file, oldName, "Default User@Renamed", rec), TWriteError);
    EXPECT_EQ(rec.Name, oldName);
    EXPECT_FALSE(EraseSectionInFile(file, oldName)); // errors answer false, never throw
    EXPECT_EQ(TTestFolder::Contents(file), before);
}

TEST(RecordStore, SectionOwnershipAndDisplayNames) {
    struct Case {
        const char* Section;
        const char* User;
        bool Belongs;
        const char* Display;
    };
    const Case cases[] = {
        {"Default User@December 5 2026", "Default User", true, "December 5 2026"},
        {"Default User@a@b", "Default User", true, "a@b"},
        {"default user@x", "Default User", false, "x"},
        {"Default Users@x", "Default User", false, "x"},
        {"Default User", "Default User", false, "Default User"},
        {"Default User@", "Default User", true, ""},
        {"Default User.Options", "Default User", false, "Default User.Options"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BelongsToUser(c.Section, c.User), c.Belongs) << c.Section;
        EXPECT_EQ(DisplayNameOf(c.Section), c.Display) << c.Section;
    }
}

} // namespace
} // namespace sudoku
