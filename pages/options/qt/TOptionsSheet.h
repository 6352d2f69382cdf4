// The "Options" page of the notebook: colour samples, font, display set, level with its
// solving aids and time limit, language, screen size and the desktop shortcut, each named and
// tagged; its binding connects them.
#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QTimeEdit;

namespace sudoku {

class TBaseBtn;

class TOptionsSheet : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* PageName = "Options";

    TOptionsSheet(QWidget* parent, int layout);

    QLabel* OptionsHeaderLbl = nullptr;
    QLabel* OptionsBackgroundColorLbl = nullptr;
    QLabel* OptionsContrastColorLbl = nullptr;
    QLabel* OptionsRulerColorLbl = nullptr;
    QLabel* OptionsFontLbl = nullptr;
    QLabel* OptionsDisplaySetLbl = nullptr;
    QLabel* OptionsLevelLbl = nullptr;
    QLabel* OptionsLanguageLbl = nullptr;
    QLabel* OptionsScreenSizeLbl = nullptr;
    QLabel* OptionsBackgroundColor = nullptr;
    QLabel* OptionsContrastColor = nullptr;
    QLabel* OptionsRulerColor = nullptr;
    QLabel* OptionsFont = nullptr;
    TBaseBtn* OptionsBackgroundColorBtn = nullptr;
    TBaseBtn* OptionsContrastColorBtn = nullptr;
    TBaseBtn* OptionsRulerColorBtn = nullptr;
    TBaseBtn* OptionsFontBtn = nullptr;
    TBaseBtn* OptionsDefaultOptionsBtn = nullptr;
    QCheckBox* OptionsContrastPuzzleChkBox = nullptr;
    QCheckBox* OptionsShowRulerChkBox = nullptr;
    QCheckBox* OptionsShowHintsChkBox = nullptr;
    QCheckBox* OptionsShowErrorsChkBox = nullptr;
    QCheckBox* OptionsShowAlternativesChkBox = nullptr;
    QCheckBox* OptionsTimeLimitedChkBox = nullptr;
    QCheckBox* OptionsShowProgramShortcutOnDesktopChkBox = nullptr;
    QTimeEdit* OptionsTimeLimitedTime = nullptr;
    QComboBox* OptionsDisplaySetList = nullptr;
    QComboBox* OptionsLevelList = nullptr;
    QComboBox* OptionsLanguageList = nullptr;
    QComboBox* OptionsScreenModeList = nullptr;
};

} // namespace sudoku
