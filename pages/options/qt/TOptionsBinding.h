// Binds the Options sheet to the window: its controls keep the shared Options record (level,
// solving aids and their boxes, time limit, display set, screen size) and tell the window
// what follows from a change.
#pragma once

#include "SolveOptions.h"
#include "TOptionsSheet.h"
#include "TShellPage.h"

#include <QObject>
#include <QTime>

namespace sudoku {

class TMainForm;

class TOptionsBinding : public QObject, public TShellPage {
    Q_OBJECT
public:
    explicit TOptionsBinding(TMainForm& form);

    TOptionsSheet& Sheet() override { return *PageSheet; }

private:
    // The record takes the start values the sheet shows.
    void ShareControls();
    // Handlers of the controls.
    void OptionsLevelListChange(int index);
    void OptionsChkBoxClick(TSolveOptions aid, bool checked);
    void OptionsTimeLimitedTimeChange(QTime time);
    void OptionsDisplaySetListChange(int index);
    void OptionsScreenModeListChange(int index);

    TMainForm& Form;
    TOptionsSheet* PageSheet; // owned by the notebook
};

} // namespace sudoku
