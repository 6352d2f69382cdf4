// Time as the window sees it: the current moment and the blocking waits of the splash, the
// farewell window and the cell blinks. Tests replace it to make waits instant.
#pragma once

#include "SuDoKuDateTime.h"

#include <QDateTime>

namespace sudoku {

class TShellClock {
public:
    virtual ~TShellClock() = default;
    virtual QDateTime Now() const = 0;
    // Blocks the calling thread for ms milliseconds.
    virtual void Delay(int ms) = 0;

    // Now() as the data files count time: days since 30 December 1899.
    TDateTime NowDays() const {
        const QDateTime now = Now();
        const QDate date = now.date();
        const QTime time = now.time();
        return EncodeDateTime(TDateTimeParts{date.year(), date.month(), date.day(), time.hour(),
                                             time.minute(), time.second(), time.msec()});
    }
};

} // namespace sudoku
