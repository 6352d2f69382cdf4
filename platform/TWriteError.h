// The failure of writing a data file: carries the file's full path and the user-facing text
// "Unable to write to <path>" that the window shows in its error box.
#pragma once

#include <stdexcept>
#include <string>

namespace sudoku {

class TWriteError : public std::runtime_error {
public:
    explicit TWriteError(const std::string& fileName)
        : std::runtime_error("Unable to write to " + fileName), FileName_(fileName) {}

    const std::string& FileName() const { return FileName_; }

private:
    std::string FileName_;
};

} // namespace sudoku
