// Where the program's files live: the program folder (AppDir) with the read-only files that
// ship beside the executable, and the data folder for the files the program writes.
#pragma once

#include <string>
#include <string_view>

namespace sudoku {

class TAppPaths {
public:
    // The folder of the executable, with a trailing separator.
    static std::string AppDir();
    // Where data files (library, settings, backups) are written: AppDir when that folder is
    // writable, otherwise $XDG_DATA_HOME/sudoku-atelier/ (or ~/.local/share/sudoku-atelier/),
    // created on first use. Always with a trailing separator.
    static std::string DataDir();
    // The full path of a shipped file or folder: the data folder's copy when it exists,
    // else the one beside the program (which need not exist).
    static std::string FindResource(std::string_view name);

    // Fixes both folders, for tests and for a start with explicit folders; an empty
    // `dataDir` means "decide as usual from `appDir`". Reset() returns to the real folders.
    static void SetFolders(std::string appDir, std::string dataDir = {});
    static void Reset();

    // The data folder chosen for a program folder: pure, for tests.
    static std::string ChooseDataDir(const std::string& appDir, bool appDirWritable,
                                     const char* xdgDataHome, const char* home);

    // Appends a separator unless the text already ends with one (or is empty).
    static std::string WithSeparator(std::string dir);
};

} // namespace sudoku
