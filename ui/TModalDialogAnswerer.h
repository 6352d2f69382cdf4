// Answers the window's questions with the skinned modal boxes. A headless run (the offscreen or
// minimal platform) has nobody to answer them: the text goes to standard error and the answer
// is the second button's, so the run goes on.
#pragma once

#include "TDialogAnswerer.h"

class QWidget;

namespace sudoku {

class TModalDialogAnswerer : public TDialogAnswerer {
public:
    explicit TModalDialogAnswerer(QWidget* owner) : Owner(owner) {}
    bool MsgDlg(const QString& text, const QString& firstCaption,
                const QString& secondCaption) override;
    QString EditDlg(const QString& prompt, const QString& firstCaption,
                    const QString& secondCaption, const QString& text) override;

    // True on a platform without a screen, where no box could ever be answered.
    static bool Headless();

private:
    QWidget* Owner;
};

} // namespace sudoku
