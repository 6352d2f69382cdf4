// What the command line asks of a start: the first parameter ("uninstall", "/s") and the
// screenshot options used for headless runs and documentation pictures. Other words are
// ignored as they always were; an unknown option ("-" ...) is an error.
#pragma once

#include <QString>
#include <QStringList>

namespace sudoku {

class TStartOptions {
public:
    // Arguments without the program name.
    static TStartOptions Parse(const QStringList& arguments);

    bool Uninstall = false;   // first parameter "uninstall", any case
    bool QuitAtStart = false; // first parameter "/s", any case
    QString ScreenshotFile;   // --screenshot FILE; empty when not asked for
    int Page = 0;             // --page N, 0..3
    int ScreenSize = -1;      // --screen-size N, 0..4 as the Options list; -1 unchanged
    QString Error;            // a malformed or unknown option, for the usage message
};

} // namespace sudoku
