// The main window: creation, showing, page changes, title buttons, dragging and quitting.
#include "TMainForm.h"

#include "LanguageLocale.h"
#include "TAboutBox.h"
#include "TAppPaths.h"
#include "TBaseBtn.h"
#include "TBkControl.h"
#include "TComponentTranslator.h"
#include "TFormBuilder.h"
#include "TGridPrinter.h"
#include "TIntroForm.h"
#include "TLoginName.h"
#include "TModalDialogAnswerer.h"
#include "TPageRequest.h"
#include "TScreenLayout.h"
#include "TShellArt.h"
#include "TSkinPictures.h"
#include "TSuDoKuData.h"
#include "TSystemShellClock.h"
#include "TWebPageOpener.h"
#include "TWriteError.h"
#include "TransLtr.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>

namespace sudoku {

TMainForm::TMainForm(const TPageMaker& makePages, std::uint8_t shellFlags, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      Shared([](int tag, const std::string& english) {
          return TransLtr::TranslateText(tag, english);
      }),
      ShellFlags(shellFlags),
      Answerer(std::make_unique<TModalDialogAnswerer>(this, [this] { return ScreenLayout; })),
      ShellClock(std::make_unique<TSystemShellClock>()),
      Printer(std::make_unique<TGridPrinter>(*this)), OpenWebPage(&TWebPageOpener::OpenWebPage) {
    setObjectName(QStringLiteral("MainForm"));
    AppDir = QString::fromStdString(TAppPaths::AppDir());
    const std::string dataDir = TAppPaths::DataDir();
    Shared.LibraryFile = dataDir + "sudoku.dat";
    Shared.SettingsFile = dataDir + "sudokus.ini";
    BuildControls();
    NotebookPages = makePages(*this);
    for (const auto& page : NotebookPages) {
        Pages->addWidget(&page->Sheet());
    }
    connect(Pages, &QStackedWidget::currentChanged, this, &TMainForm::PagesPageChanged);
    FormCreate();
}

TMainForm::~TMainForm() {
    // Nothing of the window runs once its parts start to go: not its key preview, drag filter,
    // activation handler or timer, nor the notebook's page change.
    qApp->removeEventFilter(this);
    Background->removeEventFilter(this);
    CaptionLbl->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
    Timer->stop();
    Pages->disconnect();
    // The pages go first, with their event filters and connections, while the window, its
    // seams (dialogs, clock, printer) and every control they watch still stand.
    for (auto page = NotebookPages.rbegin(); page != NotebookPages.rend(); ++page) {
        page->reset();
    }
}

void TMainForm::SetDialogAnswerer(std::unique_ptr<TDialogAnswerer> answerer) {
    Answerer = std::move(answerer);
}

void TMainForm::SetShellClock(std::unique_ptr<TShellClock> clock) {
    ShellClock = std::move(clock);
}

void TMainForm::SetWebPageOpener(std::function<bool(const QString&)> opener) {
    OpenWebPage = std::move(opener);
}

bool TMainForm::MsgDlg(const QString& text, const QString& firstCaption,
                       const QString& secondCaption) {
    return Answerer->MsgDlg(text, firstCaption, secondCaption);
}

QString TMainForm::EditDlg(const QString& prompt, const QString& firstCaption,
                           const QString& secondCaption, const QString& text) {
    return Answerer->EditDlg(prompt, firstCaption, secondCaption, text);
}

std::optional<QColor> TMainForm::ColorDlg(const QColor& colour) {
    return Answerer->ColorDlg(colour);
}

std::optional<TFontChoice> TMainForm::FontDlg(const TFontChoice& font) {
    return Answerer->FontDlg(font);
}

void TMainForm::ShowWriteError(const QString& message) {
    MsgDlg(message, TranslateText(20, QStringLiteral("Ok")), QString());
}

void TMainForm::Wait(int ms) {
    QCoreApplication::processEvents();
    ShellClock->Delay(ms);
}

void TMainForm::BuildControls() {
    using K = TFormBuilder::TButtonKind;
    const TFormBuilder form(this, ScreenLayout);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, TFormBuilder::WindowColor());
    setPalette(palette);
    setAutoFillBackground(true);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    setFont(font);
    TScreenLayout::Place(this, QRect(0, 0, 568, 405), ScreenLayout);

    Background = new TBkControl(this);
    form.Adopt(Background, QStringLiteral("Background"), 0, QRect(0, 0, 568, 405));
    Background->Background().SetBrush(Qt::NoBrush);
    Background->Background().SetPen(Qt::NoPen);
    Background->Background().SetImageDrawStyle(idsTopLeft);

    CaptionLbl =
        form.Label(QStringLiteral("CaptionLbl"), 0, QString(), QRect(75, 1, 420, 16), 8, true);
    CaptionLbl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    CaptionLbl->setAttribute(Qt::WA_TranslucentBackground);

    HelpBtn = form.Button(QStringLiteral("HelpBtn"), 901, QStringLiteral("?"),
                          QStringLiteral("Help"), QRect(500, 2, 14, 14), K::Title);
    InfoBtn = form.Button(QStringLiteral("InfoBtn"), 902, QStringLiteral("i"),
                          QStringLiteral("About"), QRect(517, 2, 14, 14), K::Title);
    MinimizeBtn = form.Button(QStringLiteral("MinimizeBtn"), 903, QStringLiteral("_"),
                              QStringLiteral("Minimize"), QRect(534, 2, 14, 14), K::Title);
    HideBtn = form.Button(QStringLiteral("HideBtn"), 904, QStringLiteral("x"),
                          QStringLiteral("Quit"), QRect(551, 2, 14, 14), K::Title);

    const auto pageButton = [&](const char* name, int tag, const char* caption, int y) {
        return form.Button(QString::fromLatin1(name), tag, QString::fromLatin1(caption), QString(),
                           QRect(15, y, 120, 35), K::Large);
    };
    PlayNSolveBtn = pageButton("PlayNSolveBtn", 500, "Play & Solve", 153);
    EnterNDesignBtn = pageButton("EnterNDesignBtn", 600, "Enter & Design", 188);
    MySuDoKusBtn = pageButton("MySuDoKusBtn", 700, "My SuDokus", 223);
    OptionsBtn = pageButton("OptionsBtn", 800, "Options", 258);
    QuitBtn = pageButton("QuitBtn", 900, "Quit", 363);
    MarlbrookSBtn = form.Button(QStringLiteral("MarlbrookSBtn"), 905, QString(),
                                QStringLiteral("Home page"), QRect(288, 31, 130, 40), K::Large);
    MarlbrookSBtn->SetFaceVisible(false);

    Pages = new QStackedWidget(this);
    form.Adopt(Pages, QStringLiteral("Pages"), 0, QRect(157, 94, 401, 301));

    Timer = new QTimer(this);
    Timer->setInterval(1000);
    connect(Timer, &QTimer::timeout, this, &TMainForm::TimerTimer);

    connect(HelpBtn, &TBaseBtn::OnClick, this, &TMainForm::HelpBtnClick);
    connect(InfoBtn, &TBaseBtn::OnClick, this, &TMainForm::InfoBtnClick);
    connect(MinimizeBtn, &TBaseBtn::OnClick, this, &TMainForm::MinimizeBtnClick);
    connect(HideBtn, &TBaseBtn::OnClick, this, &TMainForm::HideBtnClick);
    connect(PlayNSolveBtn, &TBaseBtn::OnClick, this, &TMainForm::PlayNSolveBtnClick);
    connect(EnterNDesignBtn, &TBaseBtn::OnClick, this, &TMainForm::EnterNDesignBtnClick);
    connect(MySuDoKusBtn, &TBaseBtn::OnClick, this, &TMainForm::MySuDoKusBtnClick);
    connect(OptionsBtn, &TBaseBtn::OnClick, this, &TMainForm::OptionsBtnClick);
    connect(QuitBtn, &TBaseBtn::OnClick, this, &TMainForm::QuitBtnClick);
    connect(MarlbrookSBtn, &TBaseBtn::OnClick, this, &TMainForm::MarlbrookSBtnClick);

    // The background and the title line act as the caption bar.
    Background->installEventFilter(this);
    CaptionLbl->installEventFilter(this);
    // Key preview: the window sees keys before its controls.
    qApp->installEventFilter(this);
}

void TMainForm::FormCreate() {
    ShellFlags |= shCreated;
    TransLtr::ChooseLanguageAtStart(LanguageLocale::FromProcess(), AppDir.toStdString());
    setWindowTitle(WindowCaption());
    CaptionLbl->setText(WindowCaption());
    // Window systems append the display name to every title that does not end with it.
    QGuiApplication::setApplicationDisplayName(WindowCaption());
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive) {
                    FormActivate();
                }
            });
    Shared.UserName = TLoginName::Current();
    QDir::setCurrent(AppDir);
    AltF4Pressed = false;
    Dragging = false;
    DragStart = QPoint();
    ScaleUp(0);
    if (ScreenLayout == TScreenLayout::slNone) {
        // A screen too small for any layout keeps the base size, with the base skins.
        ApplySkins();
    }
    ApplyOptions();
    TScreenLayout::CentreOnScreen(this, true);
    Timer->start();
    QCoreApplication::processEvents();
    UpdateStatus();
}

