// sudoku-engine: the engine from the command line. Each subcommand lives in its own source
// file and is listed once in the table below.
#include "TCommandContext.h"

#include <cerrno>
#include <cstring>
#include <iostream>

namespace sudoku::cli {

int SolveCommand(TCommandContext& context);
int GenerateCommand(TCommandContext& context);
int RateCommand(TCommandContext& context);

namespace {

struct TCommand {
    const char* Name;
    const char* Summary;
    TCommandFunction Run;
};

constexpr TCommand Commands[] = {
    {"solve", "count the solutions of puzzles and print the grid the solver leaves", SolveCommand},
    {"generate", "make new puzzles carved to a level, one a line", GenerateCommand},
    {"rate", "rate puzzles by their number of empty cells", RateCommand},
};

void PrintHelp(std::ostream& out) {
    out << "Usage: sudoku-engine COMMAND [ARGS...]\n"
           "       sudoku-engine COMMAND --help\n"
           "\nCommands:\n";
    for (const TCommand& command : Commands)
        out << "  " << command.Name << std::string(10 - std::strlen(command.Name), ' ')
            << command.Summary << "\n";
    out << "\nExit status: 0 done, 1 some input could not be used, 2 bad arguments, 3 the\n"
           "output could not be written.\n";
}

int Run(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "sudoku-engine: no command given (try sudoku-engine --help)\n";
        return ExitBadArguments;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintHelp(std::cout);
        return ExitOk;
    }
    for (const TCommand& command : Commands)
        if (name == command.Name) {
            TCommandContext context{std::vector<std::string>(argv + 2, argv + argc), std::cin,
                                    std::cout, std::cerr};
            return command.Run(context);
        }
    std::cerr << "sudoku-engine: unknown command '" << name << "' (try sudoku-engine --help)\n";
    return ExitBadArguments;
}

} // namespace

} // namespace sudoku::cli

int main(int argc, char** argv) {
    using namespace sudoku::cli;
    const int status = Run(argc, argv);
    // Output is buffered: a full disk shows only when it is flushed.
    if (!std::cout.flush()) {
        std::cerr << "sudoku-engine: cannot write the output: " << std::strerror(errno) << "\n";
        return ExitWriteError;
    }
    return status;
}
