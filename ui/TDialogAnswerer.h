// Who answers the window's questions and name prompts: the skinned modal boxes in the program,
// a queue of prepared answers in tests.
#pragma once

#include <QString>

namespace sudoku {

class TDialogAnswerer {
public:
    virtual ~TDialogAnswerer() = default;
    // Yes/no question; true when the first button was chosen.
    virtual bool MsgDlg(const QString& text, const QString& firstCaption,
                        const QString& secondCaption) = 0;
    // Text entry; the edited text when the first button (or Enter) closed it, else empty.
    virtual QString EditDlg(const QString& prompt, const QString& firstCaption,
                            const QString& secondCaption, const QString& text) = 0;
};

} // namespace sudoku
