// The main window: a borderless, skinned window with a title line, four title buttons, the
// column of page buttons and the four-page notebook. It holds what the pages share and calls
// each page through TShellPage at the moments named there; the pages are handed to it.
#pragma once

#include "TDialogAnswerer.h"
#include "TSharedState.h"
#include "TShellPage.h"

#include <QPoint>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QLabel;
class QStackedWidget;
class QTimer;

namespace sudoku {

class TAboutBox;
class TBaseBtn;
class TBkControl;
class TGridPrinter;
class TShellClock;
struct TPageRequest;

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
    static constexpr int PageCount = 4;
    using TPages = std::array<std::unique_ptr<TShellPage>, PageCount>;
    // Makes the four pages in notebook order, once the window's own controls exist.
    using TPageMaker = std::function<TPages(TMainForm& form)>;

    explicit TMainForm(const TPageMaker& makePages,
                       std::uint8_t shellFlags = shShowIntro | shShowFarewell,
                       QWidget* parent = nullptr);
    ~TMainForm() override;

    TShellPage& Page(TPage page) const { return *NotebookPages[page]; }
    TPage ActivePage() const;

    // Seams: who answers the questions, the clock and waits, how web pages are opened.
    void SetDialogAnswerer(std::unique_ptr<TDialogAnswerer> answerer);
    void SetShellClock(std::unique_ptr<TShellClock> clock);
    void SetWebPageOpener(std::function<bool(const QString&)> opener);
    TDialogAnswerer& Dialogs() { return *Answerer; }
    TShellClock& Clock() { return *ShellClock; }
    // Print and Clipboard of both puzzle pages.
    TGridPrinter& GridPrinter() { return *Printer; }

    // The skinned question and name prompt, the colour and font dialogs, through the dialog
    // answerer; the error box of a file that cannot be written.
    bool MsgDlg(const QString& text, const QString& firstCaption, const QString& secondCaption);
    QString EditDlg(const QString& prompt, const QString& firstCaption,
                    const QString& secondCaption, const QString& text);
    std::optional<QColor> ColorDlg(const QColor& colour);
    std::optional<TFontChoice> FontDlg(const TFontChoice& font);
    void ShowWriteError(const QString& message);
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
    // After any page change: a game or design in progress (SuDoKuState tells) is stored in
    // its page's last-state section, and the state emptied.
    void PagesPageChanged();
    QString ActivePageName() const;

    // What pages ask of the window. Request hands a request to the page named, showing that
    // page first for an Open. Then the status refresh of every page, the news that the
    // Options record changed, and a change of login name.
    void Request(TPage page, const TPageRequest& request);
    void UpdateStatus();
    void OptionsChanged();
    // One tick of the main timer (printing runs one on each edge of its rendering).
    void TimerTimer();
    void ChangeUser(const std::string& userName);
    // The settings: ApplyOptions reads the user's ".Options" section and the language in
    // force, translates the window, applies the screen size and has every page show what it
    // keeps; SaveOptions stores the last game or design, writes the section and lets every
    // page save. Start-up, closing, a change of language and a change of user run them.
    void ApplyOptions();
    void SaveOptions();
    // A text by number in the language in force, or its English default.
    QString TranslateText(int number, const QString& fallback) const;
    // Translates one control by its tag again, after its tag changed (or a whole window).
    void TranslateComponents(QWidget* control);
    // A button whose tag changes at run time: the new tag, and its caption and hint in the
    // language in force, or the English ones given where the language file has no row for it.
    void RetagButton(TBaseBtn* button, int tag, const QString& caption, const QString& hint);

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
    int ScaleValue(int x) const;

    // Help page and home page shipped beside the program.
    QString HelpPageAddress() const;
    QString HomePageAddress() const;
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
    QTimer* Timer = nullptr;
    std::unique_ptr<TAboutBox> AboutBox;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void ActivatePage(TPage page);
    // A page button: show the page, tell it, refresh the status.
    void PageBtnClick(TPage page);
    // Stores the game or design that the state flags say a page holds; true when one did.
    bool SaveLastState();
    // Gives the page-button group and the page-area buttons the skins of the layout.
    void ApplySkins();
    // Program title and release, the window caption.
    static QString WindowCaption();
    void ForEachPage(void (TShellPage::*moment)());
    bool HandleWindowKey(const QKeyEvent& key);
    bool HandleDrag(QWidget* source, const QMouseEvent& mouse);

    TPages NotebookPages;
    std::unique_ptr<TDialogAnswerer> Answerer;
    std::unique_ptr<TShellClock> ShellClock;
    std::unique_ptr<TGridPrinter> Printer;
    std::function<bool(const QString&)> OpenWebPage;
    bool Shown = false;
    bool CloseConfirmed = false;
};

} // namespace sudoku
