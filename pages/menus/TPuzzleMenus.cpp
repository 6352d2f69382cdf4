// The shared menus, made once for the window.
#include "TPuzzleMenus.h"

#include "TMainForm.h"
#include "TSolutionsPopupMenu.h"
#include "TSuDoKuGridPopupMenu.h"
#include "TSuDoKuGridsPopupMenu.h"

#include <QStackedWidget>

namespace sudoku {

TPuzzleMenus::TPuzzleMenus(TMainForm& form)
    : QObject(&form), ShapeMenu(new TSuDoKuGridsPopupMenu(&form)),
      SolutionsMenu(new TSolutionsPopupMenu(&form)), GridMenu(new TSuDoKuGridPopupMenu(&form)) {
    connect(form.Pages, &QStackedWidget::currentChanged, this,
            [this](int page) { GridMenu->SetPencilNotesOffered(page == TMainForm::pgPlayNSolve); });
}

} // namespace sudoku
