// The Qt platform pieces: a second start hands over to the first through a local socket, the
// uninstaller entry is split and started without a shell, and web pages go to xdg-open as one
// argument.
#include "TScreenLayout.h"
#include "TSingleInstance.h"
#include "TStartOptions.h"
#include "TUninstaller.h"
#include "TWebPageOpener.h"
#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <memory>

#include <QDir>
#include <QFile>
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

TEST(WindowSingleInstance, SecondStartHandsItsRequestToTheFirst) {
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    const QString first = runtime.filePath(QStringLiteral("first"));
    const QString other = runtime.filePath(QStringLiteral("other"));
    TSingleInstance running(first);
    ASSERT_TRUE(running.Listen());
    QSignalSpy shown(&running, &TSingleInstance::ShowRequested);
    QSignalSpy closed(&running, &TSingleInstance::CloseRequested);

    EXPECT_TRUE(TSingleInstance(first).HandOver(TSingleInstance::ShowRequest));
    EXPECT_TRUE(shown.wait(2000));
    EXPECT_EQ(closed.count(), 0);
    EXPECT_TRUE(TSingleInstance(first).HandOver(TSingleInstance::CloseRequest));
    EXPECT_TRUE(closed.wait(2000));
    EXPECT_EQ(shown.count(), 1);

    // Nobody listens under another name: that start becomes the running one.
    TSingleInstance second(other);
    EXPECT_FALSE(second.HandOver(TSingleInstance::ShowRequest, 200));
    EXPECT_TRUE(second.Listen());
}

TEST(WindowSingleInstance, UnknownRequestsAreIgnored) {
    QTemporaryDir runtime;
    const QString name = runtime.filePath(QStringLiteral("s"));
    TSingleInstance running(name);
    ASSERT_TRUE(running.Listen());
    QSignalSpy shown(&running, &TSingleInstance::ShowRequested);
    QSignalSpy closed(&running, &TSingleInstance::CloseRequested);
    EXPECT_TRUE(TSingleInstance(name).HandOver(QStringLiteral("format c:")));
    QTest::qWait(100);
    EXPECT_EQ(shown.count() + closed.count(), 0);
}

