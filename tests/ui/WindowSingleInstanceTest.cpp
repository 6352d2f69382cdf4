// The Qt platform pieces: the single instance, programs started without a shell, the screen
// layout chosen for the screen, and the start options.
#include "TScreenLayout.h"
#include "TSingleInstance.h"
#include "TStartOptions.h"
#include "TUninstaller.h"
#include "TWebPageOpener.h"
#include "UiTestSupport.h"

#include <csignal>
#include <cstring>
#include <memory>
#include <string>
#include <tuple>

#include <QDir>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sudoku {
namespace {

// A second start hands its request to the first; a socket file left by a crashed copy is
// replaced and unknown requests are ignored.
TEST(WindowSingleInstance, SecondStartHandsItsRequestToTheFirstInAFolderOnlyThisUserOwns) {
    QTemporaryDir runtime;
    const QString name = runtime.filePath(QStringLiteral("s"));
    ASSERT_TRUE(test::WriteFile(name, {}));
    TSingleInstance running(name);
    EXPECT_FALSE(running.HandOver(TSingleInstance::ShowRequest, 200)); // nobody listens
    ASSERT_TRUE(running.Listen());
    QSignalSpy shown(&running, &TSingleInstance::ShowRequested);
    QSignalSpy closed(&running, &TSingleInstance::CloseRequested);
    EXPECT_TRUE(TSingleInstance(name).HandOver(TSingleInstance::ShowRequest));
    EXPECT_TRUE(shown.wait(2000));
    EXPECT_TRUE(TSingleInstance(name).HandOver(QStringLiteral("format c:")));
    EXPECT_TRUE(TSingleInstance(name).HandOver(TSingleInstance::CloseRequest));
    EXPECT_TRUE(closed.wait(2000));
    // A client that sends no line end is dropped past the longest request.
    QLocalSocket flood;
    QSignalSpy dropped(&flood, &QLocalSocket::disconnected);
    flood.connectToServer(name);
    ASSERT_TRUE(flood.waitForConnected(1000));
    flood.write(QByteArray(1 << 20, 's'));
    EXPECT_TRUE(dropped.wait(2000));
    EXPECT_TRUE(TSingleInstance(name).HandOver(TSingleInstance::ShowRequest));
    EXPECT_TRUE(shown.wait(2000));
    EXPECT_EQ(shown.count(), 2);
    EXPECT_EQ(closed.count(), 1);
    // Without a runtime folder the socket goes into a folder that only this user can enter and
    // write to; a name taken by anything else gives no folder at all.
    QTemporaryDir temp;
    const QDir dir(temp.path());
    const auto path = [&](const char* folder) { return dir.filePath(QString::fromLatin1(folder)); };
    const auto make = [&](const char* folder, mode_t mode) {
        return ::mkdir(QFile::encodeName(path(folder)).constData(), mode) == 0;
    };
    ASSERT_TRUE(make("open", 0775) && make("own", 0700) && make("theirs", 0700));
    QFile::link(path("own"), path("link"));
    // Only root can give a folder to another user (nobody); otherwise "theirs" is our own.
    const bool given = ::chown(QFile::encodeName(path("theirs")).constData(), 65534, 65534) == 0;
    const std::pair<const char*, bool> folders[] = {
        {"missing", true}, {"own", true}, {"open", false}, {"link", false}, {"theirs", !given}};
    for (const auto& [folder, accepted] : folders)
        EXPECT_EQ(TSingleInstance::PrivateFolder(path(folder)), accepted ? path(folder) : QString())
            << folder;
}

// A child process of user nobody that listens on, or connects to and sends "show" to, a Unix
// socket path; it keeps its socket until the returned handle is dropped.
struct TOtherUser {
    pid_t Child = -1;
    ~TOtherUser() {
        ::kill(Child, SIGKILL);
        ::waitpid(Child, nullptr, 0);
    }
};

std::unique_ptr<TOtherUser> AsNobody(const QString& path, bool listen) {
    const passwd* nobody = ::getpwnam("nobody");
    int ready[2];
    if (nobody == nullptr || ::pipe(ready) != 0)
        return nullptr;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    std::memcpy(address.sun_path, native.constData(), size_t(native.size()));
    auto other = std::make_unique<TOtherUser>();
    other->Child = ::fork();
    if (other->Child == 0) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const auto* at = reinterpret_cast<const sockaddr*>(&address);
        const bool ok =
            ::setgid(nobody->pw_gid) == 0 && ::setuid(nobody->pw_uid) == 0 &&
            (listen ? ::bind(fd, at, sizeof address) == 0 && ::listen(fd, 8) == 0
                    : ::connect(fd, at, sizeof address) == 0 && ::write(fd, "show\n", 5) == 5);
        if (::write(ready[1], ok ? "y" : "n", 1) == 1) {
            ::alarm(10); // held until killed, or for 10 s should the test go wrong
            ::pause();
        }
        ::_exit(0);
    }
    ::close(ready[1]);
    char c = 'n';
    const bool started = ::read(ready[0], &c, 1) == 1 && c == 'y';
    ::close(ready[0]);
    return started ? std::move(other) : nullptr;
}

