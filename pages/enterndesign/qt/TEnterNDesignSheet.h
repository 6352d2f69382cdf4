// The "Enter & Design" page of the notebook: its grid, symbol strip, mode and validity
// labels, gauge and buttons, each named and tagged; its binding connects them.
#pragma once

#include <QWidget>

class QLabel;

namespace sudoku {

class TBaseBtn;
class TPieGauge;
class TSuDoKuGridWidget;

class TEnterNDesignSheet : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* PageName = "Enter & Design";

    TEnterNDesignSheet(QWidget* parent, int layout);
    // Enabling as it stands with no design on the page.
    void ShowIdleState();

    QLabel* EnterNDesignHeaderLbl = nullptr;
    QLabel* EnterNDesignFileNameLbl = nullptr;
    QLabel* EnterNDesignStatusLbl = nullptr;
    QLabel* EnterNDesignValidateLbl = nullptr;
    QLabel* EnterNDesignAlternativesLbl = nullptr;
    QWidget* EnterNDesignAlternativesImg = nullptr;
    TSuDoKuGridWidget* EnterNDesignSuDoKuGrid = nullptr;
    QWidget* EnterNDesignDisplaySetImg = nullptr;
    TPieGauge* EnterNDesignGauge = nullptr;
    TBaseBtn* EnterNDesignNewBtn = nullptr;
    TBaseBtn* EnterNDesignSaveBtn = nullptr;
    TBaseBtn* EnterNDesignPlayNSolveBtn = nullptr;
    TBaseBtn* EnterNDesignPrintBtn = nullptr;
    TBaseBtn* EnterNDesignClipboardBtn = nullptr;
    TBaseBtn* EnterNDesignModeBtn = nullptr;
    TBaseBtn* EnterNDesignCheckPuzzleBtn = nullptr;
    TBaseBtn* EnterNDesignGenerateBtn = nullptr;
    TBaseBtn* EnterNDesignPuzzleBtn = nullptr;
    TBaseBtn* EnterNDesignCompleteBtn = nullptr;
};

} // namespace sudoku
