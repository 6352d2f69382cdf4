// Opens an address in the desktop's default browser through xdg-open.
#include "TWebPageOpener.h"

#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace sudoku {

bool TWebPageOpener::OpenWebPage(const QString& address) {
    if (address.isEmpty()) {
        return false;
    }
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        return false;
    }
    return QProcess::startDetached(opener, {address});
}

QString TWebPageOpener::LocalPageAddress(const QString& filePath) {
    return QUrl::fromLocalFile(filePath).toString();
}

} // namespace sudoku
