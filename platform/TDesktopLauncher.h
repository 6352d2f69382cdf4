// The program's launcher on the user's desktop: a desktop entry file that starts the program,
// made executable as desktop environments require before they trust a launcher. An installed
// program copies its installed entry; one run from its own folder writes an entry for it.
#pragma once

#include <string>
#include <string_view>

namespace sudoku {

class TDesktopLauncher {
public:
    struct TProgram {
        std::string Title;          // the entry's Name
        std::string Comment;        // its Comment
        std::string Executable;     // full path of the program file
        std::string Icon;           // an icon file or an icon name
        std::string InstalledEntry; // the installed desktop entry, empty when not installed
        std::string FileName;       // the launcher's file name
    };

    TDesktopLauncher(TProgram program, std::string desktopFolder);
    // This program on the desktop folder of the special-folder lookup: named after the
    // installed entry when installed, else "sudoku-atelier.desktop", with the icon beside the
    // program.
    static TDesktopLauncher ForThisProgram(std::string title, std::string comment);

    std::string Path() const;
    bool Exists() const;
    // Writes the launcher unless a file of its name exists already (that one stays as it is);
    // false when it cannot be written.
    bool Create() const;
    // Deletes the launcher; false when it exists and cannot be deleted.
    bool Remove() const;

    // The entry written for a program that is not installed.
    std::string EntryText() const;
    // One argument of an Exec line, quoted when it holds reserved characters.
    static std::string ExecArgument(std::string_view argument);
    // A value of type string: backslash, tab, line breaks escaped.
    static std::string EscapeValue(std::string_view value);

private:
    TProgram Program;
    std::string Folder;
};

} // namespace sudoku
