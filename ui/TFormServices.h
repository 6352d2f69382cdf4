// The window's services for the plain pages, through the main form: its dialogs behind the
// dialog seam, its language, the message loop and its clock.
#pragma once

#include "TWindowServices.h"

#include <QString>

namespace sudoku {

class TMainForm;

class TFormServices : public TWindowServices {
public:
    explicit TFormServices(TMainForm& form) : Form(form) {}

    std::string EditDlg(const std::string& prompt, const std::string& okCaption,
                        const std::string& cancelCaption, const std::string& text) override;
    bool MsgDlg(const std::string& text, const std::string& yesCaption,
                const std::string& noCaption) override;
    void ShowWriteError(const std::string& message) override;
    void ShowMessage(const std::string& text) override;
    std::string Translate(int tag, const std::string& english) const override;
    void ProcessMessages() override;
    void Delay(int milliseconds) override;
    double Now() const override;

    // A text of a page for the screen: its CR LF line ends as Qt breaks lines.
    static QString Shown(const std::string& text);

private:
    TMainForm& Form;
};

} // namespace sudoku
