// An answerer that takes no part in printing cancels the print set-up and the save dialog, so
// a window without one never waits on a dialog.
#include "TDialogAnswerer.h"

namespace sudoku {

bool TDialogAnswerer::PrintDlg(QPrinter&) {
    return false;
}

QString TDialogAnswerer::SaveDlg(const QString&, const QString&, const QString&) {
    return {};
}

} // namespace sudoku
