// The undo history of a game: one string of "col,row=previous|" entries, newest first, in the
// same form the game record stores it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace sudoku {

struct TMoveEntry {
    int Col = 0; // 1-based; 0 when the entry's column was not a number
    int Row = 0; // 1-based; 0 when the entry's row was not a number
    std::string PreviousText;
};

class TMoveHistory {
public:
    const std::string& Text() const { return History; }
    void SetText(std::string text) { History = std::move(text); }
    void Clear() { History.clear(); }
    // Nothing to undo while no entry is terminated by "|".
    bool IsEmpty() const { return History.find('|') == std::string::npos; }

    // Puts the entry in front. A previous text holding "|" or "=" would corrupt every later
    // entry, so such a text is refused and false returned.
    bool Push(int col, int row, std::string_view previousText);
    // Removes the newest entry and returns it parsed; nothing when the history is empty.
    std::optional<TMoveEntry> Pop();

    static TMoveEntry ParseEntry(std::string_view entry);

private:
    std::string History;
};

} // namespace sudoku
