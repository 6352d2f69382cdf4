// The real clock: system time and real blocking waits.
#include "TSystemShellClock.h"

#include <QThread>

namespace sudoku {

QDateTime TSystemShellClock::Now() const {
    return QDateTime::currentDateTime();
}

void TSystemShellClock::Delay(int ms) {
    if (ms > 0) {
        QThread::msleep(static_cast<unsigned long>(ms));
    }
}

} // namespace sudoku
