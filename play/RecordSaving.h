// Save of both puzzle pages: a record written under its own name or, when the user saves it,
// under the name the user gives; a file that cannot be written is reported.
#pragma once

#include "TSuDoKuFileData.h"
#include "TWindowServices.h"

#include <string>

namespace sudoku {

// Writes rec to section of fileName: rec's name when section is empty, a default name of
// userName's when rec has none. interactive: the user is asked for a name first, proposing
// rec's display name. The same name keeps section; another one is put after section's "@"
// (after userName's when it has none), asking before a record of that name is overwritten,
// and becomes rec's name unless the write fails. Nothing is written when the user cancels,
// declines or gives an empty name or one that would break the file. A failed write is shown.
void SaveRecord(TWindowServices& window, const std::string& fileName, std::string section,
                const std::string& userName, TSuDoKuFileData& rec, bool interactive);

} // namespace sudoku
