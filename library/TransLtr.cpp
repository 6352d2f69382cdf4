// Language in force and translation of run-time texts.
#include "TransLtr.h"

#include "LanguageTable.h"
#include "LanguageTexts.h"

namespace sudoku {

namespace {

int& CurrentLngID() {
    static int lngId = TransLtr::English;
    return lngId;
}

std::filesystem::path& CurrentFileName() {
    static std::filesystem::path fileName{std::string(TransLtr::LanguageFile)};
    return fileName;
}

} // namespace

int TransLtr::LngID() {
    return CurrentLngID();
}

void TransLtr::SetLngID(int lngId) {
    CurrentLngID() = lngId;
}

const std::filesystem::path& TransLtr::LanguageFileName() {
    return CurrentFileName();
}

void TransLtr::SetLanguageFileName(std::filesystem::path fileName) {
    CurrentFileName() = std::move(fileName);
}

void TransLtr::ChooseLanguageAtStart(const LanguageLocale& locale,
                                     const std::filesystem::path& appDir) {
    SetLngID(locale.LanguageNumber());
    SetLanguageFileName(appDir / std::string(LanguageFile));
}

std::string TransLtr::TranslateText(int number, std::string_view section,
                                    const std::filesystem::path& fileName,
                                    std::string_view defaultText) {
    LanguageTable table;
    if (!table.Open(fileName, section, LngID())) {
        return std::string(defaultText);
    }
    const int row = table.FindTag(number);
    return row == 0 ? std::string(defaultText) : table.Caption(row);
}

std::string TransLtr::TranslateText(int number, std::string_view defaultText) {
    return TranslateText(number, MainSection, LanguageFileName(), defaultText);
}

std::string TransLtr::TranslateText(int number) {
    return TranslateText(number, LanguageTexts::Default(number));
}

std::string TransLtr::HelpPageAddress(std::string_view addressTemplate, int lngId) {
    constexpr std::string_view Placeholder = "{lngid}";
    std::string address;
    std::size_t start = 0;
    while (true) {
        const std::size_t found = addressTemplate.find(Placeholder, start);
        address += addressTemplate.substr(start, found - start);
        if (found == std::string_view::npos) {
            return address;
        }
        address += std::to_string(lngId);
        start = found + Placeholder.size();
    }
}

} // namespace sudoku
