// Answers the window's questions with the skinned modal boxes, or on standard error headless.
#include "TModalDialogAnswerer.h"

#include "TEditDlgBox.h"
#include "TMsgDlgBox.h"

#include <QGuiApplication>
#include <QTextStream>

namespace sudoku {

bool TModalDialogAnswerer::Headless() {
    const QString platform = QGuiApplication::platformName();
    return platform == QStringLiteral("offscreen") || platform == QStringLiteral("minimal");
}

bool TModalDialogAnswerer::MsgDlg(const QString& text, const QString& firstCaption,
                                  const QString& secondCaption) {
    if (Headless()) {
        QTextStream(stderr) << text << '\n';
        return false;
    }
    return TMsgDlgBox::MsgDlg(text, firstCaption, secondCaption, Owner);
}

QString TModalDialogAnswerer::EditDlg(const QString& prompt, const QString& firstCaption,
                                      const QString& secondCaption, const QString& text) {
    if (Headless()) {
        QTextStream(stderr) << prompt << '\n';
        return {};
    }
    return TEditDlgBox::EditDlg(prompt, firstCaption, secondCaption, text, Owner);
}

} // namespace sudoku
