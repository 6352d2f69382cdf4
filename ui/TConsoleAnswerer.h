// Answers the window's questions in a run without a display: nobody can answer, so every
// question is declined and every dialog cancelled; what it said goes to the error output.
#pragma once

#include "TDialogAnswerer.h"

namespace sudoku {

class TConsoleAnswerer : public TDialogAnswerer {
public:
    bool MsgDlg(const QString& text, const QString& firstCaption,
                const QString& secondCaption) override;
    QString EditDlg(const QString& prompt, const QString& firstCaption,
                    const QString& secondCaption, const QString& text) override;
    std::optional<QColor> ColorDlg(const QColor& colour) override;
    std::optional<TFontChoice> FontDlg(const TFontChoice& font) override;
    TFileDialogAnswer FileDlg(const TFileDialogRequest& request) override;
    bool PrintDlg(QPrinter& printer) override;
};

} // namespace sudoku
