// Puzzle files of other programs and puzzle sites: plain text, one puzzle a line in the form
// sudoku-engine reads. Import keeps the lines with exactly one solution as library records;
// export writes the givens of stored puzzles as such lines.
#pragma once

#include "SuDoKuDateTime.h"

#include <string>
#include <string_view>
#include <vector>

namespace sudoku {

// What an import did with the lines of a file (blank lines count nowhere).
struct TPuzzleLineCounts {
    int Imported = 0;
    int Unsolvable = 0; // no solution
    int Ambiguous = 0;  // more than one solution
    int Malformed = 0;  // not a puzzle line
    bool operator==(const TPuzzleLineCounts&) const = default;
};

// Each good line with exactly one solution becomes the record userName + "@Imports " + the
// file's name + " " + its line number: origin imported, the solution in M1, the givens in M2,
// the level by its empty cells, created at `now` with the time limit `timeLimit`. All records
// are written in one update (TWriteError leaves the library as it was); an unreadable file
// imports nothing.
TPuzzleLineCounts ImportPuzzleLines(const std::string& sourceFile, const std::string& libraryFile,
                                    std::string_view userName, TDateTime now, TDateTime timeLimit);

// Replaces the target file whole by one line per named section of the library, in the order
// given: the givens, with a "WxH:" prefix for shapes other than 3 x 3. Sections the library
// lacks and records of no known shape are left out; when none is left, nothing is written.
// Returns the number of lines written. Throws TWriteError.
int ExportPuzzleLines(const std::string& libraryFile, const std::string& targetFile,
                      const std::vector<std::string>& sections);

} // namespace sudoku
