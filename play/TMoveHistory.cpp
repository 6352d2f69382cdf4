// Push, pop and parse of undo history entries.
#include "TMoveHistory.h"

#include <charconv>

namespace sudoku {

namespace {

// Decimal text to int; anything that is not entirely a number reads as 0.
int DecimalOrZero(std::string_view text) {
    int value = 0;
    const auto* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end)
        return 0;
    return value;
}

} // namespace

bool TMoveHistory::Push(int col, int row, std::string_view previousText) {
    if (previousText.find_first_of("|=") != std::string_view::npos)
        return false;
    std::string entry = std::to_string(col) + "," + std::to_string(row) + "=";
    entry.append(previousText);
    entry += '|';
    History.insert(0, entry);
    return true;
}

std::optional<TMoveEntry> TMoveHistory::Pop() {
    const auto bar = History.find('|');
    if (bar == std::string::npos)
        return std::nullopt;
    TMoveEntry entry = ParseEntry(std::string_view(History).substr(0, bar));
    History.erase(0, bar + 1);
    return entry;
}

TMoveEntry TMoveHistory::ParseEntry(std::string_view entry) {
    TMoveEntry result;
    const auto comma = entry.find(',');
    if (comma == std::string_view::npos) {
        result.Col = DecimalOrZero(entry);
        return result;
    }
    result.Col = DecimalOrZero(entry.substr(0, comma));
    const std::string_view rest = entry.substr(comma + 1);
    const auto equals = rest.find('=');
    if (equals == std::string_view::npos) {
        result.Row = DecimalOrZero(rest);
        return result;
    }
    result.Row = DecimalOrZero(rest.substr(0, equals));
    result.PreviousText = std::string(rest.substr(equals + 1));
    return result;
}

} // namespace sudoku
