// Declines every question of a run nobody watches: no display, or a screenshot run.
#include "TConsoleAnswerer.h"

#include <QTextStream>

namespace sudoku {

bool TConsoleAnswerer::MsgDlg(const QString& text, const QString&, const QString&) {
    QTextStream(stderr) << text << '\n';
    return false;
}

QString TConsoleAnswerer::EditDlg(const QString& prompt, const QString&, const QString&,
                                  const QString&) {
    QTextStream(stderr) << prompt << '\n';
    return {};
}

std::optional<QColor> TConsoleAnswerer::ColorDlg(const QColor&) {
    return std::nullopt;
}

std::optional<TFontChoice> TConsoleAnswerer::FontDlg(const TFontChoice&) {
    return std::nullopt;
}

TFileDialogAnswer TConsoleAnswerer::FileDlg(const TFileDialogRequest& request) {
    QTextStream(stderr) << request.Title << '\n';
    return {};
}

bool TConsoleAnswerer::PrintDlg(QPrinter&) {
    return false;
}

} // namespace sudoku
