// What one page asks of another. The page asking hands it to the window shell with the page
// it is for (TMainForm::Request); the shell passes it on, so no page knows another's class.
#pragma once

#include <QString>

namespace sudoku {

struct TPageRequest {
    enum TKind {
        Open,         // open record Section of FileName; the shell shows the page first
        NewDesign,    // start a new empty design with boxes of BoxCols x BoxRows
        TakeSolution, // take entry Number of the shared solutions list
        Key,          // an item of the grid's menu, as virtual key Number, on the design grid
        ShowLevel,    // show level Number of the Options page in the Play & Solve level label
    };

    TKind Kind = Open;
    QString FileName{};
    QString Section{};
    int Number = 0;
    int BoxCols = 0;
    int BoxRows = 0;
    // With Open on Play & Solve: the game starts again from its givens, the clock at zero.
    bool Replay = false;
};

} // namespace sudoku
