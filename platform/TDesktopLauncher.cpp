// Creating and removing the desktop launcher.
#include "TDesktopLauncher.h"

#include "TAppPaths.h"
#include "TSpecialFolders.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace sudoku {

namespace fs = std::filesystem;

namespace {

std::string ExecutablePath() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.string();
}

bool ReadFile(const std::string& fileName, std::string& text) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file.is_open()) {
        return false;
    }
    std::ostringstream bytes;
    bytes << file.rdbuf();
    text = bytes.str();
    return !file.bad();
}

} // namespace

TDesktopLauncher::TDesktopLauncher(TProgram program, std::string desktopFolder)
    : Program(std::move(program)), Folder(std::move(desktopFolder)) {}

TDesktopLauncher TDesktopLauncher::ForThisProgram(std::string title, std::string comment) {
    TProgram program;
    program.Title = std::move(title);
    program.Comment = std::move(comment);
    program.Executable = ExecutablePath();
    program.InstalledEntry = TAppPaths::InstalledDesktopEntry();
    if (program.InstalledEntry.empty()) {
        program.FileName = "sudoku-atelier.desktop";
        program.Icon = TAppPaths::AppDir() + "sudoku-atelier.png";
    } else {
        program.FileName = std::string(TAppPaths::AppId()) + ".desktop";
        program.Icon = std::string(TAppPaths::AppId());
    }
    return TDesktopLauncher(std::move(program),
                            TSpecialFolders::GetSpecialFolder(TSpecialFolders::sfCommonDesktop));
}

std::string TDesktopLauncher::Path() const {
    return TAppPaths::WithSeparator(Folder) + Program.FileName;
}

bool TDesktopLauncher::Exists() const {
    std::error_code ec;
    return fs::exists(fs::symlink_status(Path(), ec));
}

std::string TDesktopLauncher::EscapeValue(std::string_view value) {
    std::string out;
    for (const char c : value) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string TDesktopLauncher::ExecArgument(std::string_view argument) {
    constexpr std::string_view Reserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string quoted;
    bool needsQuotes = argument.empty();
    for (const char c : argument) {
        if (Reserved.find(c) != std::string_view::npos) {
            needsQuotes = true;
        }
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        quoted += c == '%' ? std::string("%%") : std::string(1, c);
    }
    return needsQuotes ? '"' + quoted + '"' : quoted;
}

std::string TDesktopLauncher::EntryText() const {
    const fs::path program(Program.Executable);
    std::string text = "[Desktop Entry]\n"
                       "Type=Application\n"
                       "Version=1.0\n";
    text += "Name=" + EscapeValue(Program.Title) + "\n";
    if (!Program.Comment.empty()) {
        text += "Comment=" + EscapeValue(Program.Comment) + "\n";
    }
    // The Exec value is unescaped as a string before its quoting is read.
    text += "Exec=" + EscapeValue(ExecArgument(Program.Executable)) + "\n";
    text += "Path=" + EscapeValue(program.parent_path().string()) + "\n";
    text += "Icon=" + EscapeValue(Program.Icon) + "\n";
    text += "Terminal=false\n"
            "Categories=Game;LogicGame;\n";
    return text;
}

bool TDesktopLauncher::Create() const {
    if (Exists()) {
        return true;
    }
    const fs::path folder(Folder);
    std::error_code ec;
    if (!folder.is_absolute() || Program.Executable.empty()) {
        return false;
    }
    fs::create_directories(folder, ec);
    std::string text = EntryText();
    if (!Program.InstalledEntry.empty() && !ReadFile(Program.InstalledEntry, text)) {
        return false;
    }
    // A new file renamed into place: the desktop never sees a half-written launcher.
    const std::string path = Path();
    const std::string temporary = path + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << text;
        if (!file.flush()) {
            fs::remove(temporary, ec);
            return false;
        }
    }
    fs::permissions(temporary,
                    fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                        fs::perms::others_read | fs::perms::others_exec,
                    ec);
    if (ec) {
        fs::remove(temporary, ec);
        return false;
    }
    fs::rename(temporary, path, ec);
    if (ec) {
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

bool TDesktopLauncher::Remove() const {
    std::error_code ec;
    fs::remove(Path(), ec);
    return !ec;
}

} // namespace sudoku
