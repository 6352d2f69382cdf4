// Profile files on disk: missing files, CRLF output, crash-safe replacement when writing fails
// (also as root), refusal to overwrite what could not be read, and two processes writing one
// file at the same time.
#include "TProfileFile.h"
#include "TWriteError.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace sudoku {
namespace {

namespace fs = std::filesystem;
using test::TTestFolder;

const std::string OldText = "[Keep]\r\nk=old value\r\n";

// Every entry below a folder with its contents (folders and big files by kind and size), so
// that a failed write can be shown to have changed nothing and left no temporary file. The
// empty lock file that writers share may appear.
std::map<std::string, std::string> Snapshot(const std::string& dir) {
    std::map<std::string, std::string> entries;
    for (const auto& e : fs::recursive_directory_iterator(dir)) {
        if (e.path().extension() == ".lock") {
            continue;
        }
        entries[e.path().string()] = e.is_symlink()
                                         ? "<link to " + fs::read_symlink(e).string() + ">"
                                     : e.is_directory()          ? "<folder>"
                                     : e.file_size() > (1 << 20) ? std::to_string(e.file_size())
                                                                 : TTestFolder::Contents(e.path());
    }
    return entries;
}

// What fsync was given (the file's name at that moment) and what the watched file then held.
struct TSyncWatch {
    std::string Watched;
    std::vector<std::pair<std::string, std::string>> Calls;
};
TSyncWatch* SyncWatch = nullptr;

} // namespace
} // namespace sudoku

// Every fsync of this test program passes through here on its way to the kernel.
extern "C" int fsync(int fd) {
    using sudoku::SyncWatch;
    if (SyncWatch != nullptr) {
        std::error_code ec;
        SyncWatch->Calls.emplace_back(
            std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd), ec).string(),
            sudoku::test::TTestFolder::Contents(SyncWatch->Watched));
    }
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

