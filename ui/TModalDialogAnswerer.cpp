// Answers the window's questions with the skinned modal boxes.
#include "TModalDialogAnswerer.h"

#include "TEditDlgBox.h"
#include "TMsgDlgBox.h"

namespace sudoku {

bool TModalDialogAnswerer::MsgDlg(const QString& text, const QString& firstCaption,
                                  const QString& secondCaption) {
    return TMsgDlgBox::MsgDlg(text, firstCaption, secondCaption, Owner);
}

QString TModalDialogAnswerer::EditDlg(const QString& prompt, const QString& firstCaption,
                                      const QString& secondCaption, const QString& text) {
    return TEditDlgBox::EditDlg(prompt, firstCaption, secondCaption, text, Owner);
}

} // namespace sudoku
