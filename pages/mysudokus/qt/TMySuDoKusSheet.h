// The "My SuDoKus" page of the notebook: the sorted list of stored puzzles, the details text
// and the buttons, each named and tagged; its binding connects them.
#pragma once

#include <QWidget>

class QLabel;
class QListWidget;

namespace sudoku {

class TBaseBtn;

class TMySuDoKusSheet : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* PageName = "My SuDoKus";

    TMySuDoKusSheet(QWidget* parent, int layout);
    // Enabling by the list: entry buttons need a selected entry, Export All and Backup All a
    // non-empty list; Import and Restore All are always there.
    void ShowIdleState();

    QLabel* MySuDoKusHeaderLbl = nullptr;
    QListWidget* MySuDoKusList = nullptr;
    QLabel* MySuDoKusDataLbl = nullptr;
    TBaseBtn* MySuDoKusPlayNSolveBtn = nullptr;
    TBaseBtn* MySuDoKusReplayNSolveBtn = nullptr;
    TBaseBtn* MySuDoKusEnterNDesignBtn = nullptr;
    TBaseBtn* MySuDoKusRenameBtn = nullptr;
    TBaseBtn* MySuDoKusDeleteBtn = nullptr;
    TBaseBtn* MySuDoKusImportBtn = nullptr;
    TBaseBtn* MySuDoKusExportBtn = nullptr;
    TBaseBtn* MySuDoKusExportAllBtn = nullptr;
    TBaseBtn* MySuDoKusBackupAllBtn = nullptr;
    TBaseBtn* MySuDoKusRestoreAllBtn = nullptr;
};

} // namespace sudoku