void TMainForm::FormShow() {
    ActivatePage(pgPlayNSolve);
    Page(pgPlayNSolve).Entered(false);
    UpdateStatus();
    QCoreApplication::processEvents();
}

void TMainForm::FormActivate() {
    if ((ShellFlags & shQuitAtActivate) != 0 && !TIntroForm::Exists()) {
        ShellFlags &= static_cast<std::uint8_t>(~shQuitAtActivate);
        QCoreApplication::processEvents();
        HideBtnClick();
        QCoreApplication::processEvents();
    }
}

bool TMainForm::FormCloseQuery() {
    if (HasFlag(Shared.SuDoKuState, sfThinking)) {
        return false;
    }
    // Alt+F4, and any close request not confirmed by the quit action (the window manager
    // takes Alt+F4 itself on most desktops), asks the quit question first.
    if (AltF4Pressed || !CloseConfirmed) {
        AltF4Pressed = false;
        QMetaObject::invokeMethod(this, &TMainForm::QuitBtnClick, Qt::QueuedConnection);
        return false;
    }
    Timer->stop();
    SaveOptions();
    if (QWidget* grabber = QWidget::mouseGrabber()) {
        grabber->releaseMouse();
    }
    return true;
}

bool TMainForm::IsBusy() const {
    return (Shared.SuDoKuState & (sfThinking | sfLoading | sfValidating)) != 0;
}

