// Answers the window's questions with the skinned modal boxes and Qt's dialogs, or on standard
// error headless.
#include "TModalDialogAnswerer.h"

#include "TConsoleAnswerer.h"
#include "TEditDlgBox.h"
#include "TFontColourDialog.h"
#include "TMsgDlgBox.h"

#include <QColorDialog>
#include <QGuiApplication>

namespace sudoku {

bool TModalDialogAnswerer::Headless() {
    const QString platform = QGuiApplication::platformName();
    return platform == QStringLiteral("offscreen") || platform == QStringLiteral("minimal");
}

bool TModalDialogAnswerer::MsgDlg(const QString& text, const QString& firstCaption,
                                  const QString& secondCaption) {
    if (Headless()) {
        return TConsoleAnswerer().MsgDlg(text, firstCaption, secondCaption);
    }
    return TMsgDlgBox::MsgDlg(text, firstCaption, secondCaption, Owner, Layout());
}

QString TModalDialogAnswerer::EditDlg(const QString& prompt, const QString& firstCaption,
                                      const QString& secondCaption, const QString& text) {
    if (Headless()) {
        return TConsoleAnswerer().EditDlg(prompt, firstCaption, secondCaption, text);
    }
    return TEditDlgBox::EditDlg(prompt, firstCaption, secondCaption, text, Owner, Layout());
}

std::optional<QColor> TModalDialogAnswerer::ColorDlg(const QColor& colour) {
    if (Headless()) {
        return TConsoleAnswerer().ColorDlg(colour);
    }
    const QColor chosen = QColorDialog::getColor(colour, Owner);
    return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
}

std::optional<TFontChoice> TModalDialogAnswerer::FontDlg(const TFontChoice& font) {
    if (Headless()) {
        return TConsoleAnswerer().FontDlg(font);
    }
    QFont initial(font.Name);
    initial.setPointSize(8);
    TFontColourDialog dialog(initial, font.Colour, Owner);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return TFontChoice{dialog.SelectedFont().family(), dialog.SelectedColour()};
}

} // namespace sudoku
