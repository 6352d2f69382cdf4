// Login name lookup on POSIX systems.
#include "TLoginName.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace sudoku {

std::string TLoginName::Choose(std::string_view account, std::string_view login,
                               std::string_view environment) {
    for (std::string_view name : {account, login, environment}) {
        if (!name.empty()) {
            return std::string(name);
        }
    }
    return std::string(DefaultUser);
}

std::string TLoginName::Current() {
    std::string account;
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_name != nullptr) {
        account = found->pw_name;
    }
    const char* login = account.empty() ? ::getlogin() : nullptr;
    const char* user = std::getenv("USER");
    return Choose(account, login != nullptr ? login : "", user != nullptr ? user : "");
}

} // namespace sudoku
