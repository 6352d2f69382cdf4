// The fast generator against the plain reference one, driven by equal random sequences: the
// same attempts succeed, with the same complete grids, puzzles and progress texts, and every
// game made is sound, for every shape and level over many seeds (few on the large shapes,
// whose reference runs are slow).
#include "GeneratorTestSupport.h"
#include "TSuDoKuGenerator.h"
#include "reference/ReferenceGenerator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sudoku {
namespace {

int SeedsFor(int n) {
    return n <= 6 ? 12 : n <= 9 ? 5 : n <= 12 ? 2 : 1;
}

class GeneratorMatchesReference : public ::testing::TestWithParam<TBoxShape> {};

TEST_P(GeneratorMatchesReference, SameSoundGamesAtEveryLevel) {
    const TBoxShape& shape = GetParam();
    const int n = shape.BoxCols * shape.BoxRows;
    for (int level = 0; level < 4; ++level) {
        for (int seed = 1; seed <= SeedsFor(n); ++seed) {
            SCOPED_TRACE(std::string(shape.Caption) + " level " + std::to_string(level) + " seed " +
                         std::to_string(seed));
            const auto seedValue = static_cast<std::uint32_t>(seed * 4 + level);
            TSuDoKuGrid grid(shape.BoxCols, shape.BoxRows);
            TSuDoKuSolver solver(grid);
            TDefaultRandom fastRandom(seedValue);
            TSuDoKuGenerator fast(grid, solver, fastRandom);
            std::vector<std::string> fastProgress;
            fast.Hooks.Progress = [&](std::string_view text, const TSuDoKuStrings&, bool) {
                fastProgress.emplace_back(text);
            };
            reference::ReferenceEngine engine(shape.BoxCols, shape.BoxRows);
            TDefaultRandom referenceRandom(seedValue);
            reference::ReferenceGenerator plain(engine, referenceRandom);

            // Attempts go on with the same random streams until one succeeds, so failed
            // attempts are compared too.
            bool done = false;
            for (int attempt = 1; attempt <= 50 && !done; ++attempt) {
                TSuDoKuValues fastV{};
                TSuDoKuStrings fastS{};
                TSuDoKuValues plainV{};
                TSuDoKuStrings plainS{};
                done = fast.GenerateSuDoKu(fastV, fastS, level, true);
                const bool plainDone = plain.GenerateSuDoKu(plainV, plainS, level, true);
                ASSERT_EQ(done, plainDone) << "attempt " << attempt;
                ASSERT_EQ(grid.ValuesToHex(fastV), grid.ValuesToHex(plainV))
                    << "attempt " << attempt;
                ASSERT_EQ(testing::PuzzleLine(grid, fastS), testing::PuzzleLine(grid, plainS))
                    << "attempt " << attempt;
                ASSERT_EQ(fastProgress, plain.Progress) << "attempt " << attempt;
                ASSERT_EQ(fastRandom.Random(1 << 30), referenceRandom.Random(1 << 30))
                    << "the random streams drifted apart";
                EXPECT_EQ(grid.MaxSolutions, 10) << "the cap is restored after every attempt";
                if (done) {
                    EXPECT_TRUE(testing::IsSoundGame(grid, fastV, fastS, level));
                }
            }
            EXPECT_TRUE(done);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, GeneratorMatchesReference, ::testing::ValuesIn(BoxShapes),
                         testing::ShapeName);

} // namespace
} // namespace sudoku
