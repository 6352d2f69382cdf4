// "sudoku-engine solve": runs the limited solver (or, with --exact, the exact counter) on each
// puzzle line and prints the number of solutions found (cap 10) and a grid.
#include "TCommandContext.h"
#include "TExactCounter.h"
#include "TPuzzleLine.h"
#include "TPuzzleReader.h"
#include "TSuDoKuSolver.h"

#include <ostream>

namespace sudoku::cli {

namespace {

constexpr int Cap = 10;

void PrintSolveHelp(std::ostream& out) {
    out << "Usage: sudoku-engine solve [--shape WxH] [--exact] [FILE...]\n"
           "\n"
           "Solves each puzzle line with the program's own limited solver and prints one\n"
           "line per puzzle: the number of solutions it found, searching with a cap of 10\n"
           "(\"10+\" when it found more), a blank, then the grid it leaves: the solution\n"
           "when it found at least one (the newest), otherwise the state its reasoning\n"
           "reached, in the same one-line form with \".\" for an empty cell. The limited\n"
           "solver gives up on puzzles that are too empty, too hard for its node budget, or\n"
           "that it may not guess at (4 x 4 grids); the number is then \"?\", since there may\n"
           "be solutions it did not find.\n"
           "\n"
        << TPuzzleReader::LineFormHelp
        << "\n"
           "  --shape WxH  box shape of the puzzles: boxes W cells wide and H high, one of\n"
           "               2x2 2x3 2x4 2x5 2x6 2x7 2x8 3x2 3x3 3x4 3x5 4x2 4x3 4x4 5x2 5x3\n"
           "               6x2 7x2 8x2 (default 3x3)\n"
           "  --exact      count with the exact counter instead, which searches every\n"
           "               branch and never gives up: the exact number of solutions up to\n"
           "               the cap (\"10+\" above it), then the solution it found last, or\n"
           "               the puzzle itself when there is none\n"
           "  --help       this text\n"
           "\n"
           "A malformed line (wrong length, bad character, unknown shape) or a file that\n"
           "cannot be read gets one error line on standard error naming the file and line;\n"
           "the other lines are still solved and the exit status is then 1. Bad arguments\n"
           "give exit status 2.\n";
}

std::string CountText(int found) {
    return found > Cap ? std::to_string(Cap) + "+" : std::to_string(found);
}

} // namespace

int SolveCommand(TCommandContext& context) {
    bool exact = false;
    const auto takeOption = [&](const std::string& option) {
        exact = exact || option == "--exact";
        return option == "--exact";
    };
    return TPuzzleReader::RunCommand(
        context, "solve", PrintSolveHelp,
        [&](TSuDoKuGrid& grid, const TSuDoKuValues& givens) {
            grid.MaxSolutions = Cap;
            if (exact) {
                TExactCounter counter(grid);
                const int found = counter.Count(givens, Cap);
                context.Out << CountText(found) << ' '
                            << TPuzzleLine::Format(grid,
                                                   found > 0 ? counter.Found().back() : givens)
                            << '\n';
                return;
            }
            TSuDoKuSolver solver(grid);
            TSuDoKuValues v{};
            TSuDoKuStrings s{};
            grid.ValuesToStrings(givens, s);
            solver.SolveSuDoKu(v, s, true, false);
            context.Out << (solver.GaveUp() ? "?" : CountText(solver.Solutions())) << ' '
                        << TPuzzleLine::Format(grid, v) << '\n';
        },
        takeOption);
}

} // namespace sudoku::cli
