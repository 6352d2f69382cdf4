// Background control: where each draw style puts the picture, the fill and frame painted over
// it, and repainting when the background changes.
#include "TBkControl.h"
#include "UiTestSupport.h"

namespace sudoku {
namespace {

// A picture whose pixel colour encodes its own position, so a rendered pixel tells which
// picture pixel landed there.
QPixmap Coded(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, QColor(10 + x, 10 + y, 200));
    return QPixmap::fromImage(image);
}

QImage Render(TBkControl& control) {
    return test::RenderWidget(control, Qt::black, QImage::Format_RGB32);
}

void ClearFillAndFrame(TBkControl& control) {
    control.Background().SetBrush(Qt::NoBrush);
    control.Background().SetPen(Qt::NoPen);
}

TEST(BkControlPlaces, EachDrawStyle) {
    struct Case {
        TImageDrawStyle style;
        QPoint offset;
        QList<QPoint> expected;
    };
    const Case cases[] = {
        {idsCenter, {0, 0}, {{35, 15}}},
        {idsCenter, {3, -2}, {{38, 13}}},
        {idsTopLeft, {4, 5}, {{4, 5}}},
        {idsStretch, {0, 0}, {{0, 0}}},
        {idsHide, {0, 0}, {}},
        {idsAlongside, {0, 0}, {}}, // every 30 x 20 step, checked below
        // Tiling starts at the offset and stops once a tile's corner leaves the control.
        {idsAlongside, {50, 25}, {{50, 25}, {80, 25}, {50, 45}, {80, 45}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.style));
        TBkControl control;
        control.resize(100, 50);
        control.Background().SetImage(Coded({30, 20}));
        control.Background().SetImageDrawStyle(c.style);
        control.SetPictureOffset(c.offset);
        QList<QPoint> expected = c.expected;
        if (c.style == idsAlongside && expected.isEmpty())
            for (int y = 0; y < 50; y += 20)
                for (int x = 0; x < 100; x += 30)
                    expected << QPoint(x, y);
        EXPECT_EQ(control.PicturePlaces(), expected);
    }
    // Without a picture there is nothing to place in the default tiling style.
    TBkControl empty;
    EXPECT_EQ(empty.Background().ImageDrawStyle(), idsAlongside);
    EXPECT_TRUE(empty.PicturePlaces().isEmpty());
}

TEST(BkControlPixels, TilesFillTheControlAndAreCutAtTheEdge) {
    TBkControl control;
    control.resize(100, 50);
    ClearFillAndFrame(control);
    control.Background().SetImage(Coded({30, 20}));
    const QImage image = Render(control);
    // Pixel (x, y) shows picture pixel (x mod 30, y mod 20), up to the last row and column.
    for (const QPoint p :
         {QPoint(0, 0), QPoint(29, 19), QPoint(31, 22), QPoint(99, 49), QPoint(95, 41)})
        EXPECT_EQ(image.pixelColor(p), QColor(10 + p.x() % 30, 10 + p.y() % 20, 200))
            << p.x() << "," << p.y();
}

TEST(BkControlPixels, CentredAndTopLeftLeaveTheRestUntouched) {
    TBkControl control;
    control.resize(100, 50);
    ClearFillAndFrame(control);
    control.Background().SetImage(Coded({30, 20}));
    control.Background().SetImageDrawStyle(idsCenter);
    QImage image = Render(control);
    EXPECT_EQ(image.pixelColor(35, 15), QColor(10, 10, 200));
    EXPECT_EQ(image.pixelColor(64, 34), QColor(39, 29, 200));
    EXPECT_EQ(image.pixelColor(34, 15), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(65, 35), QColor(Qt::black));

    control.Background().SetImageDrawStyle(idsHide);
    image = Render(control);
    EXPECT_EQ(image.pixelColor(50, 25), QColor(Qt::black));
}

TEST(BkControlPixels, StretchCoversTheWholeControl) {
    TBkControl control;
    control.resize(90, 60);
    ClearFillAndFrame(control);
    QPixmap red(3, 3);
    red.fill(Qt::red);
    control.Background().SetImage(red);
    control.Background().SetImageDrawStyle(idsStretch);
    const QImage image = Render(control);
    for (const QPoint p : {QPoint(0, 0), QPoint(89, 59), QPoint(89, 0), QPoint(0, 59)})
        EXPECT_EQ(image.pixelColor(p), QColor(Qt::red)) << p.x() << "," << p.y();
}

TEST(BkControlPixels, DialogSurfaceIsCreamInsideABlackFrame) {
    TBkControl control;
    control.resize(400, 150);
    control.Background().SetBrush(QBrush(QColor(0xFF, 0xFF, 0xF2)));
    control.Background().SetPen(QPen(Qt::black, 1));
    const QImage image = Render(control);
    for (const QPoint p :
         {QPoint(0, 0), QPoint(399, 0), QPoint(0, 149), QPoint(399, 149), QPoint(200, 149)})
        EXPECT_EQ(image.pixelColor(p), QColor(Qt::black)) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(1, 1), QPoint(398, 148), QPoint(200, 75)})
        EXPECT_EQ(image.pixelColor(p), QColor(0xFF, 0xFF, 0xF2)) << p.x() << "," << p.y();
}

TEST(BkControlPixels, FillIsPaintedOverThePicture) {
    TBkControl control;
    control.resize(60, 40);
    control.Background().SetImage(Coded({10, 10}));
    control.Background().SetBrush(QBrush(Qt::blue));
    control.Background().SetPen(Qt::NoPen);
    const QImage image = Render(control);
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(59, 39), QColor(Qt::blue));
}

TEST(BkControlRepaint, BackgroundChangesRepaintTheControl) {
    QWidget window;
    window.resize(120, 120);
    TBkControl control(&window);
    test::ExpectEachChangeRepaints(
        window, control,
        {{"brush", [&] { control.Background().SetBrush(QBrush(Qt::red)); }},
         {"pen", [&] { control.Background().SetPen(QPen(Qt::green)); }},
         {"image",
          [&] {
              control.Background().SetImage(Coded({5, 5}));
          }},
         {"style", [&] { control.Background().SetImageDrawStyle(idsCenter); }},
         {"offset", [&] {
              control.SetPictureOffset({2, 2});
          }}});
}

} // namespace
} // namespace sudoku
