// The registered uninstaller: its command line is kept in a small file in the user's config
// folder; without that file nothing is started.
#pragma once

#include <QString>
#include <QStringList>

namespace sudoku {

class TUninstaller {
public:
    struct TCommand {
        QString Program;
        QString Parameters;
    };

    // "<config>/sudoku-atelier/UninstallString".
    static QString EntryFileName();
    // The first line of the entry file, or empty when there is none.
    static QString ReadUninstallString(const QString& entryFile = EntryFileName());
    // Splits a command into program and parameters: a leading quoted program ends at its
    // closing quote; otherwise the program ends at the first blank followed by a quote.
    static TCommand SplitCommand(const QString& command);
    // Starts the uninstaller in its own folder; false when there is none or it cannot start.
    static bool RunUninstaller(const QString& entryFile = EntryFileName());
};

} // namespace sudoku
