// Advisory whole-file lock through flock(2) on a lock file beside the data file.
#include "TFileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace sudoku {

TFileLock::TFileLock(const std::string& fileName, TMode mode) {
    const std::string lockName = fileName + ".lock";
    Fd_ = ::open(lockName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (Fd_ < 0) {
        Fd_ = ::open(lockName.c_str(), O_RDONLY | O_CLOEXEC);
    }
    if (Fd_ < 0) {
        return;
    }
    const int op = mode == TMode::Exclusive ? LOCK_EX : LOCK_SH;
    int rc;
    do {
        rc = ::flock(Fd_, op);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        ::close(Fd_);
        Fd_ = -1;
    }
}

TFileLock::~TFileLock() {
    if (Fd_ >= 0) {
        ::flock(Fd_, LOCK_UN);
        ::close(Fd_);
    }
}

} // namespace sudoku