void TMainForm::ActivatePage(TPage page) {
    Pages->setCurrentIndex(page);
}

TMainForm::TPage TMainForm::ActivePage() const {
    return static_cast<TPage>(Pages->currentIndex());
}

QString TMainForm::ActivePageName() const {
    const QWidget* page = Pages->currentWidget();
    return page != nullptr ? page->windowTitle() : QString();
}

void TMainForm::PageBtnClick(TPage page) {
    if (IsBusy()) {
        return;
    }
    const bool wasShowing = ActivePage() == page;
    ActivatePage(page);
    Page(page).Entered(wasShowing);
    UpdateStatus();
}

void TMainForm::PlayNSolveBtnClick() {
    PageBtnClick(pgPlayNSolve);
}

void TMainForm::EnterNDesignBtnClick() {
    PageBtnClick(pgEnterNDesign);
}

void TMainForm::MySuDoKusBtnClick() {
    PageBtnClick(pgMySuDoKus);
}

void TMainForm::OptionsBtnClick() {
    PageBtnClick(pgOptions);
}

bool TMainForm::SaveLastState() {
    if ((Shared.SuDoKuState & (sfPlaying | sfSolved)) != 0) {
        Page(pgPlayNSolve).SaveLastState();
        return true;
    }
    if (HasFlag(Shared.SuDoKuState, sfDesigning)) {
        Page(pgEnterNDesign).SaveLastState();
        return true;
    }
    return false;
}

void TMainForm::PagesPageChanged() {
    if (SaveLastState()) {
        Shared.SuDoKuState = 0;
    }
}

void TMainForm::Request(TPage page, const TPageRequest& request) {
    if (request.Kind == TPageRequest::Open) {
        ActivatePage(page);
    }
    Page(page).Request(request);
}

void TMainForm::ForEachPage(void (TShellPage::*moment)()) {
    for (const auto& page : NotebookPages) {
        ((*page).*moment)();
    }
}

void TMainForm::UpdateStatus() {
    ForEachPage(&TShellPage::UpdateStatus);
}

void TMainForm::OptionsChanged() {
    ForEachPage(&TShellPage::OptionsChanged);
}

