// The main window with the Play & Solve page's handlers in place: loading, saving, the status
// update and the timer of the window reach the page through its binding.
#pragma once

#include "TMainForm.h"

namespace sudoku {

class TPlayNSolveBinding;

class TGameMainForm : public TMainForm {
    Q_OBJECT
public:
    explicit TGameMainForm(std::uint8_t shellFlags = shShowIntro | shShowFarewell,
                           QWidget* parent = nullptr);
    ~TGameMainForm() override;

    TPlayNSolveBinding& PlayNSolve() { return *Binding; }

protected:
    void PlayNSolveLoad(const QString& fileName, const QString& section) override;
    void PlayNSolveSave(const QString& fileName, const QString& section, bool interactive) override;
    void UpdateStatus() override;
    void SaveOptions() override;
    void TimerTimer() override;

private:
    TPlayNSolveBinding* Binding = nullptr; // owned as a Qt child
};

} // namespace sudoku
