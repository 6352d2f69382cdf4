// Language list read from the "Contents" table.
#include "LanguageList.h"

#include "LanguageTable.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace sudoku {

namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    const auto folded = [](unsigned char c) { return std::tolower(c); };
    const bool less =
        std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) {
            return folded(static_cast<unsigned char>(x)) < folded(static_cast<unsigned char>(y));
        });
    const bool greater =
        std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), [&](char x, char y) {
            return folded(static_cast<unsigned char>(x)) < folded(static_cast<unsigned char>(y));
        });
    return less || (!greater && a < b);
}

} // namespace

bool LanguageList::Load(const std::filesystem::path& fileName) {
    rows_.clear();
    names_.clear();
    const auto table = LanguageCache::Shared().Find(fileName, LanguageTable::ContentsTable);
    if (!table) {
        // A table file without contents lists nothing, as before; only an unreadable one fails.
        return LanguageCache::Shared().IsTableFile(fileName);
    }
    const int country = table->ColumnIndex(LanguageTable::CountryColumn);
    const int name = table->ColumnIndex(LanguageTable::NameColumn);
    const int code = table->ColumnIndex(LanguageTable::CodeColumn);
    const int rows = table->RowCount();
    rows_.reserve(static_cast<std::size_t>(rows));
    for (int row = 1; row <= rows; ++row) {
        rows_.push_back(
            {table->Text(country, row), table->Text(name, row), table->Text(code, row)});
        if (rows_.back().Code.find('_') == std::string::npos) {
            names_.push_back(rows_.back().DisplayName);
        }
    }
    std::stable_sort(names_.begin(), names_.end(), LessIgnoringCase);
    return true;
}

int LanguageList::SelectedIndex(int lngId) const {
    const std::string wanted = std::to_string(lngId);
    for (const auto& row : rows_) {
        if (row.Country == wanted) {
            const auto found = std::find(names_.begin(), names_.end(), row.DisplayName);
            return found == names_.end() ? -1 : static_cast<int>(found - names_.begin());
        }
    }
    return -1;
}

int LanguageList::LanguageIdFor(std::string_view name, int oldId) const {
    for (const auto& row : rows_) {
        if (row.DisplayName == name) {
            const std::string_view text = row.Country;
            int value = 0;
            const char* begin = text.data();
            if (!text.empty() && text.front() == '+') {
                return oldId;
            }
            const auto result = std::from_chars(begin, begin + text.size(), value);
            return result.ec == std::errc() && result.ptr == begin + text.size() ? value : oldId;
        }
    }
    return oldId;
}

} // namespace sudoku
