// Background control: where each draw style puts the picture, the fill and frame painted over
// it, and repainting when the background changes.
#include "TBkControl.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTest>

#include <functional>

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
    QImage image(control.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    control.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
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
        {idsAlongside,
         {0, 0},
         {{0, 0},
          {30, 0},
          {60, 0},
          {90, 0},
          {0, 20},
          {30, 20},
          {60, 20},
          {90, 20},
          {0, 40},
          {30, 40},
          {60, 40},
          {90, 40}}},
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
        EXPECT_EQ(control.PicturePlaces(), c.expected);
    }
}

TEST(BkControlPlaces, NoPictureNoPlaces) {
    TBkControl control;
    EXPECT_EQ(control.size(), QSize(100, 100));
    EXPECT_EQ(control.Background().ImageDrawStyle(), idsAlongside);
    EXPECT_TRUE(control.PicturePlaces().isEmpty());
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

class PaintCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

TEST(BkControlRepaint, BackgroundChangesRepaintTheControl) {
    QWidget window;
    window.resize(120, 120);
    TBkControl control(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    PaintCounter counter;
    control.installEventFilter(&counter);
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"brush", [&] { control.Background().SetBrush(QBrush(Qt::red)); }},
        {"pen", [&] { control.Background().SetPen(QPen(Qt::green)); }},
        {"image",
         [&] {
             control.Background().SetImage(Coded({5, 5}));
         }},
        {"style", [&] { control.Background().SetImageDrawStyle(idsCenter); }},
        {"offset",
         [&] {
             control.SetPictureOffset({2, 2});
         }},
    };
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        QApplication::processEvents();
        counter.count = 0;
        change();
        QElapsedTimer timer;
        timer.start();
        while (counter.count == 0 && timer.elapsed() < 2000)
            QTest::qWait(5);
        EXPECT_GT(counter.count, 0);
    }
}

} // namespace
} // namespace sudoku
