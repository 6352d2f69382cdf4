// Language choice from the locale environment.
#include "LanguageLocale.h"

#include "TransLtr.h"

#include <cctype>
#include <cstdlib>
#include <utility>

namespace sudoku {

namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

} // namespace

LanguageLocale LanguageLocale::FromProcess() {
    return LanguageLocale{Variable("LC_ALL"), Variable("LC_MESSAGES"), Variable("LANG"),
                          Variable("LANGUAGE")};
}

std::string LanguageLocale::Code() const {
    const std::string& locale = !All.empty() ? All : !Messages.empty() ? Messages : Lang;
    const bool plain =
        locale.empty() || locale == "C" || locale == "POSIX" || locale.rfind("C.", 0) == 0;
    if (!plain) {
        std::string_view list = Language;
        while (!list.empty()) {
            const std::size_t colon = list.find(':');
            const std::string_view entry = list.substr(0, colon);
            if (!entry.empty()) {
                return std::string(entry);
            }
            list.remove_prefix(colon == std::string_view::npos ? list.size() : colon + 1);
        }
    }
    return locale;
}

int LanguageLocale::NumberForCode(std::string_view code) {
    if (code.size() < 2) {
        return TransLtr::English;
    }
    std::string prefix;
    for (char c : code.substr(0, 2)) {
        prefix += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    constexpr std::pair<std::string_view, int> Numbers[] = {{"nl", TransLtr::Dutch},
                                                            {"fr", TransLtr::French},
                                                            {"it", TransLtr::Italian},
                                                            {"de", TransLtr::German}};
    for (const auto& [language, number] : Numbers) {
        if (prefix == language) {
            return number;
        }
    }
    return TransLtr::English;
}

int LanguageLocale::LanguageNumber() const {
    return NumberForCode(Code());
}

} // namespace sudoku
