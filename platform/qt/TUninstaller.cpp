// Reads and starts the registered uninstaller.
#include "TUninstaller.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace sudoku {

QString TUninstaller::EntryFileName() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("sudoku-atelier/UninstallString"));
}

QString TUninstaller::ReadUninstallString(const QString& entryFile) {
    QFile file(entryFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    return QString::fromUtf8(file.readLine()).trimmed();
}

TUninstaller::TCommand TUninstaller::SplitCommand(const QString& command) {
    TCommand result;
    if (command.startsWith(QLatin1Char('"'))) {
        const qsizetype close = command.indexOf(QLatin1Char('"'), 1);
        if (close < 0) {
            result.Program = command.mid(1);
            return result;
        }
        result.Program = command.mid(1, close - 1);
        result.Parameters = command.mid(close + 1).trimmed();
        return result;
    }
    const qsizetype quote = command.indexOf(QStringLiteral(" \""));
    if (quote < 0) {
        result.Program = command;
        return result;
    }
    result.Program = command.left(quote);
    result.Parameters = command.mid(quote + 1);
    return result;
}

bool TUninstaller::RunUninstaller(const QString& entryFile) {
    const QString command = ReadUninstallString(entryFile);
    if (command.isEmpty()) {
        return false;
    }
    const TCommand parts = SplitCommand(command);
    if (parts.Program.isEmpty()) {
        return false;
    }
    // The parameters become an argument list; no shell sees them.
    QProcess process;
    process.setProgram(parts.Program);
    process.setArguments(QProcess::splitCommand(parts.Parameters));
    process.setWorkingDirectory(QFileInfo(parts.Program).absolutePath());
    return process.startDetached();
}

} // namespace sudoku
