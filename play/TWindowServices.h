// What the plain pages ask of the window besides their own controls: the name and yes/no
// questions, the message boxes, texts in the language in force, the message loop and time.
// The Qt layer implements it once; tests fake it.
#pragma once

#include <string>

namespace sudoku {

class TWindowServices {
public:
    virtual ~TWindowServices() = default;

    // Dialogs: text entry (empty unless confirmed) and yes/no; the write-error box and a
    // message with one button. Texts may break lines with CR LF.
    virtual std::string EditDlg(const std::string& prompt, const std::string& okCaption,
                                const std::string& cancelCaption, const std::string& text) = 0;
    virtual bool MsgDlg(const std::string& text, const std::string& yesCaption,
                        const std::string& noCaption) = 0;
    virtual void ShowWriteError(const std::string& message) = 0;
    virtual void ShowMessage(const std::string& text) = 0;

    // Translated text by tag, with its English default.
    virtual std::string Translate(int tag, const std::string& english) const = 0;

    // The message loop and time: handle pending events, block for a while, the moment now
    // (days since 30 December 1899).
    virtual void ProcessMessages() = 0;
    virtual void Delay(int milliseconds) = 0;
    virtual double Now() const = 0;
};

} // namespace sudoku
