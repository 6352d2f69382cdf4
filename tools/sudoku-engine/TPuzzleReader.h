// Reads puzzle lines from files or standard input for the subcommands: skips blank lines,
// reports each malformed line on the error stream and hands every good one on.
#pragma once

#include "TCommandContext.h"
#include "TSuDoKuGrid.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace sudoku::cli {

class TPuzzleReader {
public:
    // grid is set to the line's shape; givens holds its values (0 for empty cells).
    using THandler = std::function<void(TSuDoKuGrid& grid, const TSuDoKuValues& givens)>;

    // The paragraph of the subcommands' help texts on the puzzle line form.
    static constexpr const char* LineFormHelp =
        "Puzzle lines: N x N characters, rows top to bottom, each row left to right;\n"
        "\".\" or \"0\" for an empty cell, \"1\" to \"9\", then \"Q\" to \"W\" (either case)\n"
        "for 10 to 16. A line may start with \"WxH:\" to give its own shape. Blank lines\n"
        "are skipped. Without FILE, or for \"-\", standard input is read.\n";

    // Takes an option of the subcommand's own; false when it is none.
    using TOptionTaker = std::function<bool(const std::string& option)>;

    // The whole of a subcommand that reads puzzle lines: takes [--shape WxH] [--help], the
    // options that takeOption accepts and [FILE...] from the context's arguments, then hands
    // every good line to handle. Returns the exit status; command names the subcommand in
    // error lines.
    static int RunCommand(TCommandContext& context, std::string_view command,
                          void (*printHelp)(std::ostream&), const THandler& handle,
                          const TOptionTaker& takeOption = {});

private:
    TPuzzleReader(const TBoxShape& defaultShape, std::ostream& err)
        : DefaultShape(defaultShape), Err(err) {}

    // Every file in turn ("-" is standard input), or standard input when there is none.
    // False when any file could not be read or any line was malformed.
    bool ReadAll(const std::vector<std::string>& files, std::istream& in, const THandler& handle);

    bool ReadStream(std::istream& in, const std::string& name, const THandler& handle);

    TBoxShape DefaultShape;
    std::ostream& Err;
};

} // namespace sudoku::cli
