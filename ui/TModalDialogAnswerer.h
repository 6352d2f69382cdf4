// Answers the window's questions with the skinned modal boxes.
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

private:
    QWidget* Owner;
};

} // namespace sudoku
