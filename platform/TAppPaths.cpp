// Program and data folders; the executable's folder comes from /proc/self/exe. The install
// layout (paths relative to the installed bin folder, the application id) comes from the build.
#include "TAppPaths.h"

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <optional>
#include <unistd.h>

#ifndef SUDOKU_APP_ID
#define SUDOKU_APP_ID "io.github.sudokuatelier.SudokuAtelier"
#endif
#ifndef SUDOKU_SHARE_DIR_FROM_BIN
#define SUDOKU_SHARE_DIR_FROM_BIN "../share/sudoku-atelier"
#endif
#ifndef SUDOKU_APPLICATIONS_DIR_FROM_BIN
#define SUDOKU_APPLICATIONS_DIR_FROM_BIN "../share/applications"
#endif

namespace sudoku {

namespace {

struct TFolders {
    std::optional<std::string> App;
    std::optional<std::string> Data;
    bool Installed = false; // App is an installed share folder, never a place for data
};

TFolders& Folders() {
    static TFolders folders;
    return folders;
}

std::mutex& FoldersMutex() {
    static std::mutex mutex;
    return mutex;
}

std::string ExecutableDir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || !exe.has_parent_path()) {
        const auto cwd = std::filesystem::current_path(ec);
        return ec ? std::string("./") : cwd.string();
    }
    return exe.parent_path().string();
}

bool Writable(const std::string& dir) {
    return ::access(dir.c_str(), W_OK | X_OK) == 0;
}

} // namespace

std::string TAppPaths::WithSeparator(std::string dir) {
    if (!dir.empty() && dir.back() != '/') {
        dir += '/';
    }
    return dir;
}

std::string TAppPaths::InstalledShareDir(const std::string& executableDir) {
    const std::filesystem::path share =
        std::filesystem::path(executableDir) / SUDOKU_SHARE_DIR_FROM_BIN;
    std::error_code ec;
    if (!std::filesystem::is_directory(share, ec)) {
        return {};
    }
    return WithSeparator(share.lexically_normal().string());
}

std::string TAppPaths::InstalledDesktopEntry(const std::string& executableDir) {
    if (InstalledShareDir(executableDir).empty()) {
        return {};
    }
    const std::filesystem::path entry = std::filesystem::path(executableDir) /
                                        SUDOKU_APPLICATIONS_DIR_FROM_BIN /
                                        (std::string(AppId()) + ".desktop");
    std::error_code ec;
    if (!std::filesystem::is_regular_file(entry, ec)) {
        return {};
    }
    return entry.lexically_normal().string();
}

std::string TAppPaths::InstalledDesktopEntry() {
    return InstalledDesktopEntry(ExecutableDir());
}

std::string_view TAppPaths::AppId() {
    return SUDOKU_APP_ID;
}

std::string TAppPaths::AppDir() {
    std::lock_guard lock(FoldersMutex());
    TFolders& f = Folders();
    if (!f.App) {
        const std::string exeDir = ExecutableDir();
        const std::string share = InstalledShareDir(exeDir);
        f.Installed = !share.empty();
        f.App = f.Installed ? share : WithSeparator(exeDir);
    }
    return *f.App;
}

std::string TAppPaths::ChooseDataDir(const std::string& appDir, bool appDirWritable,
                                     const char* xdgDataHome, const char* home) {
    if (appDirWritable) {
        return WithSeparator(appDir);
    }
    // XDG: a relative XDG_DATA_HOME is invalid and must be ignored.
    if (xdgDataHome != nullptr && xdgDataHome[0] == '/') {
        return WithSeparator(xdgDataHome) + "sudoku-atelier/";
    }
    if (home != nullptr && home[0] != '\0') {
        return WithSeparator(home) + ".local/share/sudoku-atelier/";
    }
    return WithSeparator(appDir); // nowhere better: writes will report their failure
}

std::string TAppPaths::DataDir() {
    const std::string app = AppDir();
    std::lock_guard lock(FoldersMutex());
    TFolders& f = Folders();
    if (!f.Data) {
        // An installed program's folders belong to the package manager, even for root.
        const bool beside = !f.Installed && Writable(app);
        f.Data = ChooseDataDir(app, beside, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
        std::error_code ec;
        std::filesystem::create_directories(*f.Data, ec);
    }
    return *f.Data;
}

std::string TAppPaths::FindResource(std::string_view name) {
    const std::string data = DataDir() + std::string(name);
    std::error_code ec;
    if (std::filesystem::exists(data, ec)) {
        return data;
    }
    return AppDir() + std::string(name);
}

void TAppPaths::SetFolders(std::string appDir, std::string dataDir) {
    std::lock_guard lock(FoldersMutex());
    TFolders& f = Folders();
    f.App = WithSeparator(std::move(appDir));
    f.Installed = false;
    if (dataDir.empty()) {
        f.Data.reset();
    } else {
        f.Data = WithSeparator(std::move(dataDir));
    }
}

void TAppPaths::Reset() {
    std::lock_guard lock(FoldersMutex());
    Folders() = TFolders{};
}

} // namespace sudoku
