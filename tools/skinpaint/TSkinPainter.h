// Draws the program's own skin set with QPainter: window backgrounds, button faces in three
// states, the splash and the about pictures, at the base size or an enlarged layout.
#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>

class QPainter;

namespace sudoku {

class TSkinPainter {
public:
    enum class TButtonState { Up, Down, Disabled };
    enum class TButtonShape { Large, Small, Title };

    // factor is the layout's scale (1, 1.25 or 1.6); sizes are the base sizes times the
    // factor, rounded as the window rounds them.
    static QSize ScaledSize(QSize base, double factor);

    static QImage Background(double factor);
    static QImage Button(TButtonShape shape, TButtonState state, double factor);
    static QImage Intro();
    static QImage About();

    // The emblem: a small 9 x 9 grid on a rounded tile, filling the square rect.
    static void DrawEmblem(QPainter& painter, const QRectF& rect);
};

} // namespace sudoku
