// Copying record sections from one profile file into another, as export, backup, restore and
// import do: every copy of one operation lands in a single locked update of the target file.
#pragma once

#include "TProfileFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace sudoku {

struct TSectionCopy {
    std::string Source; // section name in the source file
    std::string Target; // section name in the target file
    // Keys set after the copy, in place when the section has them, else appended
    // (import sets "Name" to the new section name and "I" to "1").
    std::vector<TProfileFile::TEntry> Overrides;
};

// Each target section is replaced by the keys of its source section in file order (a key that
// stands twice is copied once, with its first value) followed by the overrides; a section
// missing from the source is skipped. The source is read once; nothing of the target changes
// when the write fails. Throws TWriteError.
void CopySections(const std::string& sourceFile, const std::string& targetFile,
                  const std::vector<TSectionCopy>& copies);
// The same from a source already in memory.
void CopySections(const TProfileFile& source, const std::string& targetFile,
                  const std::vector<TSectionCopy>& copies);

// The entries a copy writes, from an already loaded source.
std::vector<TProfileFile::TEntry> CopiedEntries(const TProfileFile& source,
                                                const TSectionCopy& copy);

// The sections of a file that belong to the user, in file order.
std::vector<std::string> UserSectionsOfFile(const std::string& fileName, std::string_view userName);

// The name an imported section gets: the user's prefix, "@Imports ", then the old display name
// (everything after the first "@"; a name without "@" is kept whole).
std::string ImportedSectionName(std::string_view section, std::string_view userName);

} // namespace sudoku
