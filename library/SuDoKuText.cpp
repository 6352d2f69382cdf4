// Integer parsing and letter-case helpers (ASCII letters; other bytes pass unchanged).
#include "SuDoKuText.h"

#include <cctype>
#include <limits>

namespace sudoku {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::optional<std::uint32_t> ParseHex(std::string_view digits) {
    if (digits.empty() || digits.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (char c : digits) {
        const int d = HexDigit(c);
        if (d < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<std::uint32_t>(d);
    }
    return value;
}

} // namespace

std::optional<std::int32_t> TextToInt(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::optional<std::uint32_t> hex;
    if (text.starts_with('$')) {
        hex = ParseHex(text.substr(1));
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        hex = ParseHex(text.substr(2));
    } else {
        if (text.empty()) {
            return std::nullopt;
        }
        std::int64_t value = 0;
        for (char c : text) {
            if (c < '0' || c > '9') {
                return std::nullopt;
            }
            value = value * 10 + (c - '0');
            if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
                return std::nullopt;
            }
        }
        value = negative ? -value : value;
        if (value > std::numeric_limits<std::int32_t>::max()) {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(value);
    }
    if (!hex) {
        return std::nullopt;
    }
    const auto bits = static_cast<std::int32_t>(*hex);
    return negative ? static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(bits)) : bits;
}

std::int32_t TextToIntDef(std::string_view text, std::int32_t defaultValue) {
    return TextToInt(text).value_or(defaultValue);
}

std::int32_t HexToInt(std::string_view text) {
    const auto value = ParseHex(text.substr(0, 8));
    return value ? static_cast<std::int32_t>(*value) : 0;
}

std::string IntToStrRight(std::int32_t value, int width) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < width) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    }
    return text;
}

std::string ChangeCase(std::string_view text, int mode) {
    std::string out(text);
    switch (mode) {
    case 1:
        for (char& c : out) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        break;
    case 2:
        for (char& c : out) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        break;
    case 3:
        if (!out.empty()) {
            out[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(out[0])));
        }
        break;
    default:
        break;
    }
    return out;
}

std::string TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

} // namespace sudoku
