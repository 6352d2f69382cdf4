// Test doubles for the main window's seams: queued dialog answers that record the questions,
// an instant clock that records the waits, and a window that records its page hooks.
#pragma once

#include "TDialogAnswerer.h"
#include "TMainForm.h"
#include "TShellClock.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace sudoku::test {

// Answers come from the queues (No and an empty text once they run out).
class TQueuedAnswerer : public TDialogAnswerer {
public:
    bool MsgDlg(const QString& text, const QString& first, const QString& second) override {
        Questions << text;
        Captions << first + QLatin1Char('|') + second;
        return Next(YesNo, false);
    }
    QString EditDlg(const QString& prompt, const QString&, const QString&,
                    const QString&) override {
        Questions << prompt;
        if (WhileEditOpen)
            WhileEditOpen();
        return Next(Texts, QString());
    }
    std::deque<bool> YesNo;
    std::deque<QString> Texts;
    QStringList Questions;
    QStringList Captions;
    std::function<void()> WhileEditOpen; // runs while the text box would be open

private:
    template <typename T> static T Next(std::deque<T>& queue, T otherwise) {
        if (queue.empty())
            return otherwise;
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

class TInstantClock : public TShellClock {
public:
    QDateTime Now() const override { return QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)); }
    void Delay(int ms) override { Delays.push_back(ms); }
    std::vector<int> Delays;
};

// The window with its page hooks recorded as "Name(file,section[,interactive])".
class TRecordingMainForm : public TMainForm {
public:
    using TMainForm::TMainForm;
    QStringList Calls;

protected:
    void PlayNSolveLoad(const QString& file, const QString& section) override {
        Calls << QStringLiteral("PlayNSolveLoad(%1,%2)").arg(file, section);
    }
    void PlayNSolveSave(const QString& file, const QString& section, bool interactive) override {
        Calls << QStringLiteral("PlayNSolveSave(%1,%2,%3)").arg(file, section).arg(interactive);
    }
    void EnterNDesignLoad(const QString& file, const QString& section) override {
        Calls << QStringLiteral("EnterNDesignLoad(%1,%2)").arg(file, section);
    }
    void EnterNDesignSave(const QString& file, const QString& section, bool interactive) override {
        Calls << QStringLiteral("EnterNDesignSave(%1,%2,%3)").arg(file, section).arg(interactive);
    }
    void FillMySuDoKusList() override { Calls << QStringLiteral("FillMySuDoKusList"); }
    void SaveOptions() override { Calls << QStringLiteral("SaveOptions"); }
};

} // namespace sudoku::test
