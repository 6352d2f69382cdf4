// The stored-puzzle record: every field through a file and back, the exact stored text,
// lenient reading of hand-edited sections, rewriting, erasing, renaming, the failure of a write;
// and puzzle-line files imported and exported.
#include "../platform/TestFolder.h"
#include "ClassicPuzzle.h"
#include "Levels.h"
#include "PuzzleLineFile.h"
#include "SuDoKuText.h"
#include "TSuDoKuData.h"
#include "TSuDoKuFileData.h"
#include "TWriteError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace sudoku {

namespace {

using test::Classic;
using test::ClassicSolution;
using test::Hex;
using test::TTestFolder;
using Names = std::vector<std::string>;

// A record as it is stored: times compare by their hex text (whole seconds), since a time read
// back is rebuilt from days, hours, minutes and seconds and may differ in its last bits.
std::vector<TProfileFile::TEntry> Stored(const TSuDoKuFileData& rec) {
    auto entries = SuDoKuFileDataEntries(rec);
    entries.push_back({"origin bits", std::to_string(rec.O)});
    return entries;
}

// A record with every field away from its default.
TSuDoKuFileData FullRecord(int seed, std::string name = "") {
    const std::string n = std::to_string(seed);
    // clang-format off
    return {.Name = name.empty() ? "Default User@Game " + n : name,
            .Tc = EncodeDateTime({2026, 12, 5, 17, 45, 15}), .L = std::uint8_t(seed % 4),
            .O = orSelfDesigned | orImported, .Nc = 2 + seed % 3, .Nr = 4 - seed % 2,
            .M1 = std::string(162, 'A') + n, .M2 = "0100" + n, .M3 = "0203" + n, .M4 = "|1,2,|" + n,
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

// Records, one with a move history far longer than any old line limit, rewritten in place.
TEST(RecordStore, EveryFieldRoundTripsTheKeysKeepTheirOrderAndHandEditedSectionsReadLeniently) {
    TTestFolder dir;
    const std::string file = dir.File("sudoku.dat");
    for (int seed = 1; seed <= 6; ++seed) {
        TSuDoKuFileData rec = FullRecord(seed % 3);
        for (int i = 0; seed == 2 && i < 2000; ++i) {
            rec.U += std::to_string(i % 16 + 1) + "," + std::to_string(i % 13 + 1) + "=1,2,3,|";
        }
        ASSERT_TRUE(WriteSuDoKuFileData(file, rec.Name, rec));
        TSuDoKuFileData back;
        ASSERT_TRUE(ReadSuDoKuFileData(file, rec.Name, back));
        EXPECT_EQ(Stored(back), Stored(rec)) << seed;
    }
    EXPECT_EQ(ReadSectionNamesOfFile(file).size(), 3u);

    // The keys in their order; both origins are written as generated only, undone moves have a
    // key of their own only when there are any.
    const std::string keys = dir.File("keys.dat");
    const TDateTime created = EncodeDateTime({2026, 12, 5, 17, 45, 15});
    // clang-format off
    TSuDoKuFileData rec{.Name = DefaultRecordName("Default User", created), .Tc = created,
                        .L = 1, .O = orGenerated | orSelfDesigned, .M1 = "M1", .M2 = "M2",
                        .M3 = "M3", .M4 = "||", .Tpts = created, .Tptl = created + 1.0 / 24,
                        .Tpt = (1 * 3600 + 30 * 60 + 15) / 86400.0, .Tptm = 1.0 / 24,
                        .Sn = 12, .Sh = 1, .U = "3,2=|", .R = {}, .S = 1};
    // clang-format on
    WriteSuDoKuFileData(keys, rec.Name, rec);
    EXPECT_EQ(TTestFolder::Contents(keys),
              "[Default User@December 5 2026 17:45:15]\r\n"
              "Name=Default User@December 5 2026 17:45:15\r\n"
              "Tc=00B519112D0F\r\nL=1\r\nO=Marlbrook\r\nI=0\r\nNc=3\r\nNr=3\r\n"
              "M1=M1\r\nM2=M2\r\nM3=M3\r\nM4=||\r\n"
              "Tpts=00B519112D0F\r\nTptl=00B519122D0F\r\nTpt=000000011E0F\r\nTptm=000000010000\r\n"
              "Sn=12\r\nSp=0\r\nSh=1\r\nSe=0\r\nSr=0\r\nSa=0\r\nU=3,2=|\r\nS=1\r\n");
    // Each case: the lines of a section and what they change in a default record; a missing
    // section reads as false and the defaults.
    using TChange = void (*)(TSuDoKuFileData & read);
    // clang-format off
    const std::pair<const char*, TChange> cases[] = {
        {"l=3\r\nNC=$4\r\nnr=0X2\r\n", [](TSuDoKuFileData& r) { r.L = 3, r.Nc = 4, r.Nr = 2; }},
        {"Nc=four\r\nSn=\r\nS=x\r\nO=self\r\nI=yes\r\n", [](TSuDoKuFileData&) {}},
        {"O=Self\r\n", [](TSuDoKuFileData& r) { r.O = orSelfDesigned; }},
        {"O=Marlbrook\r\nI=2\r\n", [](TSuDoKuFileData& r) { r.O = orGenerated | orImported; }},
    };
    // clang-format on
    for (const auto& [lines, change] : cases) {
        SCOPED_TRACE(lines);
        TTestFolder::Put(file, std::string("[User@P]\r\n") + lines);
        TSuDoKuFileData read = FullRecord(1); // must be reset by the read
        ASSERT_TRUE(ReadSuDoKuFileData(file, "user@p", read));
        TSuDoKuFileData expected;
        change(expected);
        EXPECT_EQ(Stored(read), Stored(expected));
    }
    TSuDoKuFileData read = FullRecord(1);
    EXPECT_FALSE(ReadSuDoKuFileData(file, "User@Q", read));
    EXPECT_EQ(read, TSuDoKuFileData{});
}

TEST(RecordStore, RewritingErasingAndRenamingTouchOnlyTheirSectionAndNamesShowTheirOwner) {
    TTestFolder dir;
    const std::string file = dir.File("sudoku.dat");
    TTestFolder::Put(file, "[U@a]\r\nName=U@a\r\nO=Marlbrook\r\nExtra=1\r\n[U@b]\r\nName=U@b\r\n");
    const auto recs = WriteAll(file, {FullRecord(1, "U@A"), FullRecord(2)});
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
        auto renamed = WriteAll(three, {FullRecord(1, "User@Old"), FullRecord(2, "User@Other"),
                                        FullRecord(3, "Somebody@Old")});
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
    // Which user a section belongs to and the name it is listed under.
    // clang-format off
    const std::tuple<const char*, bool, const char*> owners[] = {
        {"Default User@December 5 2026", true, "December 5 2026"},
        {"Default User@a@b", true, "a@b"}, {"Default User@", true, ""},
        {"default user@x", false, "x"}, {"Default Users@x", false, "x"},
        {"Default User.Options", false, "Default User.Options"}};
    // clang-format on
    for (const auto& [section, belongs, display] : owners) {
        EXPECT_EQ(BelongsToUser(section, "Default User"), belongs) << section;
        EXPECT_EQ(DisplayNameOf(section), display) << section;
    }
}

// Every writing routine of the library reports a failed write with the file's name and leaves
// the file as it was; erasing answers false instead of throwing.
TEST(RecordStore, FailedWritesReportTheFileAndChangeNothing) {
    TTestFolder dir;
    const std::string file = dir.File("sudoku.dat");
    TSuDoKuFileData rec = FullRecord(1);
    WriteSuDoKuFileData(file, rec.Name, rec);
    WriteSuDoKuData(file, "Default User", {}, 44, 0);
    const std::string before = TTestFolder::Contents(file);
    const std::string oldName = rec.Name;
    const std::pair<const char*, std::function<void()>> writes[] = {
        {"record", [&] { WriteSuDoKuFileData(file, rec.Name, FullRecord(2)); }},
        {"rename", [&] { RenameSuDoKu(file, oldName, "Default User@Renamed", rec); }},
        {"settings", [&] { WriteSuDoKuData(file, "Default User", {}, 31, 0); }},
    };
    for (const auto& [what, write] : writes) {
        SCOPED_TRACE(what);
        EXPECT_EQ(test::WriteError([&] {
                      const test::TFileSizeLimit noNewText(0); // blocks the new file, root or not
                      write();
                  }),
                  "Unable to write to " + file);
        EXPECT_EQ(TTestFolder::Contents(file), before);
    }
    EXPECT_EQ(rec.Name, oldName) << "a failed rename keeps the record's name";
    const test::TFileSizeLimit noNewText(0);
    EXPECT_FALSE(EraseSectionInFile(file, oldName));
    EXPECT_EQ(TTestFolder::Contents(file), before);
}

// Puzzle-line files: which lines an import keeps, how their records look, and the lines an
// export writes for them.
constexpr const char* Small = "21..5.5..3.44.1..6..3...14..3.35..61"; // 36 cells: 2 x 3 boxes
constexpr const char* SmallSolution = "216453562314431526623145145632354261";
// 17 givens that the limited solver gives up on.
constexpr const char* Hard =
    "..............3.85..1.2.......5.7.....4...1...9.......5......73..2.1........4...9";
constexpr const char* HardSolution =
    "987654321246173985351928746128537694634892157795461832519286473472319568863745219";

TEST(PuzzleLineFile, ImportKeepsUniqueLinesAndCountsTheRest) {
    TTestFolder dir;
    const std::string library = dir.File("sudoku.dat");
    const std::string source = dir.File("puzzles.txt");
    // Lines 1, 3 and 11 are good (3 shaped by its count of cells, 11 proven by the exact
    // counter); 4 and 10 have more than one solution, 5 and 9 none; 6 fits no shape, 7 names an
    // unknown one, 8 holds a bad character. Line 2 is blank.
    // clang-format off
    TTestFolder::Put(source, "\xEF\xBB\xBF" + std::string(Classic) + "\r\n\r\n  " + Small + "\t\n"
        "5346789126721953..1983425678597614234268537917139248569615372..287419635345286179\n"
        "33..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79\n"
        "1.3.....4...\n9x9:" + Classic + "\n2x3:21..5.5..3.44.1..6..3...14..3.35..6x\n"
        "1.....4..4.....1\n2x3:1.............................2.....\n" + Hard);
    // clang-format on
    WriteSuDoKuFileData(library, "Other@Imports puzzles.txt 1", TSuDoKuFileData{});

    const TPuzzleLineCounts counts =
        ImportPuzzleLines(source, library, "Default User", 46361.5, 1.0 / 24);
    EXPECT_EQ(counts, (TPuzzleLineCounts{3, 2, 2, 3}));
    EXPECT_EQ(ReadSectionNamesOfFile(library),
              (std::vector<std::string>{
                  "Other@Imports puzzles.txt 1", "Default User@Imports puzzles.txt 1",
                  "Default User@Imports puzzles.txt 3", "Default User@Imports puzzles.txt 11"}));
    // clang-format off
    const struct { const char *Section, *Givens, *Solution; int Cols, Rows; } kept[] = {
        {"Default User@Imports puzzles.txt 1", Classic, ClassicSolution, 3, 3},
        {"Default User@Imports puzzles.txt 3", Small, SmallSolution, 2, 3},
        {"Default User@Imports puzzles.txt 11", Hard, HardSolution, 3, 3}};
    // clang-format on
    for (const auto& k : kept) {
        SCOPED_TRACE(k.Section);
        TSuDoKuFileData rec;
        ASSERT_TRUE(ReadSuDoKuFileData(library, k.Section, rec));
        EXPECT_EQ(rec.O, orImported);
        EXPECT_EQ(std::pair(rec.Nc, rec.Nr), std::pair(k.Cols, k.Rows));
        EXPECT_EQ(rec.M1, Hex(k.Solution));
        EXPECT_EQ(rec.M2, Hex(k.Givens));
        const TSuDoKuGrid grid(rec.Nc, rec.Nr);
        TSuDoKuStrings givens{};
        grid.HexToStrings(rec.M2, givens);
        EXPECT_EQ(rec.L, RatePuzzle(grid, givens));
        EXPECT_EQ(rec.Tc, 46361.5);
        EXPECT_NEAR(rec.Tptm, 1.0 / 24, 1e-9);
    }

    // Export writes the givens back as lines, the 2 x 3 one with its shape.
    const std::string exported = dir.File("export.txt");
    EXPECT_EQ(ExportPuzzleLines(library, exported,
                                {kept[1].Section, "Default User@Gone", kept[0].Section}),
              2);
    EXPECT_EQ(TTestFolder::Contents(exported), std::string("2x3:") + Small + "\n" + Classic + "\n");
    // Importing the file again replaces the records instead of adding new ones.
    ImportPuzzleLines(source, library, "Default User", 46362, 0);
    EXPECT_EQ(ReadSectionNamesOfFile(library).size(), 4u);
}

} // namespace
} // namespace sudoku
