// The skinned text-entry box.
#include "TEditDlgBox.h"

#include "TFormBuilder.h"

#include <QLineEdit>
#include <QPointer>

namespace sudoku {

namespace {
QPointer<TEditDlgBox> CurrentBox;
}

TEditDlgBox::TEditDlgBox(QWidget* owner, int layout) : TSkinnedDialog(owner, 55, layout) {
    setObjectName(QStringLiteral("EditDlgBox"));
    Edit = new QLineEdit(this);
    TFormBuilder(this, layout).Adopt(Edit, QStringLiteral("Edit"), 0, QRect(20, 70, 360, 22));
    connect(Edit, &QLineEdit::returnPressed, this, &QDialog::accept);
}

TEditDlgBox::~TEditDlgBox() {
    if (CurrentBox == this) {
        CurrentBox = nullptr;
    }
}

TEditDlgBox* TEditDlgBox::OpenBox() {
    return CurrentBox.data();
}

QString TEditDlgBox::EditDlg(const QString& prompt, const QString& firstCaption,
                             const QString& secondCaption, const QString& text, QWidget* owner,
                             int layout) {
    if (TEditDlgBox* open = OpenBox()) {
        open->raise();
        open->activateWindow();
        return {};
    }
    TEditDlgBox box(owner, layout);
    box.SetTexts(prompt, firstCaption, secondCaption);
    box.Edit->setText(text);
    box.Edit->selectAll();
    return box.exec() == QDialog::Accepted ? box.Edit->text() : QString();
}

void TEditDlgBox::showEvent(QShowEvent* event) {
    CurrentBox = this;
    TSkinnedDialog::showEvent(event);
    Edit->setFocus();
}

void TEditDlgBox::hideEvent(QHideEvent* event) {
    if (CurrentBox == this) {
        CurrentBox = nullptr;
    }
    TSkinnedDialog::hideEvent(event);
}

} // namespace sudoku
