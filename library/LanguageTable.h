// One translation run: the table of one window section in the language in force, found in the
// language file, and the rules by which controls take their texts from its rows. The tables
// come from the language cache, so a run reads the file only when it changed.
#pragma once

#include "LanguageCache.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sudoku {

struct TranslatedText {
    std::string Caption;
    std::string Hint;
};

// New texts for a list control, a radio group or a notebook: an item without a row keeps
// the text it has.
struct TranslatedItems {
    std::vector<std::optional<std::string>> Items;
    std::optional<std::string> Hint; // set when the rule applied
};

class LanguageTable {
public:
    static constexpr std::string_view ContentsTable = "Contents";
    static constexpr std::string_view CountryColumn = "iCountry";
    static constexpr std::string_view NameColumn = "sCountry";
    static constexpr std::string_view CodeColumn = "sLanguage";
    static constexpr std::string_view TagColumn = "Tag";
    static constexpr std::string_view CaptionColumn = "Caption";
    static constexpr std::string_view HintColumn = "Hint";

    // Section + " (" + display name + ")", e.g. "MainForm (English)".
    static std::string TableNameFor(std::string_view section, std::string_view displayName);

    // Finds the table of the section in language lngId. False when the file cannot be read or
    // the language has no "Contents" row: nothing is translated. A language without a table
    // for the section opens, but finds no tag.
    bool Open(const std::filesystem::path& fileName, std::string_view section, int lngId);
    void Close();
    bool IsOpen() const { return !currentTable_.empty(); }
    const std::string& CurrentTable() const { return currentTable_; }

    // Row of the first entry for tag (table order), 0 when there is none.
    int FindTag(int tag) const;
    std::optional<TranslatedText> Lookup(int tag) const;
    // Texts of a row, empty outside the table.
    std::string Caption(int row) const;
    std::string Hint(int row) const;
    int RowCount() const;

    // List box, combo box, tab set, ticker: when the control's own tag has a row, the items
    // stay and only that row's hint is given; otherwise, when the row of tag + 1 exists, item
    // i takes the caption of the i-th row after it (in table order) and the control the hint
    // of that row.
    TranslatedItems ListItems(int tag, int itemCount) const;
    // Radio group whose tag has a row: item i takes the caption of row + 1 + i.
    TranslatedItems RadioGroupItems(int tag, int itemCount) const;
    // Notebook: page i takes the caption of the row of tag i * 1000 + tag + 1 when it exists.
    TranslatedItems NotebookPages(int tag, int pageCount) const;

private:
    std::shared_ptr<const LanguageCache::Table> table_;
    std::string currentTable_;
    int tagColumn_ = 0;
    int captionColumn_ = 0;
    int hintColumn_ = 0;
};

} // namespace sudoku