// Another user who binds our socket name first, or reaches our socket, is not trusted: a start
// does not hand its request over to that user's program, and ours ignores that user's requests.
TEST(WindowSingleInstance, AnotherUsersSocketOrRequestIsRefused) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "acting as another user (nobody) needs root";
    QTemporaryDir runtime;
    ::chmod(QFile::encodeName(runtime.path()).constData(), 01777); // a shared folder like /tmp
    const QString taken = runtime.filePath(QStringLiteral("taken"));
    {
        const auto squatter = AsNobody(taken, true);
        ASSERT_TRUE(squatter);
        EXPECT_FALSE(TSingleInstance(taken).HandOver(TSingleInstance::ShowRequest, 500));
    }
    const QString ours = runtime.filePath(QStringLiteral("ours"));
    TSingleInstance running(ours);
    ASSERT_TRUE(running.Listen());
    ::chmod(QFile::encodeName(ours).constData(), 0777);
    QSignalSpy shown(&running, &TSingleInstance::ShowRequested);
    QSignalSpy closed(&running, &TSingleInstance::CloseRequested);
    const auto intruder = AsNobody(ours, false);
    ASSERT_TRUE(intruder);
    EXPECT_TRUE(TSingleInstance(ours).HandOver(TSingleInstance::CloseRequest));
    EXPECT_TRUE(closed.wait(2000));
    QTest::qWait(100);
    EXPECT_EQ(shown.count(), 0) << "the other user's request was taken";
}

