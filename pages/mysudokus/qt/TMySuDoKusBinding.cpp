// Wiring of the My SuDoKus sheet to the window.
#include "TMySuDoKusBinding.h"

#include "TMainForm.h"

#include <QStackedWidget>

namespace sudoku {

TMySuDoKusBinding::TMySuDoKusBinding(TMainForm& form)
    : PageSheet(new TMySuDoKusSheet(form.Pages, form.ScreenLayout)) {}

void TMySuDoKusBinding::UpdateStatus() {
    PageSheet->ShowIdleState();
}

} // namespace sudoku
