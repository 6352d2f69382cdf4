// Opens an address in the desktop's default browser through xdg-open.
#pragma once

#include <QString>

namespace sudoku {

class TWebPageOpener {
public:
    // Starts the opener with the address as its only argument (never through a shell);
    // true when the program could be started.
    static bool OpenWebPage(const QString& address);
    // The local file beside the program as a file:// address.
    static QString LocalPageAddress(const QString& filePath);
};

} // namespace sudoku
