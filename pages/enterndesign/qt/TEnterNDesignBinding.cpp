// Wiring of the Enter & Design sheet to the window and the shared menus.
#include "TEnterNDesignBinding.h"

#include "TBaseBtn.h"
#include "TMainForm.h"
#include "TPieGauge.h"
#include "TPuzzleMenus.h"
#include "TSolutionsPopupMenu.h"

#include <QLabel>
#include <QStackedWidget>

namespace sudoku {

TEnterNDesignBinding::TEnterNDesignBinding(TMainForm& form, TPuzzleMenus& menus)
    : Form(form), PageSheet(new TEnterNDesignSheet(form.Pages, form.ScreenLayout)) {
    // An emptied solutions menu leaves nothing to choose: "Complete" acts at once again.
    connect(&menus.Solutions(), &TSolutionsPopupMenu::SolutionsChanged, this, [this](int count) {
        if (count == 0)
            PageSheet->EnterNDesignCompleteBtn->SetCaption(
                Form.TranslateText(660, QStringLiteral("Complete")));
    });
}

void TEnterNDesignBinding::UpdateStatus() {
    if (Form.Shared.SuDoKuState == 0)
        PageSheet->ShowIdleState();
}

void TEnterNDesignBinding::TimerTick() {
    // The clock animates this face while the engine works on a design.
    const TClockFace& face = Form.Shared.Clock.DesignFace;
    PageSheet->EnterNDesignGauge->SetProgress(face.GaugePosition);
    PageSheet->EnterNDesignGauge->SetColor(Qt::black);
    PageSheet->EnterNDesignGauge->setVisible(face.GaugeVisible);
    if (HasFlag(Form.Shared.SuDoKuState, sfThinking | sfDesigning) && !face.Caption.empty())
        PageSheet->EnterNDesignStatusLbl->setText(QString::fromStdString(face.Caption));
}

} // namespace sudoku
