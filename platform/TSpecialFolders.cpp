// Special folders from the XDG base directories and the user-dirs file.
#include "TSpecialFolders.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace sudoku {

namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

std::string WithSlash(std::string dir) {
    if (!dir.empty() && dir.back() != '/') {
        dir += '/';
    }
    return dir;
}

// An XDG base directory: the variable when it holds an absolute path, else home + fallback.
std::string BaseDir(const std::string& variable, const std::string& home,
                    std::string_view fallback) {
    if (!variable.empty() && variable.front() == '/') {
        return WithSlash(variable);
    }
    return home.empty() ? std::string() : WithSlash(home) + std::string(fallback);
}

// The first absolute entry of a colon-separated list, else the fallback.
std::string FirstDir(const std::string& list, std::string_view fallback) {
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t colon = list.find(':', start);
        const std::string entry =
            list.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
        if (!entry.empty() && entry.front() == '/') {
            return WithSlash(entry);
        }
        if (colon == std::string::npos) {
            break;
        }
        start = colon + 1;
    }
    return std::string(fallback);
}

std::string Under(const std::string& dir, std::string_view sub) {
    return dir.empty() ? std::string() : dir + std::string(sub);
}

} // namespace

TSpecialFolders::TEnvironment TSpecialFolders::CurrentEnvironment() {
    TEnvironment env{
        Env("HOME"),           Env("XDG_CONFIG_HOME"), Env("XDG_DATA_HOME"), Env("XDG_CACHE_HOME"),
        Env("XDG_STATE_HOME"), Env("XDG_CONFIG_DIRS"), Env("XDG_DATA_DIRS"), {}};
    const std::string config = BaseDir(env.ConfigHome, env.Home, ".config/");
    if (!config.empty()) {
        std::ifstream file(config + "user-dirs.dirs");
        std::ostringstream text;
        text << file.rdbuf();
        env.UserDirs = text.str();
    }
    return env;
}

std::string TSpecialFolders::UserDir(std::string_view userDirs, std::string_view key,
                                     std::string_view home) {
    std::size_t start = 0;
    while (start < userDirs.size()) {
        const std::size_t end = userDirs.find('\n', start);
        std::string_view line = userDirs.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        start = end == std::string_view::npos ? userDirs.size() : end + 1;
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) {
            line.remove_prefix(1);
        }
        if (line.substr(0, key.size()) != key || line.substr(key.size(), 1) != "=") {
            continue;
        }
        std::string_view value = line.substr(key.size() + 1);
        while (!value.empty() && (value.back() == '\r' || value.back() == ' ')) {
            value.remove_suffix(1);
        }
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        constexpr std::string_view HomeVariable = "$HOME";
        if (value.substr(0, HomeVariable.size()) == HomeVariable &&
            (value.size() == HomeVariable.size() || value[HomeVariable.size()] == '/')) {
            if (home.empty()) {
                return {};
            }
            return WithSlash(std::string(home) + std::string(value.substr(HomeVariable.size())));
        }
        return !value.empty() && value.front() == '/' ? WithSlash(std::string(value))
                                                      : std::string();
    }
    return {};
}

std::string TSpecialFolders::GetSpecialFolder(int index) {
    return GetSpecialFolder(index, CurrentEnvironment());
}

std::string TSpecialFolders::GetSpecialFolder(int index, const TEnvironment& env) {
    const std::string home =
        env.Home.empty() || env.Home.front() != '/' ? std::string() : WithSlash(env.Home);
    const std::string config = BaseDir(env.ConfigHome, home, ".config/");
    const std::string data = BaseDir(env.DataHome, home, ".local/share/");
    // A user directory missing from the file is the home folder, except the desktop.
    const auto userDir = [&](std::string_view key, std::string_view fallback) {
        const std::string dir = UserDir(env.UserDirs, key, env.Home);
        return !dir.empty() ? dir : Under(home, fallback);
    };
    std::string folder;
    switch (index) {
    case 2: // AppData
        folder = config;
        break;
    case 3: // Cache
        folder = BaseDir(env.CacheHome, home, ".cache/");
        break;
    case sfDesktop:
    case sfCommonDesktop: // no desktop is shared by all users
        folder = userDir("XDG_DESKTOP_DIR", "Desktop/");
        break;
    case 7: // Fonts
        folder = Under(data, "fonts/");
        break;
    case 9: // Local AppData
        folder = data;
        break;
    case 10: // Local Settings
        folder = BaseDir(env.StateHome, home, ".local/state/");
        break;
    case 11: // My Pictures
        folder = userDir("XDG_PICTURES_DIR", "");
        break;
    case 13: // Personal
        folder = userDir("XDG_DOCUMENTS_DIR", "");
        break;
    case 15: // Programs
    case 18: // Start Menu
        folder = Under(data, "applications/");
        break;
    case 19: // Startup
        folder = Under(config, "autostart/");
        break;
    case 20: // Templates
        folder = userDir("XDG_TEMPLATES_DIR", "");
        break;
    case 21: // Common AppData
        folder = FirstDir(env.ConfigDirs, "/etc/xdg/");
        break;
    case 23: // Common Programs
    case 24: // Common Start Menu
        folder = FirstDir(env.DataDirs, "/usr/local/share/") + "applications/";
        break;
    case 25: // Common Startup
        folder = FirstDir(env.ConfigDirs, "/etc/xdg/") + "autostart/";
        break;
    case 26: // Program Files
        folder = "/opt/";
        break;
    case 28: // the system folder
        folder = "/usr/lib/";
        break;
    case 29: // the operating system's folder
        folder = "/";
        break;
    default: // 0, 1, 4, 6, 8, 12, 14, 16, 17 have no counterpart; 27 never has a folder
        break;
    }
    return folder.empty() ? std::string(NoSuchFolder) : folder;
}

} // namespace sudoku
