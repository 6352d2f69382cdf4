// Screen-size layouts of the main window: which layout a screen gets, its scale factor, and
// placing every control at its base geometry times that factor.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

namespace sudoku {

class TScreenLayout {
public:
    // Values of the layout in force (0 = none chosen yet).
    static constexpr int slNone = 0;
    static constexpr int slBase = 2;
    static constexpr int sl800ByWidth = 3;
    static constexpr int sl1024ByWidth = 4;
    static constexpr int slBaseByHeight = 5;
    static constexpr int sl800ByHeight = 6;
    static constexpr int sl1024ByHeight = 7;

    // Screen-size setting: 0 Automatic, 1 Ignore, 2 640 x 480, 3 800 x 600, 4 1024 x 768.
    static int ChooseLayout(int mode, int current, int screenWidth, int screenHeight);
    static double Factor(int layout);
    // x scaled to the layout, rounded to the nearest integer with halves to even.
    static int ScaleValue(int x, int layout);

    // Remembers the base geometry (and base font size) of a control and places it scaled.
    static void Place(QWidget* widget, const QRect& base, int layout);
    // Re-places every control below root that has a base geometry, and root itself.
    static void Apply(QWidget* root, int layout);
    static QRect BaseGeometry(const QWidget* widget);
    // The widget's font at the size its placing gave it, whatever it was set to since.
    static QFont PlacedFont(const QWidget* widget);
    // Moves a top-level window to the middle of the primary screen's free area, or of the whole
    // screen.
    static void CentreOnScreen(QWidget* window, bool wholeScreen = false);
};

} // namespace sudoku
