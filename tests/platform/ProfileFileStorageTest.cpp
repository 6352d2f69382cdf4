// Profile files on disk: missing files and links, crash-safe replacement when writing fails, no
// overwriting what could not be read, leftovers of killed writers, and the lock between writers.
#include "TFileLock.h"
#include "TProfileFile.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <optional>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace sudoku {
namespace {

namespace fs = std::filesystem;
using test::TTestFolder;

const std::string OldText = "[Keep]\r\nk=old value\r\n";
const std::string NewText = "[Keep]\r\nk=new\r\n";

// Every entry below a folder with its contents (links, folders and big files by what they are),
// so that a failed write can be shown to have changed nothing. The shared lock file may appear.
std::map<std::string, std::string> Snapshot(const std::string& dir) {
    std::map<std::string, std::string> entries;
    for (const auto& e : fs::recursive_directory_iterator(dir)) {
        if (e.path().extension() != ".lock") {
            entries[e.path().string()] =
                e.is_symlink()               ? "<link to " + fs::read_symlink(e).string() + ">"
                : e.is_directory()           ? "<folder>"
                : e.file_size() > (1u << 20) ? std::to_string(e.file_size())
                                             : TTestFolder::Contents(e.path());
        }
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
    EXPECT_EQ(watch.Calls[1].second, NewText);
}

// The first write creates a missing file; later ones replace it through a symbolic link with
// its mode kept.
TEST(ProfileFileStorage, WritesCreateOrReplaceTheFile) {
    TTestFolder dir;
    const std::string name = dir.File("new.ini");
    EXPECT_EQ(TProfileFile::ReadFileString(name, "S", "k", "default"), "default");
    EXPECT_FALSE(fs::exists(name));
    TProfileFile::WriteFileString(name, "S", "k", "v");
    EXPECT_EQ(TTestFolder::Contents(name), "[S]\r\nk=v\r\n");
    EXPECT_EQ(Snapshot(dir.Path()).size(), 1u) << "no temporary file left";
    EXPECT_TRUE(TProfileFile().Load(dir.File("missing/deeper.ini")));

    const std::string link = dir.File("link.ini");
    TTestFolder::Put(name, OldText);
    fs::permissions(name, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(name, link);
    TProfileFile::WriteFileString(link, "Keep", "k", "new");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(TTestFolder::Contents(name), NewText);
    EXPECT_EQ(fs::status(name).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// Each way of making the write fail raises the error with the file's name and leaves the folder
// byte for byte as it was: old file whole, nothing overwritten, no temporary file.
TEST(ProfileFileStorage, FailedWriteChangesNothingAndNamesTheFile) {
    enum TBlock { PlainFileAbove, Folder, OverSizeLimit, CutOff, ReadOnlyFile, ReadOnlyFolder };
    const std::pair<const char*, TBlock> cases[] = {
        {"below a plain file", PlainFileAbove},    {"file that is a folder", Folder},
        {"file too large to read", OverSizeLimit}, {"write cut off half-way", CutOff},
        {"write-protected file", ReadOnlyFile},    {"read-only folder", ReadOnlyFolder}};
    for (const auto& [what, block] : cases) {
        SCOPED_TRACE(what);
        if (block >= ReadOnlyFile && ::geteuid() == 0) {
            continue; // root writes into read-only files and folders; the rest covers root
        }
        TTestFolder dir;
        const std::string name =
            dir.File(block == PlainFileAbove ? "plain/sudoku.dat" : "sudoku.dat");
        TTestFolder::Put(dir.File(block == Folder ? "other.dat" : "sudoku.dat"), OldText);
        switch (block) {
        case PlainFileAbove:
            TTestFolder::Put(dir.File("plain"), "");
            break;
        case Folder:
            fs::create_directory(name);
            break;
        case OverSizeLimit:
            fs::resize_file(name, TProfileFile::MaxFileSize + 1); // sparse: no disk used
            break;
        case ReadOnlyFile:
            fs::permissions(name, fs::perms::owner_read);
            break;
        case ReadOnlyFolder:
            fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec);
            break;
        default: // a write cut off by a limit on file sizes, which binds root too
            break;
        }
        const auto before = Snapshot(dir.Path());
        EXPECT_EQ(test::WriteError([&] {
                      std::optional<test::TFileSizeLimit> limit;
                      if (block == CutOff)
                          limit.emplace(4096);
                      TProfileFile::WriteFileString(name, "Keep", "k", std::string(8000, 'N'));
                  }),
                  "Unable to write to " + name);
        fs::permissions(dir.Path(), fs::perms::owner_all);
        EXPECT_EQ(Snapshot(dir.Path()), before);
    }
}

// Temporary files of earlier runs: one under the old fixed name is neither used nor in the way;
// of those that killed writers leave, a save removes the plain files of this user untouched
// for a minute, of its own file only.
TEST(ProfileFileStorage, LeftoverTemporaryFilesNeitherBlockNorLoseAnything) {
    enum TKind { File, FreshFile, Link, Folder, HardLink, OthersFile };
    // Only the first goes; a file touched less than a minute ago may be a writer's at work.
    // clang-format off
    const std::pair<const char*, TKind> leftovers[] = {
        {"sudokus.ini.tmp.a1B2c3", File}, {"sudokus.ini.tmp.Zz9Yy8", FreshFile},
        {"sudokus.ini.tmp", Link}, {"other.ini.tmp.a1B2c3", File},
        {"sudokus.ini.tmp.a1B2c", File}, {"sudokus.ini.tmp.a1B2c3d", File},
        {"sudokus.ini.tmp.a1-2c3", File}, {"sudokus.ini.tmp.link01", Link},
        {"sudokus.ini.tmp.fold01", Folder}, {"sudokus.ini.tmp.hard01", HardLink},
        {"sudokus.ini.tmp.other1", OthersFile}};
    // clang-format on
    TTestFolder dir;
    const std::string name = dir.File("sudokus.ini");
    const std::string kept = dir.File("kept.txt");
    TTestFolder::Put(name, OldText);
    TTestFolder::Put(kept, "kept");
    const auto stale = fs::file_time_type::clock::now() - std::chrono::minutes(2);
    for (const auto& [leftover, kind] : leftovers) {
        const std::string path = dir.File(leftover);
        if (kind == Link) {
            fs::create_symlink(kept, path);
        } else if (kind == Folder) {
            fs::create_directory(path);
        } else if (kind == HardLink) {
            fs::create_hard_link(kept, path);
        } else {
            TTestFolder::Put(path, "partial");
        }
        // Only root can give a file away; elsewhere that case is left out.
        if (kind == OthersFile && ::chown(path.c_str(), 65534, 65534) != 0) {
            fs::remove(path);
        } else if (kind != FreshFile) {
            fs::last_write_time(path, stale);
        }
    }
    auto expected = Snapshot(dir.Path());
    expected[name] = NewText;
    expected.erase(dir.File(leftovers[0].first));
    TProfileFile::WriteFileString(name, "Keep", "k", "new");
    EXPECT_EQ(Snapshot(dir.Path()), expected);
}

// A write waits a bounded time for a lock held elsewhere and then gives up with the usual
// error; two processes writing at once lose none of each other's keys.
TEST(ProfileFileStorage, ConcurrentWritersLoseNothing) {
    TTestFolder dir;
    const std::string name = dir.File("shared.ini");
    TTestFolder::Put(name, OldText);
    {
        const TFileLock held(name, TFileLock::TMode::Exclusive); // a lock of its own descriptor
        EXPECT_EQ(test::WriteError([&] {
                      TProfileFile::Modify(
                          name, [](TProfileFile& file) { file.WriteValue("Keep", "k", "new"); },
                          std::chrono::milliseconds(50));
                  }),
                  "Unable to write to " + name);
        EXPECT_EQ(TTestFolder::Contents(name), OldText);
    }
    constexpr int PerProcess = 60;
    pid_t children[2];
    for (int p = 0; p < 2; ++p) {
        if ((children[p] = ::fork()) == 0) {
            try {
                for (int i = 0; i < PerProcess; ++i) {
                    TProfileFile::WriteFileString(name, "User" + std::to_string(p),
                                                  "K" + std::to_string(i), std::to_string(i));
                }
            } catch (...) {
                ::_exit(1);
            }
            ::_exit(0);
        }
    }
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    TProfileFile file;
    ASSERT_TRUE(file.Load(name));
    for (int p = 0; p < 2; ++p) {
        EXPECT_EQ(file.KeyNames("User" + std::to_string(p)).size(), std::size_t{PerProcess});
    }
}

} // namespace
} // namespace sudoku