// A script that writes its arguments, one a line, and its working folder into a file.
QString WriteRecorder(const QDir& dir, const QString& name, const QString& output) {
    const QString path = dir.filePath(name);
    test::WriteFile(path, QStringLiteral("#!/bin/sh\npwd > '%1.tmp'\nfor a in \"$@\"; do echo "
                                         "\"$a\" >> '%1.tmp'; done\nmv '%1.tmp' '%1'\n")
                              .arg(output)
                              .toUtf8());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QStringList WaitForLines(const QString& file) {
    for (int i = 0; i < 100 && !QFile::exists(file); ++i)
        QTest::qWait(20);
    QFile out(file);
    if (!out.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(out.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The uninstaller named in the entry starts in its own folder, and a web page address reaches
// xdg-open, each with its arguments as they stand and no shell to read them.
TEST(WindowUninstaller, UninstallerAndWebPagesStartWithoutAShell) {
    QTemporaryDir dir;
    const QString entry = dir.filePath(QStringLiteral("UninstallString"));
    const QString hacked = dir.filePath(QStringLiteral("hacked"));
    EXPECT_FALSE(TUninstaller::RunUninstaller(entry)) << "no entry: nothing starts";
    QDir(dir.path()).mkdir(QStringLiteral("my app"));
    const QDir appDir(dir.filePath(QStringLiteral("my app")));
    const QString ran = dir.filePath(QStringLiteral("ran"));
    const QString program = WriteRecorder(appDir, QStringLiteral("uninstall"), ran);
    ASSERT_TRUE(test::WriteFile(
        entry, QStringLiteral("\"%1\" --quiet \"a b\"; touch %2\n").arg(program, hacked).toUtf8()));
    EXPECT_TRUE(TUninstaller::RunUninstaller(entry));
    EXPECT_EQ(WaitForLines(ran),
              (QStringList{appDir.absolutePath(), "--quiet", "a b;", "touch", hacked}));

    const QString opened = dir.filePath(QStringLiteral("opened"));
    WriteRecorder(QDir(dir.path()), QStringLiteral("xdg-open"), opened);
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", dir.path().toUtf8() + ':' + oldPath);
    const QString address = QStringLiteral("file:///tmp/help page/index.html?x=1;touch ") + hacked;
    const bool started = TWebPageOpener::OpenWebPage(address);
    const QStringList lines = WaitForLines(opened);
    qputenv("PATH", oldPath);
    EXPECT_TRUE(started);
    EXPECT_EQ(lines.value(1), address);
    EXPECT_FALSE(TWebPageOpener::OpenWebPage(QString()));
    EXPECT_FALSE(QFile::exists(hacked));
}

TEST(WindowStartOptions, ReadsTheArgumentsAndTheLayoutFollowsTheScreen) {
    const struct {
        QStringList Arguments;
        bool Uninstall, QuitAtStart;
        const char* Screenshot;
        int Page, ScreenSize;
        bool Error;
    } cases[] = {
        {{}, false, false, "", 0, -1, false},
        {{"UNINSTALL"}, true, false, "", 0, -1, false},
        {{"/S"}, false, true, "", 0, -1, false},
        {{"--page", "2", "--screenshot", "b.png", "--screen-size", "4"}, 0, 0, "b.png", 2, 4, 0},
        {{"--screenshot"}, false, false, "", 0, -1, true},
        {{"--screenshot", "a.png", "--page", "4"}, false, false, "a.png", 0, -1, true},
        {{"--screen-size", "5"}, false, false, "", 0, -1, true},
        {{"--screenshot", "a.png", "--page=2"}, false, false, "a.png", 0, -1, true},
    };
    for (const auto& c : cases) {
        const TStartOptions o = TStartOptions::Parse(c.Arguments);
        EXPECT_EQ(std::tuple(o.Uninstall, o.QuitAtStart, o.ScreenshotFile.toStdString(), o.Page,
                             o.ScreenSize, !o.Error.isEmpty()),
                  std::tuple(c.Uninstall, c.QuitAtStart, std::string(c.Screenshot), c.Page,
                             c.ScreenSize, c.Error))
            << c.Arguments.join(' ').toStdString();
    }
    // The screen layout: setting, layout in force, screen width and height, the layout chosen.
    const struct {
        int Mode, Current, Width, Height, Expected;
    } layouts[] = {
        {0, 2, 640, 480, 2},   {0, 0, 800, 600, 5},  {0, 0, 1024, 768, 6},  {0, 0, 1280, 1024, 4},
        {0, 0, 1920, 1080, 7}, {0, 0, 900, 1200, 2}, {1, 4, 1920, 1080, 2}, {9, 5, 1920, 1080, 5},
    };
    for (const auto& c : layouts)
        EXPECT_EQ(TScreenLayout::ChooseLayout(c.Mode, c.Current, c.Width, c.Height), c.Expected)
            << c.Mode << " " << c.Width << "x" << c.Height;
}

} // namespace
} // namespace sudoku
