// Time as the window sees it: the current moment and the blocking waits of the splash, the
// farewell window and the cell blinks. Tests replace it to make waits instant.
#pragma once

#include <QDateTime>

namespace sudoku {

class TShellClock {
public:
    virtual ~TShellClock() = default;
    virtual QDateTime Now() const = 0;
    // Blocks the calling thread for ms milliseconds.
    virtual void Delay(int ms) = 0;
};

} // namespace sudoku
