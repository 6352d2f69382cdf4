// Background control: where each draw style puts the picture, and the fill and frame painted
// over it.
#include "TBkControl.h"
#include "UiTestSupport.h"

#include <vector>

namespace sudoku {
namespace {

// The colour of picture pixel p: a rendered pixel tells which picture pixel landed there.
QColor Code(QPoint p) {
    return QColor(10 + p.x(), 10 + p.y(), 200);
}

QPixmap Coded(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, Code({x, y}));
    return QPixmap::fromImage(image);
}

QImage Render(TBkControl& control) {
    return test::RenderWidget(control, Qt::black, QImage::Format_RGB32);
}

TEST(BkControl, DrawStylesPlaceThePictureUnderTheFillAndFrame) {
    const QPoint none(-1, -1); // the black the control was drawn on
    struct Case {
        TImageDrawStyle Style;
        QPoint Offset;
        std::vector<std::pair<QPoint, QPoint>> Pixels; // control pixel, picture pixel
    };
    // A 30 x 20 picture on a 100 x 50 control. Tiles are cut at the edge; tiling from an offset
    // leaves what lies before it.
    const Case cases[] = {
        {idsAlongside, {}, {{{0, 0}, {0, 0}}, {{31, 22}, {1, 2}}, {{99, 49}, {9, 9}}}},
        {idsAlongside, {50, 25}, {{{50, 25}, {0, 0}}, {{99, 49}, {19, 4}}, {{49, 30}, none}}},
        {idsCenter, {}, {{{35, 15}, {0, 0}}, {{64, 34}, {29, 19}}, {{34, 15}, none}}},
        {idsCenter, {3, -2}, {{{38, 13}, {0, 0}}, {{68, 32}, none}}},
        {idsTopLeft, {4, 5}, {{{4, 5}, {0, 0}}, {{3, 5}, none}, {{34, 25}, none}}},
        {idsHide, {}, {{{50, 25}, none}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.Style) << " at " << c.Offset.x());
        TBkControl control;
        control.resize(100, 50);
        control.Background().SetBrush(Qt::NoBrush);
        control.Background().SetPen(Qt::NoPen);
        control.Background().SetImage(Coded({30, 20}));
        control.Background().SetImageDrawStyle(c.Style);
        control.SetPictureOffset(c.Offset);
        const QImage image = Render(control);
        for (const auto& [at, from] : c.Pixels)
            EXPECT_EQ(image.pixelColor(at), from == none ? QColor(Qt::black) : Code(from))
                << at.x() << "," << at.y();
    }

    // Stretched, the picture covers the whole control.
    TBkControl control;
    control.resize(90, 60);
    control.Background().SetBrush(Qt::NoBrush);
    control.Background().SetPen(Qt::NoPen);
    control.Background().SetImage(test::Solid({3, 3}, Qt::red));
    control.Background().SetImageDrawStyle(idsStretch);
    const QImage stretched = Render(control);
    for (const QPoint p : {QPoint(0, 0), QPoint(89, 59), QPoint(89, 0), QPoint(0, 59)})
        EXPECT_EQ(stretched.pixelColor(p), QColor(Qt::red)) << p.x() << "," << p.y();

    // The dialog surface: cream fill over the picture inside a black frame.
    control.resize(400, 150);
    control.Background().SetBrush(QBrush(QColor(0xFF, 0xFF, 0xF2)));
    control.Background().SetPen(QPen(Qt::black, 1));

    const QImage image = Render(control);
    for (const QPoint p : {QPoint(0, 0), QPoint(399, 0), QPoint(0, 149), QPoint(399, 149)})
        EXPECT_EQ(image.pixelColor(p), QColor(Qt::black)) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(1, 1), QPoint(398, 148), QPoint(205, 75)})
        EXPECT_EQ(image.pixelColor(p), QColor(0xFF, 0xFF, 0xF2)) << p.x() << "," << p.y();
}

} // namespace
} // namespace sudoku
