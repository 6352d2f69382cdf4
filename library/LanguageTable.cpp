// Finding the language table and reading captions and hints by tag.
#include "LanguageTable.h"

#include <algorithm>
#include <limits>

namespace sudoku {

std::string LanguageTable::TableNameFor(std::string_view section, std::string_view displayName) {
    return std::string(section) + " (" + std::string(displayName) + ")";
}

bool LanguageTable::Open(const std::filesystem::path& fileName, std::string_view section,
                         int lngId) {
    Close();
    if (!reader_.Open(fileName)) {
        return false;
    }
    const int row = reader_.FindRow(ContentsTable, CountryColumn, std::to_string(lngId));
    if (row == 0) {
        reader_.Close();
        return false;
    }
    currentTable_ = TableNameFor(section, reader_.ReadText(ContentsTable, NameColumn, row));
    table_ = reader_.TableIndex(currentTable_);
    tagColumn_ = reader_.ColumnIndex(table_, TagColumn);
    captionColumn_ = reader_.ColumnIndex(table_, CaptionColumn);
    hintColumn_ = reader_.ColumnIndex(table_, HintColumn);
    return true;
}

void LanguageTable::Close() {
    reader_.Close();
    currentTable_.clear();
    table_ = tagColumn_ = captionColumn_ = hintColumn_ = 0;
}

int LanguageTable::FindTag(int tag) const {
    return reader_.FindRow(table_, tagColumn_, std::to_string(tag));
}

std::optional<TranslatedText> LanguageTable::Lookup(int tag) const {
    const int row = FindTag(tag);
    if (row == 0) {
        return std::nullopt;
    }
    return TranslatedText{Caption(row), Hint(row)};
}

std::string LanguageTable::Caption(int row) const {
    return reader_.ReadText(table_, captionColumn_, row);
}

std::string LanguageTable::Hint(int row) const {
    return reader_.ReadText(table_, hintColumn_, row);
}

int LanguageTable::RowCount() const {
    return table_ == 0 ? 0 : reader_.RowCount(table_);
}

namespace {

// Items from consecutive rows starting at first; rows past the table's end leave the item.
TranslatedItems ConsecutiveRows(const LanguageTable& table, int first, int itemCount) {
    TranslatedItems result;
    for (int i = 0; i < itemCount; ++i) {
        const int row = first + i;
        result.Items.push_back(row >= 1 && row <= table.RowCount()
                                   ? std::optional<std::string>(table.Caption(row))
                                   : std::nullopt);
    }
    return result;
}

} // namespace

TranslatedItems LanguageTable::ListItems(int tag, int itemCount) const {
    TranslatedItems result{
        std::vector<std::optional<std::string>>(static_cast<std::size_t>(std::max(itemCount, 0))),
        std::nullopt};
    if (const int own = FindTag(tag); own != 0) {
        result.Hint = Hint(own); // the control's own row gives its hint, never items
        return result;
    }
    const int first = tag < std::numeric_limits<int>::max() ? FindTag(tag + 1) : 0;
    if (first == 0) {
        return result;
    }
    result = ConsecutiveRows(*this, first, itemCount);
    result.Hint = Hint(first);
    return result;
}

TranslatedItems LanguageTable::RadioGroupItems(int tag, int itemCount) const {
    const int row = FindTag(tag);
    if (row == 0) {
        return TranslatedItems{std::vector<std::optional<std::string>>(
                                   static_cast<std::size_t>(std::max(itemCount, 0))),
                               std::nullopt};
    }
    TranslatedItems result = ConsecutiveRows(*this, row + 1, itemCount);
    result.Hint = Hint(row);
    return result;
}

TranslatedItems LanguageTable::NotebookPages(int tag, int pageCount) const {
    TranslatedItems result;
    for (int page = 0; page < pageCount; ++page) {
        const long long pageTag = static_cast<long long>(page) * 1000 + tag + 1;
        const int row = pageTag > 0 && pageTag <= std::numeric_limits<int>::max()
                            ? FindTag(static_cast<int>(pageTag))
                            : 0;
        result.Items.push_back(row != 0 ? std::optional<std::string>(Caption(row)) : std::nullopt);
    }
    return result;
}

} // namespace sudoku
