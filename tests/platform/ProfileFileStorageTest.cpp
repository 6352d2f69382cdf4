// Profile files on disk: missing files, CRLF output, crash-safe replacement when writing fails
// (also as root), refusal to overwrite what could not be read, and two processes writing one
// file at the same time.
#include "TProfileFile.h"
#include "TWriteError.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

namespace sudoku {
namespace {

using test::TTestFolder;

const std::string OldText = "[Keep]\r\nk=old value\r\n";

TEST(ProfileFileStorage, MissingFileReadsEmptyAndIsCreatedByTheFirstWrite) {
    TTestFolder dir;
    const std::string name = dir.File("new.ini");
    EXPECT_EQ(TProfileFile::ReadFileString(name, "S", "k", "default"), "default");
    EXPECT_TRUE(TProfileFile::ReadFileSectionNames(name).empty());
    EXPECT_FALSE(std::filesystem::exists(name));

    TProfileFile::WriteFileString(name, "S", "k", "v");
    TProfileFile::WriteFileString(name, "s", "K2", "w");
    EXPECT_EQ(TTestFolder::Contents(name), "[S]\r\nk=v\r\nK2=w\r\n");
    EXPECT_EQ(TProfileFile::ReadFileString(name, "s", "k", ""), "v");
    EXPECT_FALSE(std::filesystem::exists(name + ".tmp"));
}

TEST(ProfileFileStorage, LoadReportsUnreadablePathsButNotMissingOnes) {
    TTestFolder dir;
    TProfileFile file;
    EXPECT_TRUE(file.Load(dir.File("missing.ini")));
    EXPECT_TRUE(file.Load(dir.File("missing/deeper.ini"))); // parent does not exist
    EXPECT_FALSE(file.Load(dir.Path()));                    // a folder is not a file
    EXPECT_TRUE(file.Text().empty());
}

// Each way of making the write fail must raise the error with the file's name and leave the
// old file byte for byte as it was, with no temporary file left behind.
TEST(ProfileFileStorage, FailedWriteKeepsTheOldFileAndNamesIt) {
    struct Case {
        const char* What;
        void (*Block)(const TTestFolder& dir, const std::string& name);
        bool NeedsNonRoot;
    };
    const Case cases[] = {
        {"temporary file name taken by a folder",
         [](const TTestFolder&, const std::string& name) {
             std::filesystem::create_directory(name + ".tmp");
         },
         false},
        {"write-protected file",
         [](const TTestFolder&, const std::string& name) { ::chmod(name.c_str(), 0444); }, true},
        {"read-only folder",
         [](const TTestFolder& dir, const std::string&) {
             std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_read |
                                                          std::filesystem::perms::owner_exec);
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        if (c.NeedsNonRoot && ::geteuid() == 0) {
            continue; // root writes into read-only folders; the other cases cover root
        }
        TTestFolder dir;
        const std::string name = dir.File("sudoku.dat");
        TTestFolder::Put(name, OldText);
        c.Block(dir, name);
        try {
            TProfileFile::WriteFileString(name, "Keep", "k", "new value");
            ADD_FAILURE() << "write reported success";
        } catch (const TWriteError& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + name);
            EXPECT_EQ(e.FileName(), name);
        }
        std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_all);
        EXPECT_EQ(TTestFolder::Contents(name), OldText);
    }
}

TEST(ProfileFileStorage, WriteBelowARegularFileFails) {
    TTestFolder dir;
    TTestFolder::Put(dir.File("plain"), "x");
    const std::string name = dir.File("plain/sudoku.dat");
    EXPECT_THROW(TProfileFile::WriteFileString(name, "S", "k", "v"), TWriteError);
    EXPECT_EQ(TTestFolder::Contents(dir.File("plain")), "x");
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

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        try {
            TProfileFile::WriteFileString(name, "Keep", "k", std::string(8000, 'N'));
        } catch (const TWriteError&) {
            ::_exit(3);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3) << "the cut-off write was not reported";
    EXPECT_EQ(TTestFolder::Contents(name), old);
    EXPECT_FALSE(std::filesystem::exists(name + ".tmp"));
}

TEST(ProfileFileStorage, OversizedFileIsRefusedNotReadAndNotOverwritten) {
    TTestFolder dir;
    const std::string name = dir.File("huge.rsf");
    TTestFolder::Put(name, "[S]\r\nk=v\r\n");
    std::filesystem::resize_file(name, TProfileFile::MaxFileSize + 1); // sparse: no disk used
    TProfileFile file;
    EXPECT_FALSE(file.Load(name));
    EXPECT_TRUE(file.SectionNames().empty());
    EXPECT_THROW(TProfileFile::WriteFileString(name, "S", "k", "w"), TWriteError);
    EXPECT_EQ(std::filesystem::file_size(name), TProfileFile::MaxFileSize + 1);
}

TEST(ProfileFileStorage, UnreadableFileIsNotOverwritten) {
    TTestFolder dir;
    const std::string name = dir.File("sudoku.dat");
    std::filesystem::create_directory(name); // exists but cannot be read as a file
    EXPECT_THROW(TProfileFile::WriteFileString(name, "S", "k", "v"), TWriteError);
    EXPECT_TRUE(std::filesystem::is_directory(name));
}

TEST(ProfileFileStorage, ReplacementKeepsModeAndSymbolicLink) {
    TTestFolder dir;
    const std::string real = dir.File("real.ini");
    const std::string link = dir.File("link.ini");
    TTestFolder::Put(real, OldText);
    ::chmod(real.c_str(), 0644);
    std::filesystem::create_symlink(real, link);

    TProfileFile::WriteFileString(link, "Keep", "k", "new");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(TTestFolder::Contents(real), "[Keep]\r\nk=new\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
}

// Two processes add keys to one file at the same time; with the lock around each
// read-modify-write none of the keys may go missing.
TEST(ProfileFileStorage, ConcurrentWritersLoseNothing) {
    TTestFolder dir;
    const std::string name = dir.File("shared.ini");
    constexpr int PerProcess = 150;
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
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
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
