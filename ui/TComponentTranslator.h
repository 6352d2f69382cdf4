// Translation of windows and controls by their tags from the language file: captions and
// hints, list items from the rows after a list's tag, notebook page captions, menu items.
#pragma once

#include <string_view>

class QWidget;

namespace sudoku {

class LanguageTable;

class TComponentTranslator {
public:
    // A window and every control and pop-up menu it holds, or a single control, in the table
    // of the section in the language in force. Without a language file, language or table
    // the texts shown stay.
    static void TranslateComponents(QWidget* component, std::string_view section);

private:
    static void TranslateComponent(QWidget* control, const LanguageTable& table);
    static void TranslateMenu(QWidget* menu, const LanguageTable& table);
};

} // namespace sudoku
