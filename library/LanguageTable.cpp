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
    LanguageCache::TSection found = LanguageCache::Shared().FindSection(fileName, section, lngId);
    if (!found.Found) {
        return false;
    }
    currentTable_ = std::move(found.TableName);
    table_ = std::move(found.Texts);
    if (table_) {
        tagColumn_ = table_->ColumnIndex(TagColumn);
        captionColumn_ = table_->ColumnIndex(CaptionColumn);
        hintColumn_ = table_->ColumnIndex(HintColumn);
    }
    return true;
}

void LanguageTable::Close() {
    table_.reset();
    currentTable_.clear();
    tagColumn_ = captionColumn_ = hintColumn_ = 0;
}

int LanguageTable::FindTag(int tag) const {
    return table_ ? table_->FindRow(tagColumn_, std::to_string(tag)) : 0;
}

std::optional<TranslatedText> LanguageTable::Lookup(int tag) const {
    const int row = FindTag(tag);
    if (row == 0) {
        return std::nullopt;
    }
    return TranslatedText{Caption(row), Hint(row)};
}

std::string LanguageTable::Caption(int row) const {
    return table_ ? table_->Text(captionColumn_, row) : std::string();
}

std::string LanguageTable::Hint(int row) const {
    return table_ ? table_->Text(hintColumn_, row) : std::string();
}

int LanguageTable::RowCount() const {
    return table_ ? table_->RowCount() : 0;
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
