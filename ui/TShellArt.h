// Drawn stand-ins for the splash and about pictures, used when no picture is available.
#pragma once

#include <QRect>
#include <QString>

class QPainter;

namespace sudoku {

class TShellArt {
public:
    // The program's name and release, as the window's title line and the stand-ins show them.
    static constexpr const char* ProgramTitle = "Sudoku Atelier";
    static constexpr const char* ReleaseText = "1.0";

    // A cream card in a frame: a small puzzle motif, the program title, the release and a
    // line of text under them.
    static void PaintTitleCard(QPainter& painter, const QRect& area, const QString& line);
};

} // namespace sudoku
