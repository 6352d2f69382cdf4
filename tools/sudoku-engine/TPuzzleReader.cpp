// Line-by-line reading of puzzle files with one error line per malformed line.
#include "TPuzzleReader.h"

#include "TPuzzleLine.h"

#include <fstream>
#include <istream>
#include <ostream>

namespace sudoku::cli {

int TPuzzleReader::RunCommand(TCommandContext& context, std::string_view command,
                              void (*printHelp)(std::ostream&), const THandler& handle,
                              const TOptionTaker& takeOption) {
    const auto complain = [&](const std::string& text) {
        context.Err << "sudoku-engine " << command << ": " << text << "\n";
        return ExitBadArguments;
    };
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
            printHelp(context.Out);
            return ExitOk;
        } else if (arg == "--shape" || arg.rfind("--shape=", 0) == 0) {
            std::string name;
            if (arg == "--shape") {
                if (i + 1 >= context.Args.size())
                    return complain("--shape needs a shape such as 3x3");
                name = context.Args[++i];
            } else {
                name = arg.substr(8);
            }
            const auto named = TPuzzleLine::ParseShape(name);
            if (!named)
                return complain("unknown shape '" + name + "' (try --help for the list)");
            shape = *named;
        } else if (!takeOption || !takeOption(arg)) {
            return complain("unknown option '" + arg + "' (try --help)");
        }
    }
    TPuzzleReader reader(shape, context.Err);
    return reader.ReadAll(files, context.In, handle) ? ExitOk : ExitBadInput;
}

bool TPuzzleReader::ReadAll(const std::vector<std::string>& files, std::istream& in,
                            const THandler& handle) {
    if (files.empty())
        return ReadStream(in, "standard input", handle);
    bool allGood = true;
    for (const std::string& file : files) {
        if (file == "-") {
            allGood = ReadStream(in, "standard input", handle) && allGood;
            continue;
        }
        std::ifstream stream(file, std::ios::binary);
        if (!stream) {
            Err << "sudoku-engine: " << file << ": cannot open the file\n";
            allGood = false;
            continue;
        }
        allGood = ReadStream(stream, file, handle) && allGood;
    }
    return allGood;
}

bool TPuzzleReader::ReadStream(std::istream& in, const std::string& name, const THandler& handle) {
    bool allGood = true;
    std::string raw;
    for (long lineNumber = 1; std::getline(in, raw); ++lineNumber) {
        std::string_view line = raw;
        if (lineNumber == 1 && line.starts_with("\xEF\xBB\xBF")) // byte order mark
            line.remove_prefix(3);
        if (TPuzzleLine::Trim(line).empty())
            continue;
        const TPuzzleLine::TRead read = TPuzzleLine::Read(line, DefaultShape);
        if (!read.Fault.empty()) {
            Err << "sudoku-engine: " << name << ", line " << lineNumber << ": " << read.Fault
                << "\n";
            allGood = false;
            continue;
        }
        TSuDoKuGrid grid(read.Shape.BoxCols, read.Shape.BoxRows);
        handle(grid, read.Givens);
    }
    if (in.bad()) {
        Err << "sudoku-engine: " << name << ": read error\n";
        allGood = false;
    }
    return allGood;
}

} // namespace sudoku::cli
