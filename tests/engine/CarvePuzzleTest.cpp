// Carving: refusal of grids that are not complete Sudokus, the undoing of removals that make
// a puzzle ambiguous, the progress reports with the guessing phase of Expert, and the solver
// cap restored afterwards.
#include "GeneratorTestSupport.h"
#include "Levels.h"
#include "RandomStateMaker.h"
#include "TSuDoKuGenerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace sudoku {
namespace {

using testing::IsSoundGame;
using testing::TScriptedRandom;

// A complete grid of the shape made by the generator itself.
TSuDoKuValues MakeGrid(int boxCols, int boxRows, std::uint32_t seed) {
    TSuDoKuGrid grid(boxCols, boxRows);
    TSuDoKuSolver solver(grid);
    TDefaultRandom random(seed);
    TSuDoKuGenerator generator(grid, solver, random);
    TSuDoKuValues v{};
    TSuDoKuStrings s{};
    generator.GenerateUntilSuccess(v, s, 0, false, [&] { random.Seed(++seed); });
    return v;
}

struct TRecorder {
    int Begins = 0;
    int Ends = 0;
    std::vector<std::string> Texts;
    std::vector<bool> Fiendish;
    std::vector<TSuDoKuStrings> Puzzles;
    std::vector<int> Caps; // the solver's cap at each report

    void Attach(TSuDoKuGenerator& generator, const TSuDoKuGrid& grid) {
        generator.Hooks.BeginCarving = [this] { ++Begins; };
        generator.Hooks.EndCarving = [this] { ++Ends; };
        generator.Hooks.Progress = [this, &grid](std::string_view text,
                                                 const TSuDoKuStrings& puzzle, bool fiendish) {
            Texts.emplace_back(text);
            Fiendish.push_back(fiendish);
            Puzzles.push_back(puzzle);
            Caps.push_back(grid.MaxSolutions);
        };
    }
};

TEST(CarvePuzzle, RefusesGridsThatAreNotCompleteSudokusAndLeavesTextsAlone) {
    const TSuDoKuValues sound = MakeGrid(3, 3, 3);
    const TSuDoKuValues cyclic = RandomStateMaker::Cyclic(9);
    TSuDoKuValues hole = sound;
    hole[CellIndex(5, 5)] = 0;
    TSuDoKuValues changed = sound;
    changed[CellIndex(1, 1)] = static_cast<std::uint8_t>(changed[CellIndex(1, 1)] % 9 + 1);
    TSuDoKuValues empty{};
    struct Case {
        const char* Name;
        const TSuDoKuValues* Values;
    };
    for (const auto& c :
         {Case{"one empty cell", &hole}, Case{"one changed value", &changed},
          Case{"rows and columns right, boxes wrong", &cyclic}, Case{"all empty", &empty}}) {
        TSuDoKuGrid grid;
        grid.MaxSolutions = 0;
        TSuDoKuSolver solver(grid);
        TDefaultRandom random(1);
        TSuDoKuGenerator generator(grid, solver, random);
        TRecorder recorder;
        recorder.Attach(generator, grid);
        TSuDoKuStrings s;
        for (std::size_t i = 0; i < s.size(); ++i) {
            s[i] = "t" + std::to_string(i);
        }
        const TSuDoKuStrings entry = s;
        EXPECT_FALSE(generator.CarvePuzzle(*c.Values, s, 1)) << c.Name;
        EXPECT_EQ(s, entry) << c.Name;
        EXPECT_EQ(grid.MaxSolutions, 10) << c.Name;
        EXPECT_EQ(recorder.Begins, 1) << c.Name;
        EXPECT_EQ(recorder.Ends, 1) << c.Name;
        EXPECT_TRUE(recorder.Texts.empty()) << c.Name;
    }
}

// The random source picks the cells in an order the test chooses: the rectangle first, then
// reading order. It keeps its own view of the puzzle and the marks to check the number of
// open cells it is asked to choose from.
TEST(CarvePuzzle, RemovalThatMakesThePuzzleAmbiguousIsUndoneAndNotRetriedAtOnce) {
    TSuDoKuGrid grid;
    std::vector<int> cells;
    TSuDoKuValues complete{};
    for (std::uint32_t seed = 1; seed < 100 && cells.empty(); ++seed)
        cells = RandomStateMaker::SwappableRectangle(complete = MakeGrid(3, 3, seed));
    ASSERT_EQ(cells.size(), 4U);
    std::vector<int> readingOrder;
    for (int i = 0; i < 81; ++i)
        readingOrder.push_back(CellIndex(i % 9 + 1, i / 9 + 1));
    std::vector<int> preference = cells;
    for (const int cell : readingOrder)
        if (std::find(cells.begin(), cells.end(), cell) == cells.end())
            preference.push_back(cell);

    TSuDoKuStrings shadow;
    grid.ValuesToStrings(complete, shadow);
    std::set<int> marked;
    std::vector<int> picks;
    bool targetDrawn = false;
    TScriptedRandom random([&](int n) {
        if (!targetDrawn) {
            targetDrawn = true;
            return 0; // no reduction: the target is 46
        }
        std::vector<int> open;
        for (const int cell : readingOrder)
            if (!shadow[cell].empty() && marked.count(cell) == 0)
                open.push_back(cell);
        EXPECT_EQ(static_cast<int>(open.size()), n) << "open cells after " << picks.size();
        for (const int cell : preference) {
            const auto at = std::find(open.begin(), open.end(), cell);
            if (at != open.end()) {
                picks.push_back(cell);
                marked.insert(cell);
                return static_cast<int>(at - open.begin());
            }
        }
        ADD_FAILURE() << "nothing left to pick";
        return 0;
    });

    TSuDoKuSolver solver(grid);
    TSuDoKuGenerator generator(grid, solver, random);
    TRecorder recorder;
    recorder.Attach(generator, grid);
    generator.Hooks.Progress = [&, inner = generator.Hooks.Progress](std::string_view text,
                                                                     const TSuDoKuStrings& puzzle,
                                                                     bool fiendish) {
        inner(text, puzzle, fiendish);
        shadow = puzzle;
        marked.clear();
    };
    TSuDoKuStrings s;
    grid.ValuesToStrings(complete, s);
    ASSERT_TRUE(generator.CarvePuzzle(complete, s, 0));

    ASSERT_GE(picks.size(), 5U);
    ASSERT_GE(recorder.Puzzles.size(), 4U);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(picks[i], cells[i]);
        EXPECT_TRUE(recorder.Puzzles[i][cells[i]].empty()) << "removal " << i << " stands";
    }
    EXPECT_EQ(picks[3], cells[3]) << "the fourth corner is tried next";
    EXPECT_NE(picks[4], cells[3]) << "and not drawn again before another removal succeeds";
    EXPECT_EQ(recorder.Puzzles[3][cells[3]], std::to_string(complete[cells[3]]))
        << "the fourth corner was put back";
    EXPECT_GT(std::count(picks.begin(), picks.end(), cells[3]), 1)
        << "a later success makes it eligible again";
    EXPECT_EQ(s[cells[3]], std::to_string(complete[cells[3]]));
    EXPECT_TRUE(IsSoundGame(grid, complete, s, 0));
    EXPECT_EQ(static_cast<int>(recorder.Texts.size()), grid.CountEmptyStrings(s));
}