TEST(WindowSingleInstance, SocketLeftByACrashedCopyIsReplaced) {
    QTemporaryDir runtime;
    const QString name = runtime.filePath(QStringLiteral("stale"));
    ASSERT_TRUE(test::WriteFile(name, {}));
    TSingleInstance fresh(name);
    EXPECT_FALSE(fresh.HandOver(TSingleInstance::ShowRequest, 200));
    EXPECT_TRUE(fresh.Listen());
    QSignalSpy shown(&fresh, &TSingleInstance::ShowRequested);
    EXPECT_TRUE(TSingleInstance(name).HandOver(TSingleInstance::ShowRequest));
    EXPECT_TRUE(shown.wait(2000));
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

// Without a runtime folder the socket goes into a folder that only this user can enter and
// write to; a name taken by anything else gives no folder at all.
TEST(WindowSingleInstance, FallbackFolderIsOnlyThisUsersOwn) {
    QTemporaryDir temp;
    const QDir dir(temp.path());
    const auto path = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    ::mkdir(QFile::encodeName(path("open")).constData(), 0775);
    ::mkdir(QFile::encodeName(path("own")).constData(), 0700);
    QFile::link(path("own"), path("link"));
    const std::pair<const char*, bool> cases[] = {
        {"missing", true}, {"own", true}, {"open", false}, {"link", false}};
    for (const auto& [name, accepted] : cases)
        EXPECT_EQ(TSingleInstance::PrivateFolder(path(name)), accepted ? path(name) : QString())
            << name;
    if (const passwd* nobody = ::getpwnam("nobody"); nobody != nullptr && ::geteuid() == 0) {
        QDir().mkdir(path("theirs"));
        ASSERT_EQ(::chown(QFile::encodeName(path("theirs")).constData(), nobody->pw_uid, 0), 0);
        EXPECT_EQ(TSingleInstance::PrivateFolder(path("theirs")), QString());
    }
}

// A client that sends no line end is dropped once it passes the longest request, instead of
// having its bytes kept without limit; the next start is still heard.
TEST(WindowSingleInstance, ClientWithoutLineEndIsDropped) {
    QTemporaryDir runtime;
    const QString name = runtime.filePath(QStringLiteral("s"));
    TSingleInstance running(name);
    ASSERT_TRUE(running.Listen());
    QLocalSocket flood;
    QSignalSpy dropped(&flood, &QLocalSocket::disconnected);
    flood.connectToServer(name);
    ASSERT_TRUE(flood.waitForConnected(1000));
    flood.write(QByteArray(1 << 20, 's'));
    EXPECT_TRUE(dropped.wait(2000));

    QSignalSpy shown(&running, &TSingleInstance::ShowRequested);
    EXPECT_TRUE(TSingleInstance(name).HandOver(TSingleInstance::ShowRequest));
    EXPECT_TRUE(shown.wait(2000));
}

TEST(WindowUninstaller, SplitsTheRegisteredCommand) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"\"/opt/sudoku atelier/uninstall\" --quiet", "/opt/sudoku atelier/uninstall", "--quiet"},
        {"\"/opt/x/uninstall\"", "/opt/x/uninstall", ""},
        {"/opt/x/uninstall \"/opt/x/log file\"", "/opt/x/uninstall", "\"/opt/x/log file\""},
        {"/opt/x/uninstall --all", "/opt/x/uninstall --all", ""},
        {"\"/opt/x/unterminated", "/opt/x/unterminated", ""},
    };
    for (const auto& [command, program, parameters] : cases) {
        const TUninstaller::TCommand parts =
            TUninstaller::SplitCommand(QString::fromLatin1(command));
        EXPECT_EQ(parts.Program, QString::fromLatin1(program)) << command;
        EXPECT_EQ(parts.Parameters, QString::fromLatin1(parameters)) << command;
    }
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

TEST(WindowUninstaller, StartsTheRegisteredProgramInItsFolderOrNothing) {
    QTemporaryDir dir;
    const QString entry = dir.filePath(QStringLiteral("UninstallString"));
    EXPECT_FALSE(TUninstaller::RunUninstaller(entry)) << "no entry: nothing starts";

    QDir(dir.path()).mkdir(QStringLiteral("my app"));
    const QDir appDir(dir.filePath(QStringLiteral("my app")));
    const QString output = dir.filePath(QStringLiteral("ran"));
    const QString program = WriteRecorder(appDir, QStringLiteral("uninstall"), output);
    ASSERT_TRUE(test::WriteFile(entry, QStringLiteral("\"%1\" --quiet \"a b\"; touch %2/hacked\n")
                                           .arg(program, dir.path())
                                           .toUtf8()));
    EXPECT_TRUE(TUninstaller::RunUninstaller(entry));
    const QStringList lines = WaitForLines(output);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], appDir.absolutePath());
    EXPECT_EQ(lines[1], QStringLiteral("--quiet"));
    EXPECT_EQ(lines[2], QStringLiteral("a b;"));
    EXPECT_EQ(lines[3], QStringLiteral("touch"));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("hacked")))) << "no shell ran";
}

TEST(WindowWebPage, AddressReachesTheOpenerAsOneArgument) {
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("opened"));
    WriteRecorder(QDir(dir.path()), QStringLiteral("xdg-open"), output);
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", dir.path().toUtf8() + ':' + oldPath);
    const QString address =
        QStringLiteral("file:///tmp/help page/index.html?x=1;touch %1/hacked").arg(dir.path());
    const bool started = TWebPageOpener::OpenWebPage(address);
    const QStringList lines = WaitForLines(output);
    qputenv("PATH", oldPath);
    EXPECT_TRUE(started);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[1], address);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("hacked"))));
    EXPECT_FALSE(TWebPageOpener::OpenWebPage(QString()));
    EXPECT_EQ(TWebPageOpener::LocalPageAddress(QStringLiteral("/opt/a b/help.html")),
              QStringLiteral("file:///opt/a b/help.html"));
}