void TMainForm::TimerTimer() {
    ForEachPage(&TShellPage::TimerTick);
}

void TMainForm::ApplyOptions() {
    int lngId = TransLtr::LngID();
    ReadSuDoKuData(Shared.SettingsFile, Shared.UserName, Shared.Options, lngId);
    TransLtr::SetLngID(lngId);
    Shared.SuDoKuState = 0;
    TranslateComponents(this);
    ForEachPage(&TShellPage::Retranslate);
    ScaleUp(Shared.Options.ScreenSize);
    ForEachPage(&TShellPage::LoadSettings);
    ForEachPage(&TShellPage::OptionsChanged);
    setWindowTitle(WindowCaption());
    CaptionLbl->setText(WindowCaption() + QStringLiteral(" - ") +
                        QString::fromStdString(Shared.UserName));
    UpdateStatus();
}

void TMainForm::SaveOptions() {
    SaveLastState();
    try {
        WriteSuDoKuData(Shared.SettingsFile, Shared.UserName, Shared.Options, TransLtr::LngID(),
                        Shared.ShownAids);
    } catch (const TWriteError& error) {
        ShowWriteError(QString::fromStdString(error.what()));
    }
    ForEachPage(&TShellPage::SaveSettings);
    CaptionLbl->setText(WindowCaption());
}

QString TMainForm::WindowCaption() {
    return QString::fromLatin1(TShellArt::ProgramTitle) + QLatin1Char(' ') +
           QString::fromLatin1(TShellArt::ReleaseText);
}

void TMainForm::TranslateComponents(QWidget* control) {
    TComponentTranslator::TranslateComponents(control, TransLtr::MainSection);
}

void TMainForm::RetagButton(TBaseBtn* button, int tag, const QString& caption,
                            const QString& hint) {
    TFormBuilder::SetTag(button, tag);
    TFormBuilder::SetButtonCaption(button, caption);
    button->setToolTip(hint);
    TranslateComponents(button);
}

void TMainForm::ChangeUser(const std::string& userName) {
    // The old user's settings and game are saved under the old name.
    SaveOptions();
    Shared.UserName = userName;
    ApplyOptions();
}

void TMainForm::HelpBtnClick() {
    if (IsBusy()) {
        return;
    }
    OpenWebPage(HelpPageAddress());
    showMinimized();
}

void TMainForm::InfoBtnClick() {
    if (IsBusy()) {
        return;
    }
    ShowAboutBox();
}

void TMainForm::MinimizeBtnClick() {
    if (IsBusy()) {
        return;
    }
    showMinimized();
}

void TMainForm::HideBtnClick() {
    QuitBtnClick();
}

void TMainForm::MarlbrookSBtnClick() {
    OpenWebPage(HomePageAddress());
    showMinimized();
}

void TMainForm::ShowAboutBox() {
    if (!AboutBox) {
        AboutBox = std::make_unique<TAboutBox>(nullptr, ScreenLayout);
        connect(AboutBox.get(), &TAboutBox::HomePageRequested, this,
                &TMainForm::MarlbrookSBtnClick);
    }
    AboutBox->SetLayout(ScreenLayout);
    AboutBox->HideBtn->show();
    AboutBox->show();
    AboutBox->raise();
    AboutBox->activateWindow();
}

void TMainForm::QuitBtnClick() {
    if (IsBusy()) {
        return;
    }
    const QString title = QString::fromLatin1(TShellArt::ProgramTitle);
    const QString text =
        TranslateText(1110,
                      QStringLiteral("Do you really want to close ") + title + QLatin1Char('?')) +
        QStringLiteral("\n\n") +
        TranslateText(1112, QStringLiteral("Click Yes to quit and No to continue."));
    if (!MsgDlg(text, TranslateText(22, QStringLiteral("Yes")),
                TranslateText(23, QStringLiteral("No")))) {
        return;
    }
    hide();
    QCoreApplication::processEvents();
    if ((ShellFlags & shShowFarewell) != 0) {
        ShowAboutBox();
        AboutBox->HideBtn->hide();
        AboutBox->CloseBtn->hide();
        Wait(2000);
        AboutBox->close();
    }
    CloseConfirmed = true;
    if (!close()) {
        // Never leave a hidden window behind that nothing can bring back.
        CloseConfirmed = false;
        show();
    }
}

