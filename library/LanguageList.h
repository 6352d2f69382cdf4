// The languages of the language file's "Contents" table: the names offered in the Options
// page's list, which one the language in force selects, and the number a chosen name gives.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sudoku {

class LanguageList {
public:
    // False when the file is not a readable table file (the list is then empty).
    bool Load(const std::filesystem::path& fileName);

    // Display names of the rows whose "sLanguage" has no '_', sorted without regard to case.
    const std::vector<std::string>& Names() const { return names_; }
    // Index into Names() of the display name of the row whose number is lngId; -1 when that
    // row is missing or not offered.
    int SelectedIndex(int lngId) const;
    // Number of the first row whose display name equals name exactly; oldId when there is
    // none or its number is not a decimal integer.
    int LanguageIdFor(std::string_view name, int oldId) const;

private:
    struct Row {
        std::string Country;
        std::string DisplayName;
        std::string Code;
    };
    std::vector<Row> rows_;
    std::vector<std::string> names_;
};

} // namespace sudoku
