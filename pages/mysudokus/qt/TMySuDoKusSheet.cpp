// The "My SuDoKus" page of the notebook.
#include "TMySuDoKusSheet.h"

#include "TBaseBtn.h"
#include "TFormBuilder.h"
#include "TPageLayout.h"

#include <QLabel>
#include <QListWidget>

namespace sudoku {

TMySuDoKusSheet::TMySuDoKusSheet(QWidget* parent, int layout) : QWidget(parent) {
    setObjectName(QString::fromLatin1(PageName));
    setWindowTitle(QString::fromLatin1(PageName));
    using L = TPageLayout;
    using K = TFormBuilder::TButtonKind;
    const TFormBuilder form(this, layout);

    MySuDoKusHeaderLbl = form.Label(QStringLiteral("MySuDoKusHeaderLbl"), 710,
                                    QStringLiteral("My SuDokus"), L::Header(), 13, true);
    MySuDoKusList = form.ListBox(QStringLiteral("MySuDoKusList"), 0, QRect(0, 26, 212, 150));
    MySuDoKusDataLbl =
        form.Label(QStringLiteral("MySuDoKusDataLbl"), 0, QString(), QRect(0, 184, 401, 117));
    MySuDoKusDataLbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const auto button = [&](const char* name, int tag, const char* caption, const char* hint,
                            int row, int column) {
        return form.Button(QString::fromLatin1(name), tag, QString::fromLatin1(caption),
                           QString::fromLatin1(hint), L::SmallButton(row, row / 3, column),
                           K::Small);
    };
    MySuDoKusPlayNSolveBtn =
        button("MySuDoKusPlayNSolveBtn", 745, "Play & Solve", "Play & Solve current SuDoku", 0, 1);
    MySuDoKusReplayNSolveBtn = button("MySuDoKusReplayNSolveBtn", 750, "Replay & Solve",
                                      "Replay & Solve current SuDoku", 1, 1);
    MySuDoKusEnterNDesignBtn = button("MySuDoKusEnterNDesignBtn", 755, "Enter & Design",
                                      "Enter & Design current SuDoku", 2, 1);
    MySuDoKusRenameBtn = button("MySuDoKusRenameBtn", 720, "Rename", "Rename current SuDoku", 3, 1);
    MySuDoKusDeleteBtn = button("MySuDoKusDeleteBtn", 725, "Delete", "Delete current SuDoku", 4, 1);
    MySuDoKusImportBtn = button("MySuDoKusImportBtn", 730, "Import", "Import SuDoku puzzles", 0, 0);
    MySuDoKusExportBtn =
        button("MySuDoKusExportBtn", 735, "Export", "Export current SuDoku puzzle", 1, 0);
    MySuDoKusExportAllBtn =
        button("MySuDoKusExportAllBtn", 740, "Export All", "Export all SuDoku puzzles", 2, 0);
    MySuDoKusBackupAllBtn = button("MySuDoKusBackupAllBtn", 760, "Backup All",
                                   "Make a backup of My SuDoku puzzles", 3, 0);
    MySuDoKusRestoreAllBtn = button("MySuDoKusRestoreAllBtn", 765, "Restore All",
                                    "Restore My SuDoku puzzles from a previous backup", 4, 0);
    ShowIdleState();
}

void TMySuDoKusSheet::ShowIdleState() {
    const bool selected = MySuDoKusList->currentItem() != nullptr;
    const bool filled = MySuDoKusList->count() > 0;
    for (TBaseBtn* button :
         {MySuDoKusPlayNSolveBtn, MySuDoKusReplayNSolveBtn, MySuDoKusEnterNDesignBtn,
          MySuDoKusRenameBtn, MySuDoKusDeleteBtn, MySuDoKusExportBtn}) {
        button->setEnabled(selected);
    }
    MySuDoKusExportAllBtn->setEnabled(filled);
    MySuDoKusBackupAllBtn->setEnabled(filled);
    MySuDoKusImportBtn->setEnabled(true);
    MySuDoKusRestoreAllBtn->setEnabled(true);
}

} // namespace sudoku
