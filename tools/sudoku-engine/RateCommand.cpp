// "sudoku-engine rate": the level of each puzzle line by its number of empty cells, as the
// program rates a puzzle designed by hand.
#include "Levels.h"
#include "TCommandContext.h"
#include "TPuzzleReader.h"

#include <ostream>

namespace sudoku::cli {

namespace {

void PrintRateHelp(std::ostream& out) {
    out << "Usage: sudoku-engine rate [--shape WxH] [FILE...]\n"
           "\n"
           "Rates each puzzle line by its number of empty cells and prints one line per\n"
           "puzzle: the level index (0 to 3), a blank, the level's name (Rookie, Normal,\n"
           "Skilled, Expert). For 9 x 9: up to 46 empty cells is 0, 47 to 51 is 1, 52 to 56\n"
           "is 2, 57 to 66 is 3, and more than 66 is 0 again. The bands scale with N x N.\n"
           "\n"
        << TPuzzleReader::LineFormHelp
        << "\n"
           "  --shape WxH  box shape of the puzzles (default 3x3; see solve --help)\n"
           "  --help       this text\n"
           "\n"
           "A malformed line or a file that cannot be read gets one error line on standard\n"
           "error; the other lines are still rated and the exit status is then 1. Bad\n"
           "arguments give exit status 2.\n";
}

} // namespace

int RateCommand(TCommandContext& context) {
    return TPuzzleReader::RunCommand(context, "rate", PrintRateHelp,
                                     [&](TSuDoKuGrid& grid, const TSuDoKuValues& givens) {
                                         TSuDoKuStrings texts{};
                                         grid.ValuesToStrings(givens, texts);
                                         const int level = RatePuzzle(grid, texts);
                                         context.Out << level << ' ' << LevelName(level) << '\n';
                                     });
}

} // namespace sudoku::cli
