// The "Play & Solve" page of the notebook: its grid, symbol strip, labels, gauge and buttons,
// each named and tagged; its binding connects them.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QWidget>

#include <vector>

class QLabel;

namespace sudoku {

class TBaseBtn;
class TPieGauge;
class TSuDoKuGridWidget;

class TPlayNSolveSheet : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* PageName = "Play & Solve";

    TPlayNSolveSheet(QWidget* parent, int layout);
    // Enabling as it stands with no game on the page.
    void ShowIdleState();

    // The buttons in the order of the column and of Tab, with the keys that click them.
    struct TButtonKeys {
        TBaseBtn* Button;
        QList<QKeySequence> Keys;
    };
    const std::vector<TButtonKeys>& Keys() const { return ButtonKeys; }

    QLabel* PlayNSolveHeaderLbl = nullptr;
    QLabel* PlayNSolveFileNameLbl = nullptr;
    QLabel* PlayNSolveLevelLbl = nullptr;
    QLabel* PlayNSolveTimeLbl = nullptr;
    QLabel* PlayNSolveAlternativesLbl = nullptr;
    QWidget* PlayNSolveAlternativesImg = nullptr;
    TSuDoKuGridWidget* PlayNSolveSuDoKuGrid = nullptr;
    QWidget* PlayNSolveDisplaySetImg = nullptr;
    TPieGauge* PlayNSolveGauge = nullptr;
    TBaseBtn* PlayNSolveNewBtn = nullptr;
    TBaseBtn* PlayNSolveSaveBtn = nullptr;
    TBaseBtn* PlayNSolvePrintBtn = nullptr;
    TBaseBtn* PlayNSolveClipboardBtn = nullptr;
    TBaseBtn* PlayNSolvePauseBtn = nullptr;
    TBaseBtn* PlayNSolveRestartBtn = nullptr;
    TBaseBtn* PlayNSolveUndoBtn = nullptr;
    TBaseBtn* PlayNSolveRedoBtn = nullptr;
    TBaseBtn* PlayNSolveHintBtn = nullptr;
    TBaseBtn* PlayNSolveErrorsBtn = nullptr;
    TBaseBtn* PlayNSolveSolutionBtn = nullptr;

private:
    std::vector<TButtonKeys> ButtonKeys;
};

} // namespace sudoku
