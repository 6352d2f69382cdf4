// Advisory whole-file lock through flock(2) on a lock file beside the data file.
#include "TFileLock.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace sudoku {

TFileLock::TFileLock(const std::string& fileName, TMode mode, std::chrono::milliseconds wait) {
    const std::string lockName = fileName + ".lock";
    Fd_ = ::open(lockName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (Fd_ < 0) {
        Fd_ = ::open(lockName.c_str(), O_RDONLY | O_CLOEXEC);
    }
    if (Fd_ < 0) {
        return;
    }
    // Anybody who can read the lock file can hold its lock, so it is asked for without
    // blocking, again and again with growing pauses, until the wait is over.
    const int op = (mode == TMode::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    auto pause = std::chrono::milliseconds(1);
    while (::flock(Fd_, op) != 0) {
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK) {
            ::close(Fd_);
            Fd_ = -1;
            return;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            ::close(Fd_);
            Fd_ = -1;
            Busy_ = true;
            return;
        }
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(pause, deadline - now));
        pause = std::min(pause * 2, std::chrono::milliseconds(5));
    }
}

TFileLock::~TFileLock() {
    if (Fd_ >= 0) {
        ::flock(Fd_, LOCK_UN);
        ::close(Fd_);
    }
}

} // namespace sudoku
