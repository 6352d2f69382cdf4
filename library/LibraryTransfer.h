// Moving a user's puzzles between the library and other profile files: import of any profile
// file, export to a file of its own, and backup and restore. Each operation is one update of
// its target: when it fails (TWriteError), the target is left as it was.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sudoku {

// Every section of the source, whatever its name, into the library as userName + "@Imports "
// + its old display name, every key copied; "Name" becomes the new section name and "I" "1".
// Names and values that are not UTF-8 are read as Windows-1252; CRLF and LF lines both do.
// Returns the number of sections imported (0 for a file without sections).
int ImportProfileFile(const std::string& sourceFile, const std::string& libraryFile,
                      std::string_view userName);

// Replaces the target file whole by the named sections of the library, in the order given,
// under their names and with every key. Sections the library lacks are left out; when none
// is left, nothing is written. Returns the number written.
int ExportSections(const std::string& libraryFile, const std::string& targetFile,
                   const std::vector<std::string>& sections);

// Copies the user's sections of the source into the target, each replacing its namesake;
// the other sections of the target stay (backup into "sudoku.bak", restore from it).
void CopyUserSections(const std::string& sourceFile, const std::string& targetFile,
                      std::string_view userName);

} // namespace sudoku
