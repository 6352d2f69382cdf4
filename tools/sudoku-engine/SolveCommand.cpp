// "sudoku-engine solve": runs the limited solver on each puzzle line and prints the number
// of solutions it found (cap 10) and the grid it leaves.
#include "TCommandContext.h"
#include "TPuzzleLine.h"
#include "TPuzzleReader.h"
#include "TSuDoKuSolver.h"

#include <ostream>

namespace sudoku::cli {

namespace {

void PrintSolveHelp(std::ostream& out) {
    out << "Usage: sudoku-engine solve [--shape WxH] [FILE...]\n"
           "\n"
           "Solves each puzzle line with the program's own limited solver and prints one\n"
           "line per puzzle: the number of solutions it found, searching with a cap of 10\n"
           "(\"10+\" when it found more), a blank, then the grid it leaves: the solution\n"
           "when it found at least one (the newest), otherwise the state its reasoning\n"
           "reached, in the same one-line form with \".\" for an empty cell.\n"
           "\n"
        << TPuzzleReader::LineFormHelp
        << "\n"
           "  --shape WxH  box shape of the puzzles: boxes W cells wide and H high, one of\n"
           "               2x2 2x3 2x4 2x5 2x6 2x7 2x8 3x2 3x3 3x4 3x5 4x2 4x3 4x4 5x2 5x3\n"
           "               6x2 7x2 8x2 (default 3x3)\n"
           "  --help       this text\n"
           "\n"
           "A malformed line (wrong length, bad character, unknown shape) or a file that\n"
           "cannot be read gets one error line on standard error naming the file and line;\n"
           "the other lines are still solved and the exit status is then 1. Bad arguments\n"
           "give exit status 2.\n";
}

} // namespace

int SolveCommand(TCommandContext& context) {
    return TPuzzleReader::RunCommand(
        context, "solve", PrintSolveHelp, [&](TSuDoKuGrid& grid, const TSuDoKuValues& givens) {
            grid.MaxSolutions = 10;
            TSuDoKuSolver solver(grid);
            TSuDoKuValues v{};
            TSuDoKuStrings s{};
            grid.ValuesToStrings(givens, s);
            solver.SolveSuDoKu(v, s, true, false);
            const int found = solver.Solutions();
            context.Out << (found > grid.MaxSolutions ? "10+" : std::to_string(found)) << ' '
                        << TPuzzleLine::Format(grid, v) << '\n';
        });
}

} // namespace sudoku::cli