void TMainForm::ShowRunning() {
    if (isMinimized()) {
        showNormal();
    }
    show();
    raise();
    activateWindow();
}

void TMainForm::CloseRunning() {
    CloseConfirmed = true;
    if (!close()) {
        CloseConfirmed = false;
    }
}

void TMainForm::ScaleUp(int mode) {
    QSize screen(640, 480);
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        screen = primary->geometry().size();
    }
    const int layout =
        TScreenLayout::ChooseLayout(mode, ScreenLayout, screen.width(), screen.height());
    if (layout == ScreenLayout) {
        return;
    }
    ScreenLayout = layout;
    TScreenLayout::Apply(this, ScreenLayout);
    // Placing resets every font to its scaled size: captions that were made smaller to fit
    // are fitted again.
    TFormBuilder::FitCaptions(this);
    ApplySkins();
    ForEachPage(&TShellPage::Rescale);
}

int TMainForm::ScaleValue(int x) const {
    return TScreenLayout::ScaleValue(x, ScreenLayout);
}

void TMainForm::ApplySkins() {
    TSkinPictures& pictures = TSkinPictures::Shared();
    Background->Background().SetImage(pictures.Background(ScreenLayout));
    for (TBaseBtn* button : {PlayNSolveBtn, EnterNDesignBtn, MySuDoKusBtn, OptionsBtn, QuitBtn}) {
        ApplySkin(*button, TSkinKind::LargeButton, ScreenLayout);
    }
    for (TBaseBtn* button : {HelpBtn, InfoBtn, MinimizeBtn, HideBtn}) {
        ApplySkin(*button, TSkinKind::TitleButton, ScreenLayout);
    }
    for (TBaseBtn* button : findChildren<TBaseBtn*>()) {
        if (TScreenLayout::BaseGeometry(button).size() == QSize(85, 15)) {
            ApplySkin(*button, TSkinKind::SmallButton, ScreenLayout);
        }
    }
}

QString TMainForm::HelpPageAddress() const {
    return TWebPageOpener::LocalPageAddress(AppDir + QStringLiteral("help/index.html"));
}

QString TMainForm::HomePageAddress() const {
    return TWebPageOpener::LocalPageAddress(AppDir + QStringLiteral("help/about.html"));
}

QString TMainForm::TranslateText(int number, const QString& fallback) const {
    return QString::fromStdString(TransLtr::TranslateText(number, fallback.toStdString()));
}

void TMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!Shown) {
        Shown = true;
        FormShow();
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    event->setAccepted(FormCloseQuery());
}

void TMainForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        const auto* change = static_cast<const QWindowStateChangeEvent*>(event);
        if (change->oldState().testFlag(Qt::WindowMinimized) && !isMinimized()) {
            // Restored from the task bar: bring the window to the front.
            raise();
            activateWindow();
        }
    }
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == this &&
            HandleWindowKey(static_cast<const QKeyEvent&>(*event))) {
            return true;
        }
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        if (watched == Background || watched == CaptionLbl) {
            return HandleDrag(static_cast<QWidget*>(watched),
                              static_cast<const QMouseEvent&>(*event));
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool TMainForm::HandleWindowKey(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Insert && key.modifiers() == Qt::NoModifier) {
        QuitBtnClick();
        return true;
    }
    if (key.key() == Qt::Key_F4 && key.modifiers() == Qt::AltModifier) {
        AltF4Pressed = true;
        close();
        return true;
    }
    return false;
}

bool TMainForm::HandleDrag(QWidget* source, const QMouseEvent& mouse) {
    const QPoint global = mouse.globalPosition().toPoint();
    switch (mouse.type()) {
    case QEvent::MouseButtonPress:
        if (mouse.button() != Qt::LeftButton) {
            return false;
        }
        Dragging = true;
        DragStart = global;
        source->setCursor(Qt::ClosedHandCursor);
        return true;
    case QEvent::MouseMove:
        if (!Dragging || (mouse.buttons() & Qt::LeftButton) == 0) {
            return false;
        }
        move(pos() + (global - DragStart));
        DragStart = global;
        return true;
    case QEvent::MouseButtonRelease:
        if (!Dragging) {
            return false;
        }
        Dragging = false;
        DragStart = QPoint();
        source->unsetCursor();
        return true;
    default:
        return false;
    }
}

} // namespace sudoku
