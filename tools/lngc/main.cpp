// lngc: compiles readable language sources (one UTF-8 file per language) into the binary
// language file read by the program.
//
//   lngc [--strict] -o SuDoku.lng english.txt other.txt...
//
// The first source is the reference: every other language is checked for the tags it has;
// with --strict a missing tag is an error, otherwise a warning.
#include "LanguageCompiler.h"
#include "LanguageFileWriter.h"
#include "LanguageSource.h"

#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

int Usage() {
    std::cerr << "usage: lngc [--strict] -o OUTPUT SOURCE...\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    bool strict = false;
    std::filesystem::path output;
    std::vector<std::filesystem::path> sources;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--strict") {
            strict = true;
        } else if (argument == "-o" && i + 1 < argc) {
            output = argv[++i];
        } else if (!argument.empty() && argument.front() == '-') {
            return Usage();
        } else {
            sources.emplace_back(argument);
        }
    }
    if (output.empty() || sources.empty()) {
        return Usage();
    }

    std::vector<std::string> errors;
    std::vector<sudoku::LanguageDefinition> languages(sources.size());
    for (std::size_t i = 0; i < sources.size(); ++i) {
        sudoku::LanguageSource::ParseFile(sources[i], languages[i], errors);
    }
    if (errors.empty()) {
        for (std::size_t i = 1; i < languages.size(); ++i) {
            for (const auto& missing :
                 sudoku::LanguageCompiler::MissingEntries(languages.front(), languages[i])) {
                const std::string message = sources[i].filename().string() + ": no row for " +
                                            missing + " of " + sources.front().filename().string();
                if (strict) {
                    errors.push_back(message);
                } else {
                    std::cerr << "lngc: warning: " << message << "\n";
                }
            }
        }
    }
    std::vector<std::uint8_t> bytes;
    if (errors.empty()) {
        sudoku::LanguageCompiler::Compile(languages, bytes, errors);
    }
    if (!errors.empty()) {
        for (const auto& error : errors) {
            std::cerr << "lngc: " << error << "\n";
        }
        return 1;
    }
    if (!sudoku::LanguageFileWriter::WriteBytes(output, bytes)) {
        std::cerr << "lngc: cannot write " << output.string() << "\n";
        return 1;
    }
    return 0;
}
