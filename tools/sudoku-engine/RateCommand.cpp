// "sudoku-engine rate": the level of each puzzle line by its number of empty cells, as the
// program rates a puzzle designed by hand.
#include "Levels.h"
#include "TCommandContext.h"
#include "TPuzzleLine.h"
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
           "Puzzle lines: N x N characters, rows top to bottom, each row left to right;\n"
           "\".\" or \"0\" for an empty cell, \"1\" to \"9\", then \"Q\" to \"W\" (either case)\n"
           "for 10 to 16. A line may start with \"WxH:\" to give its own shape. Blank lines\n"
           "are skipped. Without FILE, or for \"-\", standard input is read.\n"
           "\n"
           "  --shape WxH  box shape of the puzzles (default 3x3; see solve --help)\n"
           "  --help       this text\n"
           "\n"
           "A malformed line or a file that cannot be read gets one error line on standard\n"
           "error; the other lines are still rated and the exit status is then 1. Bad\n"
           "arguments give exit status 2.\n";
}

} // namespace

int RateCommand(TCommandContext& context) {
    TBoxShape shape = BoxShapes[0];
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < context.Args.size(); ++i) {
        const std::string& arg = context.Args[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            PrintRateHelp(context.Out);
            return ExitOk;
        } else if (arg == "--shape" || arg.rfind("--shape=", 0) == 0) {
            std::string name;
            if (arg == "--shape") {
                if (i + 1 >= context.Args.size()) {
                    context.Err << "sudoku-engine rate: --shape needs a shape such as 3x3\n";
                    return ExitBadArguments;
                }
                name = context.Args[++i];
            } else {
                name = arg.substr(8);
            }
            const auto named = TPuzzleLine::ParseShape(name);
            if (!named) {
                context.Err << "sudoku-engine rate: unknown shape '" << name
                            << "' (try --help for the list)\n";
                return ExitBadArguments;
            }
            shape = *named;
        } else {
            context.Err << "sudoku-engine rate: unknown option '" << arg << "' (try --help)\n";
            return ExitBadArguments;
        }
    }

    TPuzzleReader reader(shape, context.Err);
    const bool allGood =
        reader.ReadAll(files, context.In, [&](TSuDoKuGrid& grid, const TSuDoKuValues& givens) {
            TSuDoKuStrings texts{};
            grid.ValuesToStrings(givens, texts);
            const int level = RatePuzzle(grid, texts);
            context.Out << level << ' ' << LevelName(level) << '\n';
        });
    return allGood ? ExitOk : ExitBadInput;
}

} // namespace sudoku::cli
