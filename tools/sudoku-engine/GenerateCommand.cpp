// "sudoku-engine generate": new games as the program makes them, a complete grid seeded at
// random and carved to a level, printed one puzzle a line.
#include "Levels.h"
#include "TCommandContext.h"
#include "TPuzzleLine.h"
#include "TRandom.h"
#include "TSuDoKuGenerator.h"

#include <cctype>
#include <charconv>
#include <limits>
#include <optional>
#include <ostream>
#include <string_view>

namespace sudoku::cli {

namespace {

void PrintGenerateHelp(std::ostream& out) {
    out << "Usage: sudoku-engine generate [--shape WxH] [--level L] [--count N] [--seed S]\n"
           "                              [--with-solution]\n"
           "\n"
           "Makes new puzzles the way the program does for a new game: random boxes in a\n"
           "checkerboard, completed by the limited solver, then cells taken out at random as\n"
           "long as the solver still finds exactly one solution, down to the level's target\n"
           "of empty cells. Prints one puzzle a line: N x N characters, rows top to bottom,\n"
           "\".\" for an empty cell, \"1\" to \"9\", then \"Q\" to \"W\" for 10 to 16.\n"
           "\n"
           "  --shape WxH      box shape: boxes W cells wide and H high, one of 2x2 2x3 2x4\n"
           "                   2x5 2x6 2x7 2x8 3x2 3x3 3x4 3x5 4x2 4x3 4x4 5x2 5x3 6x2 7x2\n"
           "                   8x2 (default 3x3)\n"
           "  --level L        0 to 3, or rookie, normal, skilled, expert (default 1)\n"
           "  --count N        number of puzzles (default 1)\n"
           "  --seed S         seed of the random source (0 to 4294967295) for a repeatable\n"
           "                   run; without it the clock seeds it\n"
           "  --with-solution  print the complete grid after each puzzle, after a blank\n"
           "  --help           this text\n"
           "\n"
           "Bad arguments give one error line and exit status 2.\n";
}

template <typename T> std::optional<T> ParseNumber(const std::string& text) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ParseLevel(const std::string& text) {
    if (const auto number = ParseNumber<int>(text)) {
        return (*number >= 0 && *number < LevelCount) ? number : std::nullopt;
    }
    const auto lower = [](std::string_view in) {
        std::string out;
        for (const char c : in) {
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        return out;
    };
    const std::string wanted = lower(text);
    for (int level = 0; level < LevelCount; ++level) {
        if (wanted == lower(LevelName(level))) {
            return level;
        }
    }
    return std::nullopt;
}

struct TGenerateOptions {
    TBoxShape Shape = BoxShapes[0];
    int Level = 1;
    long Count = 1;
    std::optional<std::uint32_t> Seed;
    bool WithSolution = false;
};

// Reads the arguments; an empty text on success, else the one-line complaint.
std::string ParseOptions(const std::vector<std::string>& args, TGenerateOptions& options,
                         bool& help) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            help = true;
            return {};
        }
        if (arg == "--with-solution") {
            options.WithSolution = true;
            continue;
        }
        // Options with a value: "--name value" or "--name=value".
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (name != "--shape" && name != "--level" && name != "--count" && name != "--seed") {
            return "unknown argument '" + arg + "' (try --help)";
        }
        std::string value;
        if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return name + " needs a value (try --help)";
        }
        if (name == "--shape") {
            const auto shape = TPuzzleLine::ParseShape(value);
            if (!shape) {
                return "unknown shape '" + value + "' (try --help for the list)";
            }
            options.Shape = *shape;
        } else if (name == "--level") {
            const auto level = ParseLevel(value);
            if (!level) {
                return "--level takes 0 to 3 or rookie, normal, skilled, expert, not '" + value +
                       "'";
            }
            options.Level = *level;
        } else if (name == "--count") {
            const auto count = ParseNumber<long>(value);
            if (!count || *count < 1) {
                return "--count takes a whole number of at least 1, not '" + value + "'";
            }
            options.Count = *count;
        } else {
            const auto seed = ParseNumber<std::uint32_t>(value);
            if (!seed) {
                return "--seed takes a whole number from 0 to 4294967295, not '" + value + "'";
            }
            options.Seed = *seed;
        }
    }
    return {};
}

} // namespace

int GenerateCommand(TCommandContext& context) {
    TGenerateOptions options;
    bool help = false;
    if (const std::string fault = ParseOptions(context.Args, options, help); !fault.empty()) {
        context.Err << "sudoku-engine generate: " << fault << "\n";
        return ExitBadArguments;
    }
    if (help) {
        PrintGenerateHelp(context.Out);
        return ExitOk;
    }

    TSuDoKuGrid grid(options.Shape.BoxCols, options.Shape.BoxRows);
    TSuDoKuSolver solver(grid);
    TDefaultRandom random;
    // A given seed makes the whole run repeatable: the reseeds before repeated attempts then
    // follow a fixed chain instead of the clock.
    std::uint32_t chain = options.Seed.value_or(0);
    if (options.Seed) {
        random.Seed(chain);
    }
    const auto reseed = [&] {
        if (options.Seed) {
            random.Seed(++chain);
        } else {
            random.SeedFromClock();
        }
    };
    TSuDoKuGenerator generator(grid, solver, random);
    for (long made = 0; made < options.Count && context.Out; ++made) {
        TSuDoKuValues complete{};
        TSuDoKuStrings puzzle{};
        generator.GenerateUntilSuccess(complete, puzzle, options.Level, true, reseed);
        TSuDoKuValues givens{};
        grid.StringsToValues(puzzle, givens);
        context.Out << TPuzzleLine::Format(grid, givens);
        if (options.WithSolution) {
            context.Out << ' ' << TPuzzleLine::Format(grid, complete);
        }
        context.Out << '\n';
    }
    context.Out.flush();
    return ExitOk;
}

} // namespace sudoku::cli
