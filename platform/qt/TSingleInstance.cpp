// One running copy per user through a local socket.
#include "TSingleInstance.h"

#include "TLoginName.h"

#include <QDir>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QStandardPaths>

namespace sudoku {

TSingleInstance::TSingleInstance(QString serverName, QObject* parent)
    : QObject(parent), Name(std::move(serverName)) {
    connect(&Server, &QLocalServer::newConnection, this, &TSingleInstance::AcceptConnection);
}

QString TSingleInstance::DefaultServerName() {
    // One copy per login name; blanks and separators are kept out of the socket name.
    QString user = QString::fromStdString(TLoginName::Current());
    user.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) {
        dir = QDir::tempPath();
    }
    return QDir(dir).filePath(QStringLiteral("sudoku-atelier-") + user);
}

bool TSingleInstance::HandOver(const QString& request, int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(Name);
    if (!socket.waitForConnected(timeoutMs)) {
        return false;
    }
    socket.write(request.toUtf8() + '\n');
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return sent;
}

bool TSingleInstance::Listen() {
    if (Server.isListening()) {
        return true;
    }
    Server.setSocketOptions(QLocalServer::UserAccessOption);
    if (Server.listen(Name)) {
        return true;
    }
    // Nobody answered HandOver, so a socket file still there is left over from a crash.
    if (Server.serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(Name);
        return Server.listen(Name);
    }
    return false;
}

void TSingleInstance::AcceptConnection() {
    while (QLocalSocket* socket = Server.nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                const QByteArray line = socket->readLine().trimmed();
                if (line == ShowRequest) {
                    emit ShowRequested();
                } else if (line == CloseRequest) {
                    emit CloseRequested();
                }
            }
        });
    }
}

} // namespace sudoku
