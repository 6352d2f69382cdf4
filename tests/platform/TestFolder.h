// A fresh temporary folder per test, removed with everything in it afterwards, a limit on file
// sizes that makes writes fail, and the text of the error a failed write raises.
#pragma once

#include "TWriteError.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/resource.h>

namespace sudoku::test {

class TTestFolder {
public:
    TTestFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "sudoku-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        Path_ = pattern;
    }
    ~TTestFolder() {
        std::error_code ec;
        std::filesystem::permissions(Path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(Path_, ec);
    }
    TTestFolder(const TTestFolder&) = delete;
    TTestFolder& operator=(const TTestFolder&) = delete;

    const std::string& Path() const { return Path_; }
    std::string File(const std::string& name) const { return Path_ + "/" + name; }

    static std::string Contents(const std::string& fileName) {
        std::ifstream in(fileName, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    static void Put(const std::string& fileName, const std::string& text) {
        std::ofstream(fileName, std::ios::binary | std::ios::trunc) << text;
    }
    // Writes text or bytes to a file of the folder and gives its path.
    template <class Data> std::string Write(const std::string& name, const Data& data) const {
        Put(File(name), std::string(data.begin(), data.end()));
        return File(name);
    }

private:
    std::string Path_;
};

// While alive, no file of this process can grow past `bytes`, root included: such writes fail
// instead of raising SIGXFSZ.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes) : OldHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &Old_);
        const rlimit limit{bytes, Old_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &Old_);
        std::signal(SIGXFSZ, OldHandler_);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit Old_{};
    void (*OldHandler_)(int);
};

// The text of the write error the call raises, or "write reported success".
template <class Write> std::string WriteError(Write&& write) {
    try {
        write();
    } catch (const TWriteError& e) {
        return e.what();
    }
    return "write reported success";
}

} // namespace sudoku::test
