// Where the program's files live: the program folder (AppDir) with the read-only files it
// ships, and the data folder for the files the program writes. A build or portable folder
// holds both beside the executable; an installed program reads <prefix>/share/sudoku-atelier/.
#pragma once

#include <string>
#include <string_view>

namespace sudoku {

class TAppPaths {
public:
    // The folder of the shipped files (language file, display sets, help pages), with a
    // trailing separator: the installed share folder when the executable runs from an
    // installed bin folder, else the executable's own folder.
    static std::string AppDir();
    // Where data files (library, settings, backups) are written: AppDir when the program
    // runs from a writable folder of its own; otherwise, and always once installed,
    // $XDG_DATA_HOME/sudoku-atelier/ (or ~/.local/share/sudoku-atelier/), created on first
    // use. Always with a trailing separator.
    static std::string DataDir();
    // The full path of a shipped file or folder: the data folder's copy when it exists,
    // else the one in AppDir (which need not exist).
    static std::string FindResource(std::string_view name);
    // The desktop entry installed with the program
    // (<prefix>/share/applications/<AppId>.desktop), or empty when the program does not run
    // from an installed bin folder or the entry is missing.
    static std::string InstalledDesktopEntry();
    // The reverse-DNS application id that names the desktop entry, icon and metadata.
    static std::string_view AppId();

    // Fixes both folders, for tests and for a start with explicit folders; an empty
    // `dataDir` means "decide as usual from `appDir`". Reset() returns to the real folders.
    static void SetFolders(std::string appDir, std::string dataDir = {});
    static void Reset();

    // The installed share folder that belongs to an executable's folder, with a trailing
    // separator, or empty when that folder does not exist (a build or portable folder).
    static std::string InstalledShareDir(const std::string& executableDir);
    // The installed desktop entry that belongs to an executable's folder, or empty.
    static std::string InstalledDesktopEntry(const std::string& executableDir);
    // The data folder chosen for a program folder: pure, for tests.
    static std::string ChooseDataDir(const std::string& appDir, bool appDirWritable,
                                     const char* xdgDataHome, const char* home);

    // Appends a separator unless the text already ends with one (or is empty).
    static std::string WithSeparator(std::string dir);
};

} // namespace sudoku
