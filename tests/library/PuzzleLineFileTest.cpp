// Puzzle-line files: which lines an import keeps, how their records look, and the lines an
// export writes for them.
#include "PuzzleLineFile.h"
#include "../platform/TestFolder.h"
#include "ClassicPuzzle.h"
#include "Levels.h"
#include "TSuDoKuFileData.h"

#include <gtest/gtest.h>

namespace sudoku {
namespace {

using test::Classic;
using test::ClassicSolution;
using test::Hex;
using test::TTestFolder;

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
    TTestFolder::Put(source,
                     std::string("\xEF\xBB\xBF") + Classic + "\r\n" + // 1 good
                         "\r\n" +                                     // 2 blank
                         "  " + Small + "\t\n" +                      // 3 good, shape by count
                         "5346789126721953..1983425678597614234268537917139248569615372..2874196353"
                         "45286179\n" + // 4 two solutions
                         "33..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5"
                         "....8..79\n" +    // 5 none
                         "1.3.....4...\n" + // 6 no shape has 12 cells
                         "9x9:" +
                         Classic + "\n" +                               // 7 unknown shape
                         "2x3:21..5.5..3.44.1..6..3...14..3.35..6x\n" + // 8 bad character
                         "1.....4..4.....1\n" +                         // 9 none (4 x 4)
                         "2x3:1.............................2.....\n" + // 10 many, too empty
                         Hard // 11 good, proven by the exact counter
    );
    WriteSuDoKuFileData(library, "Other@Imports puzzles.txt 1", TSuDoKuFileData{});

    const TPuzzleLineCounts counts =
        ImportPuzzleLines(source, library, "Default User", 46361.5, 1.0 / 24);
    EXPECT_EQ(counts, (TPuzzleLineCounts{3, 2, 2, 3}));
    EXPECT_EQ(ReadSectionNamesOfFile(library),
              (std::vector<std::string>{
                  "Other@Imports puzzles.txt 1", "Default User@Imports puzzles.txt 1",
                  "Default User@Imports puzzles.txt 3", "Default User@Imports puzzles.txt 11"}));
    const struct {
        const char* Section;
        const char* Givens;
        const char* Solution;
        int Cols, Rows;
    } kept[] = {{"Default User@Imports puzzles.txt 1", Classic, ClassicSolution, 3, 3},
                {"Default User@Imports puzzles.txt 3", Small, SmallSolution, 2, 3},
                {"Default User@Imports puzzles.txt 11", Hard, HardSolution, 3, 3}};
    for (const auto& k : kept) {
        SCOPED_TRACE(k.Section);
        TSuDoKuFileData rec;
        ASSERT_TRUE(ReadSuDoKuFileData(library, k.Section, rec));
        EXPECT_EQ(rec.Name, k.Section);
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