// Every successful removal is reported once with the level's text, or with the Fiendish text
// once the Expert guessing phase has begun; that phase exists only for Expert up to 9 x 9.
// Uniqueness is tested with the cap 1 whatever the cap was, and the cap is 10 afterwards.
TEST(CarvePuzzle, ProgressReportsEachRemovalAndTheGuessingPhase) {
    struct Case {
        int BoxCols;
        int BoxRows;
        int Level;
        int Seeds;
        int Cap;
    };
    const Case cases[] = {{3, 3, 3, 12, 10}, {3, 3, 0, 3, 0}, {3, 3, 2, 3, 25}, {2, 3, 3, 6, 1},
                          {2, 4, 3, 4, 10},  {3, 4, 3, 1, 0}, {4, 4, 3, 1, 10}, {2, 2, 1, 2, 25}};
    int fiendishCarvings = 0;
    for (const auto& c : cases) {
        for (int seed = 1; seed <= c.Seeds; ++seed) {
            SCOPED_TRACE(std::to_string(c.BoxCols) + "x" + std::to_string(c.BoxRows) + " level " +
                         std::to_string(c.Level) + " seed " + std::to_string(seed));
            const TSuDoKuValues complete = MakeGrid(c.BoxCols, c.BoxRows, 100u + seed);
            TSuDoKuGrid grid(c.BoxCols, c.BoxRows);
            grid.MaxSolutions = c.Cap;
            TSuDoKuSolver solver(grid);
            TDefaultRandom random(static_cast<std::uint32_t>(seed));
            TSuDoKuGenerator generator(grid, solver, random);
            TRecorder recorder;
            recorder.Attach(generator, grid);
            TSuDoKuStrings s;
            grid.ValuesToStrings(complete, s);
            ASSERT_TRUE(generator.CarvePuzzle(complete, s, c.Level));
            EXPECT_EQ(grid.MaxSolutions, 10);
            EXPECT_EQ(recorder.Caps, std::vector<int>(recorder.Texts.size(), 1));
            EXPECT_EQ(recorder.Begins, 1);
            EXPECT_EQ(recorder.Ends, 1);
            EXPECT_TRUE(IsSoundGame(grid, complete, s, c.Level));
            EXPECT_EQ(static_cast<int>(recorder.Texts.size()), grid.CountEmptyStrings(s));
            const auto firstFiendish =
                std::find(recorder.Fiendish.begin(), recorder.Fiendish.end(), true) -
                recorder.Fiendish.begin();
            for (std::size_t i = 0; i < recorder.Texts.size(); ++i) {
                const bool fiendish = static_cast<std::ptrdiff_t>(i) >= firstFiendish;
                EXPECT_EQ(recorder.Fiendish[i], fiendish) << i;
                EXPECT_EQ(recorder.Texts[i], fiendish ? FiendishText : LevelTargetText(c.Level));
                EXPECT_EQ(grid.CountEmptyStrings(recorder.Puzzles[i]), static_cast<int>(i) + 1);
            }
            if (firstFiendish < static_cast<std::ptrdiff_t>(recorder.Texts.size())) {
                ++fiendishCarvings;
                EXPECT_TRUE(c.Level == 3 && c.BoxCols * c.BoxRows <= 9);
            }
        }
    }
    EXPECT_GT(fiendishCarvings, 0) << "reasoning alone never stalled before the Expert target";
}

} // namespace
} // namespace sudoku
