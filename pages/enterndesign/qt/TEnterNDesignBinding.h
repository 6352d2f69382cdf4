// Binds the Enter & Design sheet to the window: its enabling without a design, the clock's
// design face on its gauge and status line, and the "Complete" caption, which follows the
// solutions menu both puzzle pages share.
#pragma once

#include "TEnterNDesignSheet.h"
#include "TShellPage.h"

#include <QObject>

namespace sudoku {

class TMainForm;
class TPuzzleMenus;

class TEnterNDesignBinding : public QObject, public TShellPage {
    Q_OBJECT
public:
    TEnterNDesignBinding(TMainForm& form, TPuzzleMenus& menus);

    TEnterNDesignSheet& Sheet() override { return *PageSheet; }
    void UpdateStatus() override;
    void TimerTick() override;

private:
    TMainForm& Form;
    TEnterNDesignSheet* PageSheet; // owned by the notebook
};

} // namespace sudoku
