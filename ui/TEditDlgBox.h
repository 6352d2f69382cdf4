// The skinned text-entry box; at most one is open at a time.
#pragma once

#include "TSkinnedDialog.h"

class QLineEdit;

namespace sudoku {

class TEditDlgBox : public TSkinnedDialog {
    Q_OBJECT
public:
    explicit TEditDlgBox(QWidget* owner = nullptr, int layout = 0);
    ~TEditDlgBox() override;

    // Asks modally for a text; the edited text when closed by the first button or Enter,
    // else empty. When an entry box is open already, that one comes to the front and the
    // answer is empty at once.
    static QString EditDlg(const QString& prompt, const QString& firstCaption,
                           const QString& secondCaption, const QString& text,
                           QWidget* owner = nullptr, int layout = 0);
    static TEditDlgBox* OpenBox();

    QLineEdit* Edit = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

} // namespace sudoku
