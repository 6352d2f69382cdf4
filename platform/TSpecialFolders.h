// Special folders by the index numbers the program has always used for them, mapped to the
// folders a Linux desktop names: the XDG base directories, the user directories of
// user-dirs.dirs, and the system-wide XDG folders for the shared ones.
#pragma once

#include <string>
#include <string_view>

namespace sudoku {

class TSpecialFolders {
public:
    // The answer for an index without a folder here.
    static constexpr std::string_view NoSuchFolder = "DRIVE:\\NO_SUCH_FOLDER\\";
    static constexpr int sfDesktop = 5;
    static constexpr int sfCommonDesktop = 22;
    static constexpr int LastIndex = 29;

    // What the lookup reads: the variables of the user's environment and the text of the
    // user-dirs file.
    struct TEnvironment {
        std::string Home;
        std::string ConfigHome; // XDG_CONFIG_HOME
        std::string DataHome;   // XDG_DATA_HOME
        std::string CacheHome;  // XDG_CACHE_HOME
        std::string StateHome;  // XDG_STATE_HOME
        std::string ConfigDirs; // XDG_CONFIG_DIRS
        std::string DataDirs;   // XDG_DATA_DIRS
        std::string UserDirs;   // the text of $XDG_CONFIG_HOME/user-dirs.dirs
    };
    static TEnvironment CurrentEnvironment();

    // The folder of index 0 to 29 with a trailing '/', or NoSuchFolder. The shared folders
    // (21 to 25) fall back to the user's own when the system has none; there is no desktop
    // shared by all users, so 22 is the user's desktop.
    static std::string GetSpecialFolder(int index);
    static std::string GetSpecialFolder(int index, const TEnvironment& environment);

    // A folder of user-dirs.dirs (key e.g. "XDG_DESKTOP_DIR") with "$HOME" expanded; empty
    // when the key is missing or its value is neither absolute nor under $HOME.
    static std::string UserDir(std::string_view userDirs, std::string_view key,
                               std::string_view home);
};

} // namespace sudoku
