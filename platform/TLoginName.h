// The login name of the user running the program, which prefixes every per-user section.
#pragma once

#include <string>
#include <string_view>

namespace sudoku {

class TLoginName {
public:
    static constexpr std::string_view DefaultUser = "Default User";

    // The account name of the effective user (password database), else getlogin(), else the
    // USER variable, else "Default User".
    static std::string Current();

    // The first non-empty candidate, in order; "Default User" when all are empty.
    static std::string Choose(std::string_view account, std::string_view login,
                              std::string_view environment);
};

} // namespace sudoku
