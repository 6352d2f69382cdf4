// Start of the program: hand over to a running copy, the uninstall switch, the splash, the
// main window and its message loop; headless runs write a screenshot of the window and end
// the way every run ends, saving the settings.
#include "AtelierPages.h"
#include "TConsoleAnswerer.h"
#include "TIntroForm.h"
#include "TMainForm.h"
#include "TOptionsBinding.h"
#include "TShellClock.h"
#include "TSingleInstance.h"
#include "TStartOptions.h"
#include "TUninstaller.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QPixmap>
#include <QTextStream>

#include <memory>

namespace {

bool NoDisplay() {
    return qEnvironmentVariableIsEmpty("DISPLAY") &&
           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
           qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// Shows the page asked for through its page button, lets the window settle and saves it; then
// closes the window, which saves the settings. A screen size given for the picture is not
// kept as the user's setting.
int WriteScreenshot(sudoku::TMainForm& form, const QString& fileName, int page, int screenSize) {
    form.SetDialogAnswerer(std::make_unique<sudoku::TConsoleAnswerer>());
    form.show();
    const std::uint8_t storedScreenSize = form.Shared.Options.ScreenSize;
    if (screenSize >= 0) {
        sudoku::OptionsPage(form).Sheet().OptionsScreenModeList->setCurrentIndex(screenSize);
    }
    QCoreApplication::processEvents();
    switch (page) {
    case sudoku::TMainForm::pgEnterNDesign:
        form.EnterNDesignBtnClick();
        break;
    case sudoku::TMainForm::pgMySuDoKus:
        form.MySuDoKusBtnClick();
        break;
    case sudoku::TMainForm::pgOptions:
        form.OptionsBtnClick();
        break;
    default:
        form.PlayNSolveBtnClick();
        break;
    }
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
    }
    const bool saved = form.grab().save(fileName);
    form.Shared.Options.ScreenSize = storedScreenSize;
    form.CloseRunning();
    if (!saved) {
        QTextStream(stderr) << "Unable to write to " << fileName << '\n';
        return 1;
    }
    QTextStream(stdout) << fileName << '\n';
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const bool headless = NoDisplay();
    if (headless) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sudoku-atelier"));

    sudoku::TStartOptions options = sudoku::TStartOptions::Parse(app.arguments().mid(1));
    if (!options.Error.isEmpty()) {
        QTextStream(stderr) << options.Error << "\nUsage: sudoku-atelier [uninstall | /s] "
                            << "[--screenshot FILE [--page 0-3] [--screen-size 0-4]]\n";
        return 2;
    }
    if (headless && options.ScreenshotFile.isEmpty()) {
        options.ScreenshotFile = QStringLiteral("sudoku-atelier-window.png");
    }

    // The window makes the program's folder the current one; fix the name before that.
    if (!options.ScreenshotFile.isEmpty()) {
        options.ScreenshotFile = QFileInfo(options.ScreenshotFile).absoluteFilePath();
    }

    std::unique_ptr<sudoku::TSingleInstance> instance;
    if (options.ScreenshotFile.isEmpty()) {
        instance =
            std::make_unique<sudoku::TSingleInstance>(sudoku::TSingleInstance::DefaultServerName());
        const QString request = options.Uninstall ? sudoku::TSingleInstance::CloseRequest
                                                  : sudoku::TSingleInstance::ShowRequest;
        if (instance->HandOver(request) && !options.Uninstall) {
            return 0;
        }
        if (options.Uninstall) {
            sudoku::TUninstaller::RunUninstaller();
            return 0;
        }
        instance->Listen();
    }

    std::uint8_t shellFlags = sudoku::TMainForm::shShowIntro | sudoku::TMainForm::shShowFarewell;
    if (options.QuitAtStart) {
        shellFlags |= sudoku::TMainForm::shQuitAtActivate;
    }
    sudoku::TMainForm form(&sudoku::MakeAtelierPages, shellFlags);
    if (!options.ScreenshotFile.isEmpty()) {
        return WriteScreenshot(form, options.ScreenshotFile, options.Page, options.ScreenSize);
    }
    QObject::connect(instance.get(), &sudoku::TSingleInstance::ShowRequested, &form,
                     &sudoku::TMainForm::ShowRunning);
    QObject::connect(instance.get(), &sudoku::TSingleInstance::CloseRequested, &form,
                     &sudoku::TMainForm::CloseRunning);

    const std::uint8_t introBits = sudoku::TMainForm::shCreated | sudoku::TMainForm::shShowIntro;
    if ((form.ShellFlags & introBits) == introBits) {
        auto intro = std::make_unique<sudoku::TIntroForm>();
        intro->show();
        QCoreApplication::processEvents();
        form.Clock().Delay(2000);
        intro.reset();
    }
    form.show();
    return QApplication::exec();
}
