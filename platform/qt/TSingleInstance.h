// One running copy per user: a second start hands its request to the first through a local
// socket and ends; the first listens and raises the matching signal.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace sudoku {

class TSingleInstance : public QObject {
    Q_OBJECT
public:
    // Requests a second start can pass to the running copy.
    static constexpr const char* ShowRequest = "show";
    static constexpr const char* CloseRequest = "close";
    // Longest request line a client may send.
    static constexpr qint64 MaxRequestLine = 256;

    // ServerName is a socket path or a bare name (placed in the runtime folder).
    explicit TSingleInstance(QString serverName, QObject* parent = nullptr);

    // The default name: one socket per login name in the user's runtime folder; empty when
    // there is no folder only this user can write to (the program then runs on its own).
    static QString DefaultServerName();
    // `path` when it is, or has just been made, a folder of this user that nobody else can
    // enter or write to; else empty (a link, another user's folder, open permissions).
    static QString PrivateFolder(const QString& path);

    // Sends Request to a running copy of this user; true when one took it.
    bool HandOver(const QString& request, int timeoutMs = 1000) const;
    // Starts listening; a stale socket left by a crashed copy is removed first. Only
    // requests from processes of this user are heeded.
    bool Listen();

signals:
    void ShowRequested();
    void CloseRequested();

private:
    void AcceptConnection();

    QString Name;
    QLocalServer Server;
};

} // namespace sudoku
