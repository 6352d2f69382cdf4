// The plain pages' questions, texts and time, answered by the main form.
#include "TFormServices.h"

#include "TMainForm.h"
#include "TShellClock.h"

#include <QCoreApplication>

namespace sudoku {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

QString TFormServices::Shown(const std::string& text) {
    return Q(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string TFormServices::EditDlg(const std::string& prompt, const std::string& okCaption,
                                   const std::string& cancelCaption, const std::string& text) {
    return Form.EditDlg(Shown(prompt), Q(okCaption), Q(cancelCaption), Q(text)).toStdString();
}

bool TFormServices::MsgDlg(const std::string& text, const std::string& yesCaption,
                           const std::string& noCaption) {
    return Form.MsgDlg(Shown(text), Q(yesCaption), Q(noCaption));
}

// The box for a file that cannot be written is a message with one button.
void TFormServices::ShowWriteError(const std::string& message) {
    ShowMessage(message);
}

void TFormServices::ShowMessage(const std::string& text) {
    Form.MsgDlg(Shown(text), Form.TranslateText(20, QStringLiteral("Ok")), QString());
}

std::string TFormServices::Translate(int tag, const std::string& english) const {
    return Form.TranslateText(tag, Q(english)).toStdString();
}

void TFormServices::ProcessMessages() {
    QCoreApplication::processEvents();
}

void TFormServices::Delay(int milliseconds) {
    Form.Clock().Delay(milliseconds);
}

double TFormServices::Now() const {
    return Form.Clock().NowDays();
}

} // namespace sudoku
