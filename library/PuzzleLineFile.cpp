// Import and export of puzzle-line files.
#include "PuzzleLineFile.h"

#include "Levels.h"
#include "TPuzzleLine.h"
#include "TSuDoKuFileData.h"
#include "TSuDoKuSolver.h"
#include "TextCodec.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace sudoku {

namespace {

std::string ReadWholeFile(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : std::string();
}

// The number of solutions of the givens, 2 standing for "more than one"; solution receives
// the solution when there is exactly one.
int CountSolutions(TSuDoKuGrid& grid, const TSuDoKuValues& givens, TSuDoKuValues& solution) {
    grid.MaxSolutions = 1; // stop at the second solution
    TSuDoKuSolver solver(grid);
    TSuDoKuStrings texts{};
    grid.ValuesToStrings(givens, texts);
    solution = {};
    // Where the limited search gives up (too empty, too hard, or a 4 x 4 grid), the exact
    // counter decides.
    if (solver.SolveSuDoKuProven(solution, texts, false)) {
        return 1;
    }
    return solver.Solutions() > 1 ? 2 : 0;
}

} // namespace

TPuzzleLineCounts ImportPuzzleLines(const std::string& sourceFile, const std::string& libraryFile,
                                    std::string_view userName, TDateTime now, TDateTime timeLimit) {
    const std::string text = ReadWholeFile(sourceFile);
    const std::string fileName =
        DecodeTextBytes(std::filesystem::path(sourceFile).filename().string());
    TPuzzleLineCounts counts;
    std::vector<std::pair<std::string, std::vector<TProfileFile::TEntry>>> records;
    std::string_view rest = text;
    if (rest.starts_with("\xEF\xBB\xBF")) { // byte order mark
        rest.remove_prefix(3);
    }
    for (int lineNumber = 1; !rest.empty(); ++lineNumber) {
        const std::size_t nl = rest.find('\n');
        const std::string_view line = rest.substr(0, nl);
        rest.remove_prefix(nl == std::string_view::npos ? rest.size() : nl + 1);
        if (TPuzzleLine::Trim(line).empty()) {
            continue;
        }
        const TPuzzleLine::TRead read = TPuzzleLine::Read(line, std::nullopt);
        if (!read.Fault.empty()) {
            ++counts.Malformed;
            continue;
        }
        TSuDoKuGrid grid(read.Shape.BoxCols, read.Shape.BoxRows);
        TSuDoKuValues solution{};
        const int found = CountSolutions(grid, read.Givens, solution);
        if (found != 1) {
            ++(found == 0 ? counts.Unsolvable : counts.Ambiguous);
            continue;
        }
        TSuDoKuStrings givens{};
        grid.ValuesToStrings(read.Givens, givens);
        TSuDoKuFileData rec;
        rec.Name =
            std::string(userName) + "@Imports " + fileName + " " + std::to_string(lineNumber);
        rec.Tc = now;
        rec.L = static_cast<std::uint8_t>(RatePuzzle(grid, givens));
        rec.O = orImported;
        rec.Nc = grid.BoxCols;
        rec.Nr = grid.BoxRows;
        rec.M1 = grid.ValuesToHex(solution);
        rec.M2 = grid.ValuesToHex(read.Givens);
        rec.Tptm = timeLimit;
        records.emplace_back(rec.Name, SuDoKuFileDataEntries(rec));
        ++counts.Imported;
    }
    if (!records.empty()) {
        TProfileFile::Modify(libraryFile,
                             [&](TProfileFile& library) { library.ReplaceSections(records); });
    }
    return counts;
}

int ExportPuzzleLines(const std::string& libraryFile, const std::string& targetFile,
                      const std::vector<std::string>& sections) {
    TProfileFile library;
    library.Load(libraryFile);
    std::string text;
    int written = 0;
    for (const std::string& section : sections) {
        TSuDoKuFileData rec;
        if (!ReadSuDoKuFileData(library, section, rec) ||
            !TPuzzleLine::ParseShape(std::to_string(rec.Nc) + "x" + std::to_string(rec.Nr))) {
            continue;
        }
        const TSuDoKuGrid grid(rec.Nc, rec.Nr);
        TSuDoKuValues givens{};
        grid.HexToValues(rec.M2, givens);
        if (grid.BoxCols != 3 || grid.BoxRows != 3) {
            text += TPuzzleLine::ShapeName(grid) + ":";
        }
        text += TPuzzleLine::Format(grid, givens) + "\n";
        ++written;
    }
    if (written > 0) {
        // Written beside the file and renamed over it, as the profile files are.
        TProfileFile(std::move(text)).Save(targetFile);
    }
    return written;
}

} // namespace sudoku
