// The skinned yes/no question box; at most one is open at a time.
#pragma once

#include "TSkinnedDialog.h"

namespace sudoku {

class TMsgDlgBox : public TSkinnedDialog {
    Q_OBJECT
public:
    explicit TMsgDlgBox(QWidget* owner = nullptr, int layout = 0);
    ~TMsgDlgBox() override;

    // Asks modally; true when closed by the first button. When a question box is open
    // already, that one comes to the front and the answer is false at once.
    static bool MsgDlg(const QString& text, const QString& firstCaption,
                       const QString& secondCaption, QWidget* owner = nullptr, int layout = 0);
    // The question box now open, or none.
    static TMsgDlgBox* OpenBox();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

} // namespace sudoku
