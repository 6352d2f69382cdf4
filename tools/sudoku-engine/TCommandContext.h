// What a subcommand of sudoku-engine gets: its arguments (after the subcommand's name) and
// the three standard streams.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace sudoku::cli {

struct TCommandContext {
    std::vector<std::string> Args;
    std::istream& In;
    std::ostream& Out;
    std::ostream& Err;
};

// Exit statuses shared by all subcommands.
constexpr int ExitOk = 0;
constexpr int ExitBadInput = 1; // some puzzle line or file could not be used
constexpr int ExitBadArguments = 2;
constexpr int ExitWriteError = 3; // standard output could not be written

// Entry points, one per subcommand source file.
using TCommandFunction = int (*)(TCommandContext& context);

} // namespace sudoku::cli
