// The main window: a borderless, skinned window with a title line, four title buttons, the
// column of page buttons and the four-page notebook. It owns the state of the program; every
// operation is one of its methods, named after the control and event that trigger it.
#pragma once

#include "TSharedState.h"

#include <QPoint>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

class QLabel;
class QStackedWidget;
class QTimer;

namespace sudoku {

class TAboutBox;
class TBaseBtn;
class TBkControl;
class TDialogAnswerer;
class TEnterNDesignSheet;
class TMySuDoKusSheet;
class TOptionsSheet;
class TPlayNSolveSheet;
class TShellClock;

class TMainForm : public QWidget {
    Q_OBJECT
public:
    // Bits of ShellFlags.
    static constexpr std::uint8_t shShowIntro = 2;       // splash at start
    static constexpr std::uint8_t shShowFarewell = 4;    // about window when quitting
    static constexpr std::uint8_t shCreated = 8;         // the window has been created
    static constexpr std::uint8_t shQuitAtActivate = 32; // "/s": quit at the first activation

    // Notebook pages in order.
    enum TPage { pgPlayNSolve = 0, pgEnterNDesign = 1, pgMySuDoKus = 2, pgOptions = 3 };

    explicit TMainForm(std::uint8_t shellFlags = shShowIntro | shShowFarewell,
                       QWidget* parent = nullptr);
    ~TMainForm() override;

    // Seams: who answers the questions, the clock and waits, how web pages are opened.
    void SetDialogAnswerer(std::unique_ptr<TDialogAnswerer> answerer);
    void SetShellClock(std::unique_ptr<TShellClock> clock);
    void SetWebPageOpener(std::function<bool(const QString&)> opener);
    TDialogAnswerer& Dialogs() { return *Answerer; }
    TShellClock& Clock() { return *ShellClock; }

    // The skinned question and name prompt, through the dialog answerer.
    bool MsgDlg(const QString& text, const QString& firstCaption, const QString& secondCaption);
    QString EditDlg(const QString& prompt, const QString& firstCaption,
                    const QString& secondCaption, const QString& text);
    // Lets pending messages run once, then blocks for ms milliseconds.
    void Wait(int ms);

    // Creation and showing.
    void FormCreate();
    void FormShow();
    void FormActivate();
    bool FormCloseQuery();

    // Page buttons and the notebook.
    void PlayNSolveBtnClick();
    void EnterNDesignBtnClick();
    void MySuDoKusBtnClick();
    void OptionsBtnClick();
    // After any page change; a page handler may extend it (and call this one).
    virtual void PagesPageChanged();
    QString ActivePageName() const;

    // Title buttons, the maker's button and quitting.
    void HelpBtnClick();
    void InfoBtnClick();
    void MinimizeBtnClick();
    void HideBtnClick();
    void QuitBtnClick();
    void MarlbrookSBtnClick();
    void ShowAboutBox();

    // Requests from a second start: bring this window to the front, or close it.
    void ShowRunning();
    void CloseRunning();

    // Screen size: Mode is the screen-size setting (0 Automatic .. 4 1024 x 768).
    void ScaleUp(int mode);
    // The screen-size list of the Options page: apply the chosen size and centre the window.
    void OptionsScreenModeListChange();
    int ScaleValue(int x) const;

    // Help page and home page shipped beside the program.
    QString HelpPageAddress() const;
    QString HomePageAddress() const;
    // The settings file that holds the last game and design.
    QString SettingsFileName() const;
    QString LastPlayNSolveSection() const;
    QString LastEnterNDesignSection() const;
    // True while help, about, minimise, the page buttons and quitting must wait.
    bool IsBusy() const;

    // State: what the pages share, and the window's own.
    TSharedState Shared;
    std::uint8_t ShellFlags;
    QString AppDir;
    int ScreenLayout = 0;
    bool AltF4Pressed = false;
    QPoint DragStart; // screen point of a window drag under way
    bool Dragging = false;

    // Controls.
    TBkControl* Background = nullptr;
    QLabel* CaptionLbl = nullptr;
    TBaseBtn* HelpBtn = nullptr;
    TBaseBtn* InfoBtn = nullptr;
    TBaseBtn* MinimizeBtn = nullptr;
    TBaseBtn* HideBtn = nullptr;
    TBaseBtn* PlayNSolveBtn = nullptr;
    TBaseBtn* EnterNDesignBtn = nullptr;
    TBaseBtn* MySuDoKusBtn = nullptr;
    TBaseBtn* OptionsBtn = nullptr;
    TBaseBtn* QuitBtn = nullptr;
    TBaseBtn* MarlbrookSBtn = nullptr;
    QStackedWidget* Pages = nullptr;
    TPlayNSolveSheet* PlayNSolveSheet = nullptr;
    TEnterNDesignSheet* EnterNDesignSheet = nullptr;
    TMySuDoKusSheet* MySuDoKusSheet = nullptr;
    TOptionsSheet* OptionsSheet = nullptr;
    QTimer* Timer = nullptr;
    std::unique_ptr<TAboutBox> AboutBox;

protected:
    // Filled by the page handlers; the window calls them at the moments named.
    // A page's game or design is stored when the page is left and loaded when it is entered.
    virtual void PlayNSolveLoad(const QString& fileName, const QString& section);
    virtual void PlayNSolveSave(const QString& fileName, const QString& section, bool interactive);
    virtual void EnterNDesignLoad(const QString& fileName, const QString& section);
    virtual void EnterNDesignSave(const QString& fileName, const QString& section,
                                  bool interactive);
    virtual void FillMySuDoKusList();
    virtual void UpdateStatus();
    virtual void ApplyOptions();
    virtual void SaveOptions();
    virtual void TimerTimer();
    // A text by number in the language in force, or its English default.
    virtual QString TranslateText(int number, const QString& fallback) const;
    // Gives the page-button group and the page-area buttons the skins of the layout.
    virtual void ApplySkins();

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void ActivatePage(TPage page);
    bool HandleWindowKey(const QKeyEvent& key);
    bool HandleDrag(QWidget* source, const QMouseEvent& mouse);

    std::unique_ptr<TDialogAnswerer> Answerer;
    std::unique_ptr<TShellClock> ShellClock;
    std::function<bool(const QString&)> OpenWebPage;
    bool Shown = false;
    bool CloseConfirmed = false;
};

} // namespace sudoku
