// The skinned yes/no question box.
#include "TMsgDlgBox.h"

#include <QPointer>

namespace sudoku {

namespace {
QPointer<TMsgDlgBox> CurrentBox;
}

TMsgDlgBox::TMsgDlgBox(QWidget* owner) : TSkinnedDialog(owner, 90) {
    setObjectName(QStringLiteral("MsgDlgBox"));
}

TMsgDlgBox::~TMsgDlgBox() {
    if (CurrentBox == this) {
        CurrentBox = nullptr;
    }
}

TMsgDlgBox* TMsgDlgBox::OpenBox() {
    return CurrentBox.data();
}

bool TMsgDlgBox::MsgDlg(const QString& text, const QString& firstCaption,
                        const QString& secondCaption, QWidget* owner) {
    if (TMsgDlgBox* open = OpenBox()) {
        open->raise();
        open->activateWindow();
        return false;
    }
    TMsgDlgBox box(owner);
    box.SetTexts(text, firstCaption, secondCaption);
    return box.exec() == QDialog::Accepted;
}

void TMsgDlgBox::showEvent(QShowEvent* event) {
    CurrentBox = this;
    TSkinnedDialog::showEvent(event);
}

void TMsgDlgBox::hideEvent(QHideEvent* event) {
    if (CurrentBox == this) {
        CurrentBox = nullptr;
    }
    TSkinnedDialog::hideEvent(event);
}

} // namespace sudoku
