// Answers the window's questions with the skinned modal boxes, sized for the window's screen
// layout, and its colour, font and file choices with Qt's dialogs. A headless run (the offscreen or
// minimal platform) has nobody to answer them: the text goes to standard error and the answer
// is the second button's, or a cancel, so the run goes on.
#pragma once

#include "TDialogAnswerer.h"

#include <functional>

class QWidget;

namespace sudoku {

class TModalDialogAnswerer : public TDialogAnswerer {
public:
    // layout tells the screen layout in force when a box opens.
    TModalDialogAnswerer(QWidget* owner, std::function<int()> layout)
        : Owner(owner), Layout(std::move(layout)) {}
    bool MsgDlg(const QString& text, const QString& firstCaption,
                const QString& secondCaption) override;
    QString EditDlg(const QString& prompt, const QString& firstCaption,
                    const QString& secondCaption, const QString& text) override;
    std::optional<QColor> ColorDlg(const QColor& colour) override;
    std::optional<TFontChoice> FontDlg(const TFontChoice& font) override;
    TFileDialogAnswer FileDlg(const TFileDialogRequest& request) override;
    bool PrintDlg(QPrinter& printer) override;

    // True on a platform without a screen, where no box could ever be answered.
    static bool Headless();

private:
    QWidget* Owner;
    std::function<int()> Layout;
};

} // namespace sudoku
