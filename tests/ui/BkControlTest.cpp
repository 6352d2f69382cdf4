// Background control: where each draw style the windows use puts the picture, and the fill and
// frame painted over it.
#include "TBkControl.h"
#include "UiTestSupport.h"

#include <vector>

namespace sudoku {
namespace {

// The colour of picture pixel p: a rendered pixel tells which picture pixel landed there.
QColor Code(QPoint p) {
    return QColor(10 + p.x(), 10 + p.y(), 200);
}

TEST(BkControl, DrawStylesPlaceThePictureUnderTheFillAndFrame) {
    QImage coded(30, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            coded.setPixelColor(x, y, Code({x, y}));
    const QPoint none(-1, -1); // the black the control was drawn on
    // A 30 x 20 picture on a 100 x 50 control: control pixel and the picture pixel it shows.
    // Tiles are cut at the edge.
    const std::pair<TImageDrawStyle, std::vector<std::pair<QPoint, QPoint>>> cases[] = {
        {idsAlongside, {{{0, 0}, {0, 0}}, {{31, 22}, {1, 2}}, {{99, 49}, {9, 9}}}},
        {idsCenter, {{{35, 15}, {0, 0}}, {{64, 34}, {29, 19}}, {{34, 15}, none}, {{65, 35}, none}}},
        {idsTopLeft, {{{0, 0}, {0, 0}}, {{29, 19}, {29, 19}}, {{30, 5}, none}, {{5, 20}, none}}},
    };
    for (const auto& [style, pixels] : cases) {
        SCOPED_TRACE(int(style));
        TBkControl control;
        control.resize(100, 50);
        control.Background().SetBrush(Qt::NoBrush);
        control.Background().SetPen(Qt::NoPen);
        control.Background().SetImage(QPixmap::fromImage(coded));
        control.Background().SetImageDrawStyle(style);
        const QImage image = test::RenderWidget(control, Qt::black, QImage::Format_RGB32);
        for (const auto& [at, from] : pixels)
            EXPECT_EQ(image.pixelColor(at), from == none ? QColor(Qt::black) : Code(from))
                << at.x() << "," << at.y();
    }

    // The dialog surface: cream fill over the picture inside a black frame.
    TBkControl control;
    control.resize(400, 150);
    control.Background().SetImage(QPixmap::fromImage(coded));
    control.Background().SetBrush(QBrush(QColor(0xFF, 0xFF, 0xF2)));
    control.Background().SetPen(QPen(Qt::black, 1));
    const QImage image = test::RenderWidget(control, Qt::black, QImage::Format_RGB32);
    for (const QPoint p : {QPoint(0, 0), QPoint(399, 0), QPoint(0, 149), QPoint(399, 149)})
        EXPECT_EQ(image.pixelColor(p), QColor(Qt::black)) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(1, 1), QPoint(398, 148), QPoint(205, 75)})
        EXPECT_EQ(image.pixelColor(p), QColor(0xFF, 0xFF, 0xF2)) << p.x() << "," << p.y();
}

} // namespace
} // namespace sudoku
