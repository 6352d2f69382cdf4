// Translation of texts by number from the language file, and the language in force.
#pragma once

#include "LanguageLocale.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace sudoku {

class TransLtr {
public:
    static constexpr int English = 44;
    static constexpr int Dutch = 31;
    static constexpr int French = 33;
    static constexpr int Italian = 39;
    static constexpr int German = 49;
    static constexpr std::string_view MainSection = "MainForm";
    static constexpr std::string_view AboutSection = "AboutBox";
    static constexpr std::string_view EditDialogSection = "EditDlgBox";
    static constexpr std::string_view MessageDialogSection = "MsgDlgBox";
    static constexpr std::string_view LanguageFile = "SuDoku.lng";

    // The number of the language in force; English until the start-up choice or the settings
    // change it.
    static int LngID();
    static void SetLngID(int lngId);
    // The language file: the program folder + "SuDoku.lng" once ChooseLanguageAtStart ran.
    static const std::filesystem::path& LanguageFileName();
    static void SetLanguageFileName(std::filesystem::path fileName);

    // Start-up: LngID from the locale, LanguageFileName from the program folder.
    static void ChooseLanguageAtStart(const LanguageLocale& locale,
                                      const std::filesystem::path& appDir);

    // The caption of the row for number in the section's table of the language in force
    // (also when it is empty), or defaultText when the file, the language, the table or the
    // row is missing. The file is opened and closed by every call.
    static std::string TranslateText(int number, std::string_view section,
                                     const std::filesystem::path& fileName,
                                     std::string_view defaultText);
    // The same in the main window's section of LanguageFileName().
    static std::string TranslateText(int number, std::string_view defaultText);
    // The same with the built-in English text of a run-time number as the default.
    static std::string TranslateText(int number);

    // Fills the help-page address template (text 6): "{lngid}" becomes the language number.
    static std::string HelpPageAddress(std::string_view addressTemplate, int lngId);
};

} // namespace sudoku
