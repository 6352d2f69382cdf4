// A page of the notebook as the window shell sees it: the moments at which the shell calls its
// pages. A page overrides only the moments it takes part in; the shell never names its class.
#pragma once

class QWidget;

namespace sudoku {

struct TPageRequest;

class TShellPage {
public:
    virtual ~TShellPage() = default;

    // The sheet of controls the notebook shows for this page.
    virtual QWidget& Sheet() = 0;

    // The page's button was clicked and the page now shows; wasShowing when it showed already.
    virtual void Entered(bool /*wasShowing*/) {}
    // The window found this page holding a game or design when the page was left or the
    // window closes: store it in the page's last-state section of the settings file.
    virtual void SaveLastState() {}
    // Bring the controls in line with the state (the status refresh every handler ends with).
    virtual void UpdateStatus() {}
    // Once a second, from the main timer.
    virtual void TimerTick() {}

    // Start-up and a change of user: read what the page keeps in the settings file. Closing
    // and before a change of user: write it.
    virtual void LoadSettings() {}
    virtual void SaveSettings() {}
    // The shared Options record changed: show what depends on it.
    virtual void OptionsChanged() {}
    // The language changed: texts the page builds at run time are read again.
    virtual void Retranslate() {}
    // The screen layout changed: what the page sizes by hand follows the new scale.
    virtual void Rescale() {}

    // Another page asks this one to act (see TPageRequest); the shell routes it.
    virtual void Request(const TPageRequest& /*request*/) {}
};

} // namespace sudoku
