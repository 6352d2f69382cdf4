// Advisory lock on a data file, held for one read-modify-write so that two running programs
// (two users sharing a file) never lose each other's changes.
#pragma once

#include <chrono>
#include <string>

namespace sudoku {

class TFileLock {
public:
    enum class TMode { Shared, Exclusive };
    static constexpr std::chrono::milliseconds DefaultWait{3000};

    // Locks the companion file `fileName` + ".lock", creating it when needed. When the lock
    // file cannot be opened (a folder without write access) the lock is simply not held:
    // reading still works and a write fails on its own with a proper error. When another
    // process holds the lock for the whole `wait`, it is not held either and Busy() says so.
    TFileLock(const std::string& fileName, TMode mode,
              std::chrono::milliseconds wait = DefaultWait);
    ~TFileLock();
    TFileLock(const TFileLock&) = delete;
    TFileLock& operator=(const TFileLock&) = delete;

    bool Held() const { return Fd_ >= 0; }
    bool Busy() const { return Busy_; }

private:
    int Fd_ = -1;
    bool Busy_ = false;
};

} // namespace sudoku
