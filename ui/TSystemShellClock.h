// The real clock: system time and real blocking waits.
#pragma once

#include "TShellClock.h"

namespace sudoku {

class TSystemShellClock : public TShellClock {
public:
    QDateTime Now() const override;
    void Delay(int ms) override;
};

} // namespace sudoku
