// The skinned yes/no question box.
#include "TMsgDlgBox.h"

#include <QPointer>

namespace sudoku {

namespace {
QPointer<TMsgDlgBox> CurrentBox;
}

TMsgDlgBox::TMsgDlgBox(QWidget* owner, int layout) : TSkinnedDialog(owner, 90, layout) {
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
                        const QString& secondCaption, QWidget* owner, int layout) {
    if (TMsgDlgBox* open = OpenBox()) {
        open->raise();
        open->activateWindow();
        return false;
    }
    TMsgDlgBox box(owner, layout);
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
