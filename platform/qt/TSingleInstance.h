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

    // ServerName is a socket path or a bare name (placed in the runtime folder).
    explicit TSingleInstance(QString serverName, QObject* parent = nullptr);

    // The default name: one socket per login name in the user's runtime folder.
    static QString DefaultServerName();

    // Sends Request to a running copy; true when one took it.
    bool HandOver(const QString& request, int timeoutMs = 1000) const;
    // Starts listening; a stale socket left by a crashed copy is removed first.
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