namespace sudoku {
namespace {

int WaitFor(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ProfileFileStorage, MissingFileReadsEmptyAndIsCreatedByTheFirstWrite) {
    TTestFolder dir;
    const std::string name = dir.File("new.ini");
    EXPECT_EQ(TProfileFile::ReadFileString(name, "S", "k", "default"), "default");
    EXPECT_TRUE(TProfileFile::ReadFileSectionNames(name).empty());
    EXPECT_FALSE(fs::exists(name));

    TProfileFile::WriteFileString(name, "S", "k", "v");
    TProfileFile::WriteFileString(name, "s", "K2", "w");
    EXPECT_EQ(TTestFolder::Contents(name), "[S]\r\nk=v\r\nK2=w\r\n");
    EXPECT_EQ(TProfileFile::ReadFileString(name, "s", "k", ""), "v");
    EXPECT_EQ(Snapshot(dir.Path()).size(), 1u) << "no temporary file left";

    // Load reports unreadable paths but not missing ones.
    TProfileFile file;
    EXPECT_TRUE(file.Load(dir.File("missing.ini")));
    EXPECT_TRUE(file.Load(dir.File("missing/deeper.ini")));
    EXPECT_FALSE(file.Load(dir.Path())); // a folder is not a file
    TTestFolder::Put(dir.File("huge.rsf"), "[S]\r\nk=v\r\n");
    fs::resize_file(dir.File("huge.rsf"), TProfileFile::MaxFileSize + 1); // sparse
    EXPECT_FALSE(file.Load(dir.File("huge.rsf"))) << "a file over the size limit is not read";
    EXPECT_TRUE(file.Text().empty());
}

// Each way of making the write fail must raise the error with the file's name and leave the
// folder byte for byte as it was: old file whole, nothing overwritten, no temporary file.
TEST(ProfileFileStorage, FailedWriteChangesNothingAndNamesTheFile) {
    struct Case {
        const char* What;
        const char* File;
        void (*Block)(const TTestFolder& dir, const std::string& name);
        bool NeedsNonRoot;
    };
    const Case cases[] = {
        {"below a regular file", "plain/sudoku.dat",
         [](const TTestFolder& dir, const std::string&) {
             TTestFolder::Put(dir.File("plain"), "x");
         },
         false},
        {"file that is a folder", "folder.dat",
         [](const TTestFolder&, const std::string& name) { fs::create_directory(name); }, false},
        {"file over the size limit", "huge.rsf",
         [](const TTestFolder&, const std::string& name) {
             TTestFolder::Put(name, "[Keep]\r\nk=v\r\n");
             fs::resize_file(name, TProfileFile::MaxFileSize + 1); // sparse: no disk used
         },
         false},
        {"write-protected file", "sudoku.dat",
         [](const TTestFolder&, const std::string& name) { ::chmod(name.c_str(), 0444); }, true},
        {"read-only folder", "sudoku.dat",
         [](const TTestFolder& dir, const std::string&) {
             fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec);
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        if (c.NeedsNonRoot && ::geteuid() == 0) {
            continue; // root writes into read-only folders; the other cases cover root
        }
        TTestFolder dir;
        const std::string name = dir.File(c.File);
        TTestFolder::Put(dir.File("sudoku.dat"), OldText);
        c.Block(dir, name);
        const auto before = Snapshot(dir.Path());
        try {
            TProfileFile::WriteFileString(name, "Keep", "k", "new value");
            ADD_FAILURE() << "write reported success";
        } catch (const TWriteError& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + name);
            EXPECT_EQ(e.FileName(), name);
        }
        fs::permissions(dir.Path(), fs::perms::owner_all);
        EXPECT_EQ(Snapshot(dir.Path()), before);
    }
}

// A write that stops half-way (file size limit, which binds root too) must not touch the old
// file: the new text is written beside it and only renamed over it when complete.
TEST(ProfileFileStorage, WriteThatStopsHalfWayLeavesTheOldFileWhole) {
    TTestFolder dir;
    const std::string name = dir.File("sudoku.dat");
    std::string old = OldText;
    for (int i = 0; i < 200; ++i) {
        old += "[User@Puzzle " + std::to_string(i) + "]\r\nM1=" + std::string(162, 'A') + "\r\n";
    }
    TTestFolder::Put(name, old);
    const auto before = Snapshot(dir.Path());

    bool reported = false;
    try {
        const test::TFileSizeLimit limit(4096);
        TProfileFile::WriteFileString(name, "Keep", "k", std::string(8000, 'N'));
    } catch (const TWriteError&) {
        reported = true;
    }
    EXPECT_TRUE(reported) << "the cut-off write was not reported";
    EXPECT_EQ(Snapshot(dir.Path()), before) << "old file whole, no temporary file left";
}

// A temporary file left by an earlier run under the old fixed name, whatever it is, is neither
// used nor in the way.
TEST(ProfileFileStorage, LeftoverTemporaryNameDoesNotBlockSaving) {
    const std::pair<const char*, void (*)(const std::string& temp, const std::string& other)>
        cases[] = {
            {"file",
             [](const std::string& temp, const std::string&) { TTestFolder::Put(temp, "x"); }},
            {"folder",
             [](const std::string& temp, const std::string&) { fs::create_directory(temp); }},
            {"link to another file",
             [](const std::string& temp, const std::string& other) {
                 fs::create_symlink(other, temp);
             }},
            {"dangling link",
             [](const std::string& temp, const std::string& other) {
                 fs::create_symlink(other + ".gone", temp);
             }},
        };
    for (const auto& [what, leave] : cases) {
        SCOPED_TRACE(what);
        TTestFolder dir;
        const std::string name = dir.File("sudokus.ini");
        const std::string other = dir.File("other.txt");
        TTestFolder::Put(name, OldText);
        TTestFolder::Put(other, "other");
        leave(name + ".tmp", other);
        auto before = Snapshot(dir.Path());

        TProfileFile::WriteFileString(name, "Keep", "k", "new");
        before[name] = "[Keep]\r\nk=new\r\n";
        EXPECT_EQ(Snapshot(dir.Path()), before) << "only the file changed, no temporary file left";
    }
}

// Writers killed in the middle of a write leave their temporary files. A save removes those of
// its own file that are plain files of this user untouched for a minute, and nothing else.
TEST(ProfileFileStorage, SaveRemovesStaleTemporaryFilesOfItsFileOnly) {
    enum class TKind { File, Link, Folder, HardLink, OthersFile };
    struct TLeftover {
        const char* Name;
        TKind Kind;
        bool Stale;
        bool Removed;
    };
    const TLeftover leftovers[] = {
        {"sudokus.ini.tmp.a1B2c3", TKind::File, true, true},
        {"sudokus.ini.tmp.Zz9Yy8", TKind::File, false, false}, // a writer may be at work
        {"other.ini.tmp.a1B2c3", TKind::File, true, false},
        {"sudokus.ini.tmp.a1B2c", TKind::File, true, false},
        {"sudokus.ini.tmp.a1B2c3d", TKind::File, true, false},
        {"sudokus.ini.tmp.a1-2c3", TKind::File, true, false},
        {"sudokus.ini.tmp.link01", TKind::Link, true, false},
        {"sudokus.ini.tmp.fold01", TKind::Folder, true, false},
        {"sudokus.ini.tmp.hard01", TKind::HardLink, true, false},
        {"sudokus.ini.tmp.other1", TKind::OthersFile, true, false},
    };
    TTestFolder dir;
    const std::string name = dir.File("sudokus.ini");
    const std::string kept = dir.File("kept.txt");
    TTestFolder::Put(name, OldText);
    TTestFolder::Put(kept, "kept");
    const auto staleTime = fs::file_time_type::clock::now() - std::chrono::minutes(2);
    std::vector<const TLeftover*> made;
    for (const TLeftover& leftover : leftovers) {
        const std::string path = dir.File(leftover.Name);
        if (leftover.Kind == TKind::Link) {
            fs::create_symlink(kept, path);
        } else if (leftover.Kind == TKind::Folder) {
            fs::create_directory(path);
        } else if (leftover.Kind == TKind::HardLink) {
            fs::create_hard_link(kept, path);
        } else {
            TTestFolder::Put(path, "partial");
        }
        // Only root can give a file away; elsewhere that case is left out.
        if (leftover.Kind == TKind::OthersFile && ::chown(path.c_str(), 65534, 65534) != 0) {
            fs::remove(path);
            continue;
        }
        if (leftover.Stale) {
            fs::last_write_time(path, staleTime);
        }
        made.push_back(&leftover);
    }

    TProfileFile::WriteFileString(name, "Keep", "k", "new");
    for (const TLeftover* leftover : made) {
        SCOPED_TRACE(leftover->Name);
        EXPECT_EQ(!fs::exists(fs::symlink_status(dir.File(leftover->Name))), leftover->Removed);
    }
    EXPECT_EQ(TTestFolder::Contents(kept), "kept");
    EXPECT_EQ(TTestFolder::Contents(name), "[Keep]\r\nk=new\r\n");
}

// The new text reaches the disk before it replaces the old file, and the replacement itself
// is made lasting by syncing the folder.
TEST(ProfileFileStorage, SyncsTheNewFileBeforeTheRenameAndTheFolderAfterIt) {
    TTestFolder dir;
    const std::string name = dir.File("sudoku.dat");
    TTestFolder::Put(name, OldText);
    TSyncWatch watch{name, {}};
    SyncWatch = &watch;
    TProfileFile::WriteFileString(name, "Keep", "k", "new");
    SyncWatch = nullptr;

    ASSERT_EQ(watch.Calls.size(), 2u);
    EXPECT_EQ(watch.Calls[0].first.rfind(name + ".tmp", 0), 0u) << watch.Calls[0].first;
    EXPECT_EQ(watch.Calls[0].second, OldText) << "the file was synced after the rename";
    EXPECT_EQ(watch.Calls[1].first, dir.Path());
    EXPECT_EQ(watch.Calls[1].second, "[Keep]\r\nk=new\r\n");
}

TEST(ProfileFileStorage, ReplacementKeepsModeAndSymbolicLink) {
    TTestFolder dir;
    const std::string real = dir.File("real.ini");
    const std::string link = dir.File("link.ini");
    TTestFolder::Put(real, OldText);
    ::chmod(real.c_str(), 0644);
    fs::create_symlink(real, link);

    TProfileFile::WriteFileString(link, "Keep", "k", "new");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(TTestFolder::Contents(real), "[Keep]\r\nk=new\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
}

// Anybody who can read the lock file can hold its lock. A write then gives up after a bounded
// wait with the usual error and leaves the file alone; once the lock is free, writing works.
TEST(ProfileFileStorage, WriteGivesUpOnALockHeldTooLong) {
    TTestFolder dir;
    const std::string name = dir.File("sudokus.ini");
    TTestFolder::Put(name, OldText);
    const std::string lock = name + ".lock";
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        ::flock(::open(lock.c_str(), O_RDONLY | O_CREAT, 0644), LOCK_EX);
        ::alarm(5); // held until killed, or for 5 s should the test go wrong
        ::pause();
        ::_exit(0);
    }
    const int probe = ::open(lock.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
    while (::flock(probe, LOCK_EX | LOCK_NB) == 0) { // until the other process holds it
        ::flock(probe, LOCK_UN);
        ::usleep(1000);
    }
    ::close(probe);

    std::string error = "write reported success";
    try {
        TProfileFile::Modify(
            name, [](TProfileFile& file) { file.WriteValue("Keep", "k", "new"); },
            std::chrono::milliseconds(50));
    } catch (const TWriteError& e) {
        error = e.what();
    }
    EXPECT_EQ(error, "Unable to write to " + name);
    EXPECT_EQ(TTestFolder::Contents(name), OldText);

    ::kill(holder, SIGKILL);
    WaitFor(holder);
    TProfileFile::WriteFileString(name, "Keep", "k", "new");
    EXPECT_EQ(TTestFolder::Contents(name), "[Keep]\r\nk=new\r\n");
}

// Two processes add keys to one file at the same time; with the lock around each
// read-modify-write none of the keys may go missing.
TEST(ProfileFileStorage, ConcurrentWritersLoseNothing) {
    TTestFolder dir;
    const std::string name = dir.File("shared.ini");
    constexpr int PerProcess = 60;
    pid_t children[2];
    for (int p = 0; p < 2; ++p) {
        children[p] = ::fork();
        ASSERT_GE(children[p], 0);
        if (children[p] == 0) {
            try {
                for (int i = 0; i < PerProcess; ++i) {
                    TProfileFile::WriteFileString(name, "User" + std::to_string(p) + ".Options",
                                                  "K" + std::to_string(i), std::to_string(i));
                }
            } catch (...) {
                ::_exit(1);
            }
            ::_exit(0);
        }
    }
    for (pid_t child : children) {
        EXPECT_EQ(WaitFor(child), 0);
    }
    TProfileFile file;
    ASSERT_TRUE(file.Load(name));
    for (int p = 0; p < 2; ++p) {
        EXPECT_EQ(file.KeyNames("User" + std::to_string(p) + ".Options").size(),
                  static_cast<std::size_t>(PerProcess));
    }
}

} // namespace
} // namespace sudoku
