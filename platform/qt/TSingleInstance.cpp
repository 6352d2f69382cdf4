// One running copy per user through a local socket. Both ends check that the process at the
// other end runs as this user, so another user can neither take the start over by binding the
// socket's name first nor send requests to the running copy.
#include "TSingleInstance.h"

#include "TLoginName.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QStandardPaths>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sudoku {

namespace {

bool PeerIsThisUser(const QLocalSocket& socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer,
                        &size) == 0 &&
           peer.uid == ::geteuid();
}

} // namespace

TSingleInstance::TSingleInstance(QString serverName, QObject* parent)
    : QObject(parent), Name(std::move(serverName)) {
    connect(&Server, &QLocalServer::newConnection, this, &TSingleInstance::AcceptConnection);
}

QString TSingleInstance::DefaultServerName() {
    // One copy per login name; blanks and separators are kept out of the socket name.
    QString user = QString::fromStdString(TLoginName::Current());
    user.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    // The runtime folder is the user's own (Qt checks its owner and mode); without one, a
    // folder of our own in the temp folder, never the shared temp folder itself.
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) {
        dir = PrivateFolder(
            QDir::temp().filePath(QStringLiteral("sudoku-atelier-%1").arg(::geteuid())));
    }
    if (dir.isEmpty()) {
        return {};
    }
    return QDir(dir).filePath(QStringLiteral("sudoku-atelier-") + user);
}

QString TSingleInstance::PrivateFolder(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    ::mkdir(native.constData(), 0700);
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid() ||
        (st.st_mode & 077) != 0) {
        return {};
    }
    return path;
}

bool TSingleInstance::HandOver(const QString& request, int timeoutMs) const {
    if (Name.isEmpty()) {
        return false;
    }
    QLocalSocket socket;
    socket.connectToServer(Name);
    if (!socket.waitForConnected(timeoutMs)) {
        return false;
    }
    if (!PeerIsThisUser(socket)) {
        socket.abort();
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
    if (Name.isEmpty()) {
        return false;
    }
    Server.setSocketOptions(QLocalServer::UserAccessOption);
    if (Server.listen(Name)) {
        return true;
    }
    // Nobody of ours answered HandOver, so a socket file still there is left over from a crash
    // (or belongs to another user, whose file this user cannot remove from a shared folder).
    if (Server.serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(Name);
        return Server.listen(Name);
    }
    return false;
}

void TSingleInstance::AcceptConnection() {
    while (QLocalSocket* socket = Server.nextPendingConnection()) {
        socket->setParent(this);
        if (!PeerIsThisUser(*socket)) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // Requests are short lines; a client that sends more without a line end is dropped
        // rather than having its bytes kept.
        socket->setReadBufferSize(MaxRequestLine + 1);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                const QByteArray line = socket->readLine(MaxRequestLine + 1).trimmed();
                if (line == ShowRequest) {
                    emit ShowRequested();
                } else if (line == CloseRequest) {
                    emit CloseRequested();
                }
            }
            if (socket->bytesAvailable() > MaxRequestLine) {
                socket->abort();
            }
        });
    }
}

} // namespace sudoku
