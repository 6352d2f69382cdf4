// Key table, note toggling and the mapping of menu items and strip clicks to keys.
#include "TCellInput.h"

#include "TSuDoKuGrid.h"

#include <algorithm>
#include <array>

namespace sudoku {

namespace {

constexpr std::string_view LetterSet = "ABCDEFGHI";
constexpr std::string_view WordSet = "SINGAPORE";
constexpr std::string_view HighLetters = FixedSymbols.substr(9); // values 10..16

int IndexOf(std::string_view set, int key) {
    const auto pos = set.find(static_cast<char>(key));
    return pos == std::string_view::npos ? 0 : static_cast<int>(pos) + 1;
}

bool IsLetter(int key) {
    return key >= 'A' && key <= 'Z';
}

} // namespace

TKeyAction TCellInput::KeyToAction(int virtualKey, bool ctrl, int displaySet, int gridSize) {
    // A value the grid cannot hold is no value at all: the key acts as if not pressed.
    const auto value = [gridSize](int v) {
        return v >= 1 && v <= gridSize ? TKeyAction{TKeyKind::Value, v} : TKeyAction{};
    };
    if (virtualKey >= '1' && virtualKey <= '9')
        return value(virtualKey - '0');
    if (virtualKey == vk::Delete || virtualKey == vk::Back || virtualKey == vk::Space ||
        virtualKey == vk::Clear)
        return {TKeyKind::Clear, 0};
    if (virtualKey == vk::Pause)
        return ctrl ? TKeyAction{} : TKeyAction{TKeyKind::Pause, 0};

    const bool numeric = displaySet == 0 || displaySet >= 3 || gridSize >= 10;
    const bool numpad = virtualKey >= vk::Numpad1 && virtualKey <= vk::Numpad9;
    if (numpad && (numeric || displaySet == 1))
        return value(virtualKey - vk::Numpad1 + 1);
    if (!IsLetter(virtualKey))
        return {};
    int letter = 0;
    if (numeric)
        letter = IndexOf(HighLetters, virtualKey) == 0 ? 0 : IndexOf(HighLetters, virtualKey) + 9;
    else if (displaySet == 1)
        letter = IndexOf(LetterSet, virtualKey);
    else if (displaySet == 2)
        letter = IndexOf(WordSet, virtualKey);
    return value(letter);
}

std::string TCellInput::ToggleNote(std::string_view notes, int value) {
    const std::string token = std::to_string(value) + ",";
    // Tokens start at the beginning of the text or right after a comma.
    for (std::size_t start = 0; start < notes.size();) {
        const auto comma = notes.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? notes.size() : comma + 1;
        if (notes.substr(start, end - start) == token) {
            std::string result(notes.substr(0, start));
            result.append(notes.substr(end));
            return result;
        }
        start = end;
    }
    std::string result(notes);
    result += token;
    return result;
}

std::string TCellInput::ApplyAction(std::string_view text, TKeyAction action, bool ctrl) {
    switch (action.Kind) {
    case TKeyKind::Clear:
        return {};
    case TKeyKind::Value:
        if (!ctrl)
            return std::to_string(action.Value);
        return ToggleNote(text.find(',') == std::string_view::npos ? std::string_view{} : text,
                          action.Value);
    case TKeyKind::None:
    case TKeyKind::Pause:
        break;
    }
    return std::string(text);
}

std::vector<int> TCellInput::ListValues(std::string_view list, int gridSize) {
    std::vector<int> values;
    for (;;) {
        const auto comma = list.find(',');
        const int v = TextToValue(list.substr(0, comma));
        if (v >= 1 && v <= gridSize)
            values.push_back(v);
        if (comma == std::string_view::npos)
            break;
        list.remove_prefix(comma + 1);
    }
    return values;
}

int TCellInput::ValueKey(int value) {
    if (value >= 1 && value <= 9)
        return '0' + value;
    if (value >= 10 && value <= 16)
        return HighLetters[static_cast<std::size_t>(value - 10)];
    return 0;
}

int TCellInput::MenuItemKey(std::string_view itemName, bool& ctrl) {
    // Names are a kind letter ("N" value, "P" pencil note), a symbol digit and a suffix:
    // "0" clears, "1".."9" are the digits and "A".."G" the values 10..16.
    ctrl = false;
    if (itemName.size() != 3 || (itemName[0] != 'N' && itemName[0] != 'P'))
        return 0;
    ctrl = itemName[0] == 'P';
    const char symbol = itemName[1];
    if (symbol == '0')
        return vk::Delete;
    if (symbol >= '1' && symbol <= '9')
        return symbol;
    if (symbol >= 'A' && symbol <= 'G')
        return ValueKey(symbol - 'A' + 10);
    return 0;
}

std::string TCellInput::MenuItemName(int value, bool note) {
    const char symbol =
        value <= 9 ? static_cast<char>('0' + value) : static_cast<char>('A' + value - 10);
    return {note ? 'P' : 'N', symbol, note ? '2' : '1'};
}

int TCellInput::StripStep(int stripWidth, int gridSize, double scale) {
    return gridSize >= 10 ? stripWidth / gridSize : static_cast<int>(27 * scale);
}

int TCellInput::StripSymbolAt(int x, int stripWidth, int gridSize, double scale) {
    if (x < 0 || gridSize <= 0)
        return 0;
    const int step = StripStep(stripWidth, gridSize, scale);
    if (step <= 0)
        return 0;
    const int symbol = 1 + x / step;
    return symbol <= std::min(gridSize, 16) ? symbol : 0;
}

} // namespace sudoku
