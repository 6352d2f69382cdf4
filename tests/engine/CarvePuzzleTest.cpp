// Carving: refusal of grids that are not complete Sudokus, the undoing of removals that make
// a puzzle ambiguous, the progress reports with the guessing phase of Expert, and the solver
// cap restored afterwards.
#include "GeneratorTestSupport.h"
#include "Levels.h"
#include "RandomStateMaker.h"
#include "TSuDoKuGenerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
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

    void Attach(TSuDoKuGenerator& generator) {
        generator.Hooks.BeginCarving = [this] { ++Begins; };
        generator.Hooks.EndCarving = [this] { ++Ends; };
        generator.Hooks.Progress = [this](std::string_view text, const TSuDoKuStrings& puzzle,
                                          bool fiendish) {
            Texts.emplace_back(text);
            Fiendish.push_back(fiendish);
            Puzzles.push_back(puzzle);
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
        recorder.Attach(generator);
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

// Four cells a b / b a on two rows and two columns, spread over two boxes: with all four
// empty the puzzle has two solutions whatever else is given.
struct TRectangle {
    std::array<int, 4> Cells;
};

std::optional<TRectangle> FindDeadlyRectangle(const TSuDoKuGrid& grid, const TSuDoKuValues& v) {
    const int n = grid.GridSize;
    for (int r1 = 1; r1 <= n; ++r1) {
        for (int r2 = r1 + 1; r2 <= n && (r2 - 1) / grid.BoxRows == (r1 - 1) / grid.BoxRows; ++r2) {
            for (int c1 = 1; c1 <= n; ++c1) {
                for (int c2 = c1 + 1; c2 <= n; ++c2) {
                    if (v[CellIndex(c1, r1)] == v[CellIndex(c2, r2)] &&
                        v[CellIndex(c2, r1)] == v[CellIndex(c1, r2)]) {
                        return TRectangle{{CellIndex(c1, r1), CellIndex(c2, r1), CellIndex(c1, r2),
                                           CellIndex(c2, r2)}};
                    }
                }
            }
        }
    }
    return std::nullopt;
}

// The random source picks the cells in an order the test chooses: the rectangle first, then
// reading order. It keeps its own view of the puzzle and the marks to check the number of
// open cells it is asked to choose from.
TEST(CarvePuzzle, RemovalThatMakesThePuzzleAmbiguousIsUndoneAndNotRetriedAtOnce) {
    TSuDoKuGrid grid;
    std::optional<TRectangle> rectangle;
    TSuDoKuValues complete{};
    for (std::uint32_t seed = 1; seed < 100 && !rectangle; ++seed) {
        complete = MakeGrid(3, 3, seed);
        rectangle = FindDeadlyRectangle(grid, complete);
    }
    ASSERT_TRUE(rectangle.has_value());

    std::vector<int> preference(rectangle->Cells.begin(), rectangle->Cells.end());
    for (int row = 1; row <= 9; ++row) {
        for (int col = 1; col <= 9; ++col) {
            if (std::find(preference.begin(), preference.end(), CellIndex(col, row)) ==
                preference.end()) {
                preference.push_back(CellIndex(col, row));
            }
        }
    }
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
        for (int row = 1; row <= 9; ++row) {
            for (int col = 1; col <= 9; ++col) {
                if (!shadow[CellIndex(col, row)].empty() &&
                    marked.count(CellIndex(col, row)) == 0) {
                    open.push_back(CellIndex(col, row));
                }
            }
        }
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
    recorder.Attach(generator);
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

    const auto& cells = rectangle->Cells;
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
TEST(CarvePuzzle, ProgressReportsEachRemovalAndTheGuessingPhase) {
    struct Case {
        int BoxCols;
        int BoxRows;
        int Level;
        int Seeds;
    };
    const Case cases[] = {{3, 3, 3, 12}, {3, 3, 0, 3}, {3, 3, 2, 3}, {2, 3, 3, 6},
                          {2, 4, 3, 4},  {3, 4, 3, 1}, {4, 4, 3, 1}};
    int fiendishCarvings = 0;
    for (const auto& c : cases) {
        for (int seed = 1; seed <= c.Seeds; ++seed) {
            SCOPED_TRACE(std::to_string(c.BoxCols) + "x" + std::to_string(c.BoxRows) + " level " +
                         std::to_string(c.Level) + " seed " + std::to_string(seed));
            const TSuDoKuValues complete = MakeGrid(c.BoxCols, c.BoxRows, 100u + seed);
            TSuDoKuGrid grid(c.BoxCols, c.BoxRows);
            TSuDoKuSolver solver(grid);
            TDefaultRandom random(static_cast<std::uint32_t>(seed));
            TSuDoKuGenerator generator(grid, solver, random);
            TRecorder recorder;
            recorder.Attach(generator);
            TSuDoKuStrings s;
            grid.ValuesToStrings(complete, s);
            ASSERT_TRUE(generator.CarvePuzzle(complete, s, c.Level));
            EXPECT_EQ(grid.MaxSolutions, 10);
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

TEST(CarvePuzzle, TestsWithTheCapOneAndRestoresTenFromAnyValue) {
    const TSuDoKuValues complete = MakeGrid(2, 2, 9);
    for (int cap : {0, 1, 10, 25}) {
        TSuDoKuGrid grid(2, 2);
        grid.MaxSolutions = cap;
        TSuDoKuSolver solver(grid);
        TDefaultRandom random(4);
        TSuDoKuGenerator generator(grid, solver, random);
        int capWhileCarving = -1;
        generator.Hooks.Progress = [&](std::string_view, const TSuDoKuStrings&, bool) {
            capWhileCarving = grid.MaxSolutions;
        };
        TSuDoKuStrings s;
        grid.ValuesToStrings(complete, s);
        ASSERT_TRUE(generator.CarvePuzzle(complete, s, 1));
        EXPECT_EQ(capWhileCarving, 1) << "uniqueness is tested with the cap 1";
        EXPECT_EQ(grid.MaxSolutions, 10);
    }
}

} // namespace
} // namespace sudoku