TEST(WindowScreenLayout, ChoosesTheLayoutForTheScreenAndSetting) {
    // Setting, layout in force, screen width and height, and the layout chosen.
    const struct {
        int Mode, Current, Width, Height, Expected;
    } cases[] = {
        {0, 0, 640, 480, 0},   {0, 2, 640, 480, 2},   {0, 0, 800, 600, 5},   {0, 0, 1024, 768, 6},
        {0, 0, 1280, 1024, 4}, {0, 0, 1280, 800, 6},  {0, 0, 1920, 1080, 7}, {0, 0, 1024, 900, 3},
        {0, 0, 900, 1200, 2},  {1, 4, 1920, 1080, 2}, {2, 4, 1920, 1080, 2}, {3, 0, 640, 480, 3},
        {4, 0, 640, 480, 4},   {9, 5, 1920, 1080, 5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TScreenLayout::ChooseLayout(c.Mode, c.Current, c.Width, c.Height), c.Expected)
            << c.Mode << " " << c.Width << "x" << c.Height;
}

TEST(WindowScreenLayout, ScaleValueRoundsHalvesToEven) {
    // Each size at the base layouts, times 1.25 and times 1.6.
    const int cases[][3] = {{12, 15, 19}, {10, 12, 16}, {6, 8, 10}, {4, 5, 6}, {14, 18, 22}};
    const std::pair<int, int> layouts[] = {{0, 0}, {2, 0}, {5, 0}, {3, 1}, {6, 1}, {4, 2}, {7, 2}};
    for (const auto& c : cases)
        for (const auto& [layout, column] : layouts)
            EXPECT_EQ(TScreenLayout::ScaleValue(c[0], layout), c[column]) << c[0] << " " << layout;
}

TEST(WindowStartOptions, ReadsTheFirstParameterAndTheScreenshotOptions) {
    const struct {
        QStringList Arguments;
        bool Uninstall, QuitAtStart;
        const char* Screenshot;
        int Page, ScreenSize;
        bool Error;
    } cases[] = {
        {{}, false, false, "", 0, -1, false},
        {{"UNINSTALL"}, true, false, "", 0, -1, false},
        {{"Uninstall", "x"}, true, false, "", 0, -1, false},
        {{"x", "uninstall"}, false, false, "", 0, -1, false},
        {{"/S"}, false, true, "", 0, -1, false},
        {{"--screenshot", "a.png", "--page", "3"}, false, false, "a.png", 3, -1, false},
        {{"--page", "2", "--screenshot", "b.png", "--screen-size", "4"}, 0, 0, "b.png", 2, 4, 0},
        {{"--screenshot"}, false, false, "", 0, -1, true},
        {{"--screenshot", "a.png", "--page", "4"}, false, false, "a.png", 0, -1, true},
        {{"--page", "one"}, false, false, "", 0, -1, true},
        {{"--screen-size", "5"}, false, false, "", 0, -1, true},
        {{"--bogus"}, false, false, "", 0, -1, true},
        {{"/s", "-x"}, false, true, "", 0, -1, true},
        {{"--screenshot", "a.png", "--page=2"}, false, false, "a.png", 0, -1, true},
    };
    for (const auto& c : cases) {
        const TStartOptions options = TStartOptions::Parse(c.Arguments);
        const std::string line = c.Arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(options.Uninstall, c.Uninstall) << line;
        EXPECT_EQ(options.QuitAtStart, c.QuitAtStart) << line;
        EXPECT_EQ(options.ScreenshotFile, QString::fromLatin1(c.Screenshot)) << line;
        EXPECT_EQ(options.Page, c.Page) << line;
        EXPECT_EQ(options.ScreenSize, c.ScreenSize) << line;
        EXPECT_EQ(!options.Error.isEmpty(), c.Error) << line;
    }
}

} // namespace
} // namespace sudoku
