// Hands the window's Play & Solve moments to the page binding.
#include "TGameMainForm.h"

#include "TLoginName.h"
#include "TPlayNSolveBinding.h"

namespace sudoku {

TGameMainForm::TGameMainForm(std::uint8_t shellFlags, QWidget* parent)
    : TMainForm(shellFlags, parent) {
    Binding = new TPlayNSolveBinding(
        *this, [this](int tag, const QString& english) { return TranslateText(tag, english); });
    // A change of login between ticks: the old user's settings and game are saved under the
    // old name, then the new user's settings are applied.
    TPlayNSolvePage& page = Binding->Page();
    page.CurrentLoginName = [] { return TLoginName::Current(); };
    page.UserChanged = [this](const std::string& newName) {
        SaveOptions();
        Shared.UserName = newName;
        ApplyOptions();
    };
    UpdateStatus();
}

TGameMainForm::~TGameMainForm() = default;

void TGameMainForm::PlayNSolveLoad(const QString& fileName, const QString& section) {
    if (Binding != nullptr)
        Binding->PlayNSolveLoad(fileName, section);
}

void TGameMainForm::PlayNSolveSave(const QString& fileName, const QString& section,
                                   bool interactive) {
    if (Binding != nullptr)
        Binding->PlayNSolveSave(fileName, section, interactive);
}

void TGameMainForm::UpdateStatus() {
    TMainForm::UpdateStatus();
    if (Binding != nullptr)
        Binding->UpdateStatus();
}

void TGameMainForm::SaveOptions() {
    // The game in progress goes into its last-state section with the settings.
    if (Binding != nullptr)
        Binding->SaveLastGame();
    TMainForm::SaveOptions();
}

void TGameMainForm::TimerTimer() {
    TMainForm::TimerTimer();
    if (Binding != nullptr)
        Binding->MainTimerTime();
}

} // namespace sudoku
