// Wiring of the My SuDoKus page logic to its sheet and to the window.
#include "TMySuDoKusBinding.h"

#include "Levels.h"
#include "TBaseBtn.h"
#include "TDialogAnswerer.h"
#include "TMainForm.h"
#include "TPageRequest.h"
#include "TShellArt.h"

#include <QLabel>
#include <QListWidget>
#include <QStackedWidget>

namespace sudoku {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

QString TMySuDoKusBinding::ProfileFileFilter() {
    return QString::fromLatin1(TShellArt::ProgramTitle) + QStringLiteral(" File (*.rsf)");
}

QString TMySuDoKusBinding::PuzzleLinesFilter() {
    return QStringLiteral("Puzzle lines (*.txt *.sdm)");
}

TMySuDoKusBinding::TMySuDoKusBinding(TMainForm& form)
    : Form(form), PageSheet(new TMySuDoKusSheet(form.Pages, form.ScreenLayout)), Services(form),
      LibraryPage(std::make_unique<TMySuDoKusPage>(*this, Services, form.Shared)) {
    // The page hands the list over in its own order, and selects by position in it.
    PageSheet->MySuDoKusList->setSortingEnabled(false);
    // One row height for all: a long list is laid out without measuring each row.
    PageSheet->MySuDoKusList->setUniformItemSizes(true);
    Connect();
}

TMySuDoKusBinding::~TMySuDoKusBinding() = default;

void TMySuDoKusBinding::Connect() {
    TMySuDoKusSheet& s = *PageSheet;
    TMySuDoKusPage& page = *LibraryPage;
    const auto on = [this](TBaseBtn* button, std::function<void()> handler) {
        connect(button, &TBaseBtn::OnClick, this, [this, handler] { Run(handler); });
    };
    on(s.MySuDoKusRenameBtn, [&page] { page.MySuDoKusRenameBtnClick(); });
    on(s.MySuDoKusDeleteBtn, [&page] { page.MySuDoKusDeleteBtnClick(); });
    on(s.MySuDoKusPlayNSolveBtn, [&page] { page.MySuDoKusPlayNSolveBtnClick(); });
    on(s.MySuDoKusReplayNSolveBtn, [&page] { page.MySuDoKusReplayNSolveBtnClick(); });
    on(s.MySuDoKusEnterNDesignBtn, [&page] { page.MySuDoKusEnterNDesignBtnClick(); });
    on(s.MySuDoKusImportBtn, [&page] { page.MySuDoKusImportBtnClick(); });
    on(s.MySuDoKusExportBtn, [&page] { page.MySuDoKusExportBtnClick(); });
    on(s.MySuDoKusExportAllBtn, [&page] { page.MySuDoKusExportAllBtnClick(); });
    on(s.MySuDoKusBackupAllBtn, [&page] { page.MySuDoKusBackupAllBtnClick(); });
    on(s.MySuDoKusRestoreAllBtn, [&page] { page.MySuDoKusRestoreAllBtnClick(); });
    connect(s.MySuDoKusList, &QListWidget::currentRowChanged, this, [this, &page](int row) {
        if (!Showing)
            Run([&page, row] { page.MySuDoKusListClick(row); });
    });
}

void TMySuDoKusBinding::Run(const std::function<void()>& handler) {
    handler();
    Form.UpdateStatus();
}

// ---- The window's moments -------------------------------------------------------------------

void TMySuDoKusBinding::Entered(bool) {
    LibraryPage->FillMySuDoKusList();
}

void TMySuDoKusBinding::UpdateStatus() {
    LibraryPage->UpdateStatus();
}

void TMySuDoKusBinding::Retranslate() {
    LibraryPage->Retranslate();
}

// ---- Controls ------------------------------------------------------------------------------

void TMySuDoKusBinding::ShowList(const std::vector<std::string>& entries) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(entries.size()));
    for (const std::string& entry : entries)
        items << Q(entry);
    Showing = true;
    PageSheet->MySuDoKusList->clear();
    PageSheet->MySuDoKusList->addItems(items);
    Showing = false;
}

void TMySuDoKusBinding::SelectEntry(int index) {
    Showing = true;
    PageSheet->MySuDoKusList->setCurrentRow(index);
    Showing = false;
}

void TMySuDoKusBinding::ShowDetails(const std::string& text) {
    PageSheet->MySuDoKusDataLbl->setText(TFormServices::Shown(text));
}

void TMySuDoKusBinding::SetEnabled(TMySuDoKusControl control, bool enabled) {
    TMySuDoKusSheet& s = *PageSheet;
    TBaseBtn* button = nullptr;
    switch (control) {
    case TMySuDoKusControl::PlayNSolve:
        button = s.MySuDoKusPlayNSolveBtn;
        break;
    case TMySuDoKusControl::ReplayNSolve:
        button = s.MySuDoKusReplayNSolveBtn;
        break;
    case TMySuDoKusControl::EnterNDesign:
        button = s.MySuDoKusEnterNDesignBtn;
        break;
    case TMySuDoKusControl::Rename:
        button = s.MySuDoKusRenameBtn;
        break;
    case TMySuDoKusControl::Delete:
        button = s.MySuDoKusDeleteBtn;
        break;
    case TMySuDoKusControl::Import:
        button = s.MySuDoKusImportBtn;
        break;
    case TMySuDoKusControl::Export:
        button = s.MySuDoKusExportBtn;
        break;
    case TMySuDoKusControl::ExportAll:
        button = s.MySuDoKusExportAllBtn;
        break;
    case TMySuDoKusControl::BackupAll:
        button = s.MySuDoKusBackupAllBtn;
        break;
    case TMySuDoKusControl::RestoreAll:
        button = s.MySuDoKusRestoreAllBtn;
        break;
    }
    if (button != nullptr && button->isEnabled() != enabled)
        button->setEnabled(enabled);
}

std::string TMySuDoKusBinding::OptionsLevelText(int level) const {
    // The items of the Options page's level list, by their tags.
    return Services.Translate(861 + level, std::string(LevelName(level)));
}

// ---- File dialogs and other pages ----------------------------------------------------------

TFileChoice TMySuDoKusBinding::OpenFileDlg(const std::string& title, const std::string& folder) {
    const TFileDialogAnswer answer =
        Form.Dialogs().FileDlg({.Save = false,
                                .Title = Q(title),
                                .Folder = Q(folder),
                                .Filters = {ProfileFileFilter(), PuzzleLinesFilter()}});
    return {answer.FileName.toStdString(), answer.Filter == 1};
}

TFileChoice TMySuDoKusBinding::SaveFileDlg(const std::string& title, const std::string& folder,
                                           const std::string& fileName) {
    const TFileDialogAnswer answer =
        Form.Dialogs().FileDlg({.Save = true,
                                .Title = Q(title),
                                .Folder = Q(folder),
                                .FileName = Q(fileName),
                                .Filters = {ProfileFileFilter(), PuzzleLinesFilter()}});
    return {answer.FileName.toStdString(), answer.Filter == 1};
}

void TMySuDoKusBinding::OpenRecord(TRecordPage page, const std::string& fileName,
                                   const std::string& section, bool replay) {
    Form.Request(page == TRecordPage::PlayNSolve ? TMainForm::pgPlayNSolve
                                                 : TMainForm::pgEnterNDesign,
                 TPageRequest{.Kind = TPageRequest::Open,
                              .FileName = Q(fileName),
                              .Section = Q(section),
                              .Replay = replay});
}

} // namespace sudoku
