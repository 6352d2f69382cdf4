// Skinned button: geometry from fractions, the pressed shift, picture choice per state, mouse
// events, placement flags, repainting and rendered pixels.
#include "TBaseBtn.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace sudoku {
namespace {

QPixmap Solid(QSize size, QColor color) {
    QPixmap picture(size);
    picture.fill(color);
    return picture;
}

QImage Render(TBaseBtn& button, QColor background = Qt::white) {
    QImage image(button.size(), QImage::Format_ARGB32);
    image.fill(background);
    QPainter painter(&image);
    button.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.end();
    return image;
}

void SendMouse(QWidget& widget, QEvent::Type type, QPoint pos,
               Qt::MouseButton button = Qt::LeftButton) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::MouseButtons() : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(pos), QPointF(widget.mapToGlobal(pos)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

TEST(BaseBtnDefaults, NewButtonHasDocumentedValues) {
    TBaseBtn button;
    EXPECT_EQ(button.size(), QSize(120, 40));
    EXPECT_EQ(button.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_DOUBLE_EQ(button.FaceWidth(), 0.8);
    EXPECT_DOUBLE_EQ(button.FaceHeight(), 0.5);
    EXPECT_DOUBLE_EQ(button.GlyphWidth(), 0.2);
    EXPECT_DOUBLE_EQ(button.GlyphHeight(), 0.8);
    EXPECT_EQ(button.ShadowColor(), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(button.CaptionPenColor(), QColor(Qt::black));
    EXPECT_TRUE(button.FaceVisible());
    EXPECT_FALSE(button.ButtonIsDown());
    EXPECT_FALSE(button.GlyphCentered());
    EXPECT_FALSE(button.GlyphStretched());
    EXPECT_EQ(button.Brush().style(), Qt::SolidPattern);
    // Face 0.8 x 0.5 of 120 x 40 at the top left.
    EXPECT_EQ(button.FaceRect(), QRect(0, 0, 96, 20));
}

struct GeometryCase {
    QSize size;
    double faceX, faceY, faceW, faceH, shadowX, shadowY, captionX, captionY;
    QRect face, shadow;
    QPoint caption, shift;
};

TEST(BaseBtnGeometry, RectanglesFollowFractionsAtSeveralSizes) {
    const GeometryCase cases[] = {
        // Page-button setting at the three layout sizes.
        {{120, 35},
         0,
         0,
         0.95,
         0.95,
         0.02,
         0.05,
         0.2,
         0.25,
         {0, 0, 114, 33},
         {2, 2, 114, 33},
         {24, 9},
         {2, 2}},
        {{150, 44},
         0,
         0,
         0.95,
         0.95,
         0.02,
         0.05,
         0.2,
         0.25,
         {0, 0, 143, 42},
         {3, 2, 143, 42},
         {30, 11},
         {3, 2}},
        {{192, 56},
         0,
         0,
         0.95,
         0.95,
         0.02,
         0.05,
         0.2,
         0.25,
         {0, 0, 182, 53},
         {4, 3, 182, 53},
         {38, 14},
         {4, 3}},
        // A face away from the corner, and a negative caption offset as on the title buttons.
        {{100, 20},
         0.1,
         0.25,
         0.5,
         0.5,
         0.05,
         0.1,
         0.25,
         -0.1,
         {10, 5, 50, 10},
         {15, 7, 50, 10},
         {25, -2},
         {5, 2}},
        {{14, 14},
         0,
         0,
         0.95,
         0.95,
         0.05,
         0.05,
         0.35,
         -0.05,
         {0, 0, 13, 13},
         {1, 1, 13, 13},
         {5, -1},
         {1, 1}},
    };
    for (const GeometryCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size.width() << "x" << c.size.height());
        TBaseBtn button;
        button.resize(c.size);
        button.SetFaceXOffset(c.faceX);
        button.SetFaceYOffset(c.faceY);
        button.SetFaceWidth(c.faceW);
        button.SetFaceHeight(c.faceH);
        button.SetShadowXOffset(c.shadowX);
        button.SetShadowYOffset(c.shadowY);
        button.SetCaptionXOffset(c.captionX);
        button.SetCaptionYOffset(c.captionY);
        EXPECT_EQ(button.FaceRect(), c.face);
        EXPECT_EQ(button.ShadowRect(), c.shadow);
        EXPECT_EQ(button.CaptionPos(), c.caption);
        EXPECT_EQ(button.PressShift(), c.shift);
        button.SetButtonIsDown(true);
        EXPECT_EQ(button.CaptionPos(), c.caption + c.shift);
    }
}

TEST(BaseBtnGeometry, GlyphPlacementStretchedCentredAndOffset) {
    struct Case {
        QSize size;
        bool stretched, centred;
        double x, y;
        QRect expected;
    };
    const QPixmap picture = Solid({30, 10}, Qt::blue);
    const Case cases[] = {
        {{120, 40}, true, false, 0.1, 0.1, {12, 4, 24, 32}}, // 0.2 x 0.8 of the button
        {{85, 15}, true, false, 0.4, 0.0, {34, 0, 17, 12}},
        {{120, 40}, false, true, 0.9, 0.9, {45, 15, 30, 10}}, // offsets ignored when centred
        {{121, 41}, false, true, 0, 0, {45, 15, 30, 10}},     // (121 - 30) div 2
        {{120, 40}, false, false, 0.25, 0.5, {30, 20, 30, 10}},
    };
    for (const Case& c : cases) {
        TBaseBtn button;
        button.resize(c.size);
        button.SetGlyphStretched(c.stretched);
        button.SetGlyphCentered(c.centred);
        button.SetGlyphXOffset(c.x);
        button.SetGlyphYOffset(c.y);
        button.SetShadowXOffset(0.1);
        button.SetShadowYOffset(0.2);
        EXPECT_EQ(button.GlyphRect(picture), c.expected);
        // Sunk, everything moves by the shadow offsets in pixels.
        button.SetButtonIsDown(true);
        EXPECT_EQ(button.GlyphRect(picture), c.expected.translated(button.PressShift()));
    }
}

TEST(BaseBtnPress, SkinnedPageButtonShiftsOnePixelAndShowsDownPicture) {
    TBaseBtn button;
    button.resize(120, 35);
    button.SetFaceVisible(false);
    button.SetShadowXOffset(0.01);
    button.SetShadowYOffset(0.02);
    button.SetCaptionXOffset(0.2);
    button.SetCaptionYOffset(0.25);
    const QPixmap up = Solid({120, 35}, Qt::red);
    const QPixmap down = Solid({120, 35}, Qt::blue);
    button.SetGlyphUp(up);
    button.SetGlyphDown(down);
    const QPoint restCaption = button.CaptionPos();
    const QRect restGlyph = button.GlyphRect(up);

    SendMouse(button, QEvent::MouseButtonPress, {60, 17});
    EXPECT_TRUE(button.Pressed());
    EXPECT_EQ(button.CurrentGlyph().cacheKey(), down.cacheKey());
    EXPECT_EQ(button.CaptionPos(), restCaption + QPoint(1, 1));
    EXPECT_EQ(button.GlyphRect(down), restGlyph.translated(1, 1));
    const QImage pressed = Render(button);
    EXPECT_EQ(pressed.pixelColor(0, 0), QColor(0x80, 0x80, 0x80)); // sunken frame, grey edge
    EXPECT_EQ(pressed.pixelColor(1, 1), QColor(Qt::blue));         // picture one step in
    EXPECT_EQ(pressed.pixelColor(60, 17), QColor(Qt::blue));

    SendMouse(button, QEvent::MouseButtonRelease, {60, 17});
    EXPECT_FALSE(button.Pressed());
    EXPECT_EQ(button.CaptionPos(), restCaption);
    EXPECT_EQ(Render(button).pixelColor(0, 0), QColor(Qt::red));
}

enum class Shown { None, Up, Down, Disabled };

TEST(BaseBtnPress, PictureChoicePerState) {
    struct Case {
        bool hasUp, hasDown, hasDisabled, upIsDown, enabled, down;
        Shown expected;
    };
    const Case cases[] = {
        {true, true, true, false, true, false, Shown::Up},
        {true, true, true, false, true, true, Shown::Down},
        {true, false, true, false, true, true, Shown::None}, // no down picture
        {true, true, true, true, true, true, Shown::Up},     // up doubles as down
        {true, false, false, true, true, true, Shown::Up},
        {false, true, false, true, true, true, Shown::None}, // up wanted but empty
        {true, true, true, false, false, false, Shown::Disabled},
        {true, true, true, false, false, true, Shown::Disabled}, // disabled beats down
        {true, true, false, false, false, false, Shown::None},
    };
    const QPixmap up = Solid({10, 10}, Qt::red);
    const QPixmap down = Solid({10, 10}, Qt::green);
    const QPixmap disabled = Solid({10, 10}, Qt::gray);
    int row = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(row++);
        TBaseBtn button;
        button.SetGlyphUp(c.hasUp ? up : QPixmap());
        button.SetGlyphDown(c.hasDown ? down : QPixmap());
        button.SetGlyphDisabled(c.hasDisabled ? disabled : QPixmap());
        button.SetGlyphUpIsGlyphDown(c.upIsDown);
        button.setEnabled(c.enabled);
        button.SetButtonIsDown(c.down);
        const QPixmap& shown = button.CurrentGlyph();
        switch (c.expected) {
        case Shown::None:
            EXPECT_TRUE(shown.isNull());
            break;
        case Shown::Up:
            EXPECT_EQ(shown.cacheKey(), up.cacheKey());
            break;
        case Shown::Down:
            EXPECT_EQ(shown.cacheKey(), down.cacheKey());
            break;
        case Shown::Disabled:
            EXPECT_EQ(shown.cacheKey(), disabled.cacheKey());
            break;
        }
    }
}

TEST(BaseBtnPress, UpPictureStandsInForDownDisplaced) {
    TBaseBtn button;
    button.resize(120, 35);
    button.SetFaceVisible(false);
    button.SetShadowXOffset(0.01);
    button.SetShadowYOffset(0.02);
    button.SetGlyphUp(Solid({20, 10}, Qt::red));
    button.SetGlyphUpIsGlyphDown(true);
    button.SetButtonIsDown(true);
    const QImage image = Render(button, Qt::white);
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(20, 10), QColor(Qt::red));
    EXPECT_NE(image.pixelColor(21, 5), QColor(Qt::red));
}

TEST(BaseBtnMouse, ClickOnlyWhenReleasedOverTheButton) {
    struct Step {
        QEvent::Type type;
        QPoint pos;
        Qt::MouseButton button;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        int clicks, doubleClicks;
    };
    const Case cases[] = {
        {"press and release inside",
         {{QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton},
          {QEvent::MouseButtonRelease, {12, 12}, Qt::LeftButton}},
         1,
         0},
        {"released outside",
         {{QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton},
          {QEvent::MouseButtonRelease, {130, 12}, Qt::LeftButton}},
         0,
         0},
        {"released above",
         {{QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton},
          {QEvent::MouseButtonRelease, {10, -1}, Qt::LeftButton}},
         0,
         0},
        {"right button",
         {{QEvent::MouseButtonPress, {10, 10}, Qt::RightButton},
          {QEvent::MouseButtonRelease, {10, 10}, Qt::RightButton}},
         0,
         0},
        {"release without press", {{QEvent::MouseButtonRelease, {10, 10}, Qt::LeftButton}}, 0, 0},
        {"double click",
         {{QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton},
          {QEvent::MouseButtonRelease, {10, 10}, Qt::LeftButton},
          {QEvent::MouseButtonDblClick, {10, 10}, Qt::LeftButton},
          {QEvent::MouseButtonRelease, {10, 10}, Qt::LeftButton}},
         1,
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TBaseBtn button;
        QSignalSpy clicks(&button, &TBaseBtn::OnClick);
        QSignalSpy doubleClicks(&button, &TBaseBtn::OnDblClick);
        QSignalSpy downs(&button, &TBaseBtn::OnMouseDown);
        QSignalSpy ups(&button, &TBaseBtn::OnMouseUp);
        int presses = 0;
        int releases = 0;
        for (const Step& s : c.steps) {
            SendMouse(button, s.type, s.pos, s.button);
            presses += s.type != QEvent::MouseButtonRelease;
            releases += s.type == QEvent::MouseButtonRelease;
        }
        EXPECT_EQ(clicks.count(), c.clicks);
        EXPECT_EQ(doubleClicks.count(), c.doubleClicks);
        EXPECT_EQ(downs.count(), presses);
        EXPECT_EQ(ups.count(), releases);
        EXPECT_FALSE(button.Pressed());
    }
}

TEST(BaseBtnMouse, PressedFlagFollowsLeftButtonAndClearsWhenDisabled) {
    TBaseBtn button;
    SendMouse(button, QEvent::MouseButtonPress, {5, 5}, Qt::RightButton);
    EXPECT_FALSE(button.Pressed());
    SendMouse(button, QEvent::MouseButtonPress, {5, 5});
    EXPECT_TRUE(button.Pressed());
    EXPECT_TRUE(button.ShowsDown());
    button.setEnabled(false);
    EXPECT_FALSE(button.Pressed());
    button.setEnabled(true);
    EXPECT_FALSE(button.ShowsDown());
}

TEST(BaseBtnMouse, MouseInAndOutRaisedOncePerCrossing) {
    TBaseBtn button;
    QSignalSpy in(&button, &TBaseBtn::OnMouseIn);
    QSignalSpy out(&button, &TBaseBtn::OnMouseOut);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &enter);
    EXPECT_TRUE(button.MouseInside());
    QApplication::sendEvent(&button, &enter); // a repeated enter is not a new crossing
    QApplication::sendEvent(&button, &leave);
    EXPECT_FALSE(button.MouseInside());
    QApplication::sendEvent(&button, &leave);
    QApplication::sendEvent(&button, &enter);
    EXPECT_EQ(in.count(), 2);
    EXPECT_EQ(out.count(), 1);
}

TEST(BaseBtnFlags, CentredAndStretchedExcludeEachOther) {
    TBaseBtn button;
    button.SetGlyphCentered(true);
    EXPECT_TRUE(button.GlyphCentered());
    button.SetGlyphStretched(true);
    EXPECT_TRUE(button.GlyphStretched());
    EXPECT_FALSE(button.GlyphCentered());
    button.SetGlyphCentered(true);
    EXPECT_TRUE(button.GlyphCentered());
    EXPECT_FALSE(button.GlyphStretched());
    // Clearing one leaves the other alone.
    button.SetGlyphStretched(false);
    EXPECT_TRUE(button.GlyphCentered());
    button.SetGlyphCentered(false);
    EXPECT_FALSE(button.GlyphCentered());
    EXPECT_FALSE(button.GlyphStretched());
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

TEST(BaseBtnRepaint, EveryPropertyChangeRepaints) {
    QWidget window;
    window.resize(200, 80);
    TBaseBtn button(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    PaintCounter counter;
    button.installEventFilter(&counter);
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"brush", [&] { button.SetBrush(QBrush(Qt::red)); }},
        {"pen", [&] { button.SetPen(QPen(Qt::blue)); }},
        {"caption", [&] { button.SetCaption(QStringLiteral("Ok")); }},
        {"font colour", [&] { button.SetFontColor(Qt::green); }},
        {"down", [&] { button.SetButtonIsDown(true); }},
        {"hot", [&] { button.SetButtonIsHot(true); }},
        {"face width", [&] { button.SetFaceWidth(0.5); }},
        {"face visible", [&] { button.SetFaceVisible(false); }},
        {"shadow offset", [&] { button.SetShadowYOffset(0.1); }},
        {"shadow colour", [&] { button.SetShadowColor(Qt::black); }},
        {"caption offset", [&] { button.SetCaptionXOffset(0.3); }},
        {"rounding", [&] { button.SetCaptionXRound(6); }},
        {"glyph",
         [&] {
             button.SetGlyphUp(Solid({4, 4}, Qt::red));
         }},
        {"glyph centred", [&] { button.SetGlyphCentered(true); }},
        {"glyph stretched", [&] { button.SetGlyphStretched(true); }},
        {"enabled", [&] { button.setEnabled(false); }},
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

TEST(BaseBtnPixels, DrawnFaceShadowAndCaption) {
    TBaseBtn button;
    button.resize(100, 40);
    button.SetFaceWidth(0.8);
    button.SetFaceHeight(0.5);
    button.SetShadowXOffset(0.1);
    button.SetShadowYOffset(0.25);
    button.SetShadowColor(Qt::black);
    button.SetBrush(QBrush(Qt::red));
    button.SetPen(QPen(Qt::blue, 1));
    // Face (0,0)-(80,20); shadow (10,10)-(90,30).
    QImage image = Render(button);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::blue));    // outline
    EXPECT_EQ(image.pixelColor(79, 19), QColor(Qt::blue));  // last face pixel
    EXPECT_EQ(image.pixelColor(40, 10), QColor(Qt::red));   // face
    EXPECT_EQ(image.pixelColor(85, 25), QColor(Qt::black)); // shadow only
    EXPECT_EQ(image.pixelColor(95, 35), QColor(Qt::white)); // outside both
    EXPECT_EQ(image.pixelColor(5, 25), QColor(Qt::white));

    // Pressed, the face sinks onto the shadow and the shadow is gone.
    button.SetButtonIsDown(true);
    image = Render(button);
    EXPECT_EQ(image.pixelColor(85, 25), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::white));

    // A caption of one full block glyph: its top-left follows the caption offsets.
    button.SetButtonIsDown(false);
    button.SetFaceVisible(false);
    QFont font = button.font();
    font.setPixelSize(20);
    button.setFont(font);
    button.SetCaption(QString(QChar(0x2588)));
    button.SetFontColor(Qt::green);
    button.SetCaptionXOffset(0.5);
    button.SetCaptionYOffset(0.25);
    image = Render(button);
    EXPECT_EQ(image.pixelColor(54, 20), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(45, 20), QColor(Qt::white));
    button.setEnabled(false);
    image = Render(button);
    const QColor grey = image.pixelColor(54, 20);
    EXPECT_EQ(grey, button.palette().color(QPalette::Disabled, QPalette::WindowText));
    EXPECT_EQ(grey.red(), grey.green());
    EXPECT_EQ(grey.green(), grey.blue());
}

TEST(BaseBtnPixels, CaptionOutlineCopySitsOnePixelUpLeft) {
    TBaseBtn button;
    button.resize(100, 40);
    button.SetFaceVisible(false);
    QFont font = button.font();
    font.setPixelSize(20);
    button.setFont(font);
    button.SetCaption(QString(QChar(0x2588)));
    button.SetFontColor(Qt::green);
    button.SetCaptionPenColor(Qt::magenta);
    button.SetCaptionPenVisible(true);
    button.SetCaptionXOffset(0.5);
    button.SetCaptionYOffset(0.25);
    const QImage image = Render(button);
    // Extents of the pixels mostly of each colour (the glyph's edges are antialiased).
    QRect green;
    QRect magenta;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.green() > 128 && c.red() < 128 && c.blue() < 128)
                green |= QRect(x, y, 1, 1);
            if (c.red() > 128 && c.blue() > 128 && c.green() < 128)
                magenta |= QRect(x, y, 1, 1);
        }
    ASSERT_FALSE(green.isEmpty());
    ASSERT_FALSE(magenta.isEmpty());
    EXPECT_EQ(magenta.left(), green.left() - 1);
    EXPECT_EQ(magenta.top(), green.top() - 1);
    EXPECT_LE(magenta.right(), green.right());
    EXPECT_LE(magenta.bottom(), green.bottom());
}

TEST(BaseBtnPixels, HotFrameOnlyWhenFaceHiddenAndUp) {
    TBaseBtn button;
    button.resize(30, 20);
    button.SetFaceVisible(false);
    button.SetButtonIsHot(true);
    QImage image = Render(button, Qt::black);
    EXPECT_EQ(image.pixelColor(10, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(0, 10), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(10, 19), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(image.pixelColor(29, 10), QColor(0x80, 0x80, 0x80));
    button.SetFaceVisible(true);
    button.SetBrush(QBrush(Qt::yellow));
    button.SetPen(QPen(Qt::NoPen));
    image = Render(button, Qt::black);
    EXPECT_EQ(image.pixelColor(29, 10), QColor(Qt::black)); // no frame with a face
}

TEST(BaseBtnPixels, ClipRegionLimitsPainting) {
    TBaseBtn button;
    button.resize(40, 40);
    button.SetFaceWidth(1);
    button.SetFaceHeight(1);
    button.SetBrush(QBrush(Qt::red));
    button.SetPen(QPen(Qt::NoPen));
    button.SetClipRegion(QRegion(0, 0, 20, 40));
    const QImage image = Render(button);
    EXPECT_EQ(image.pixelColor(10, 20), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(30, 20), QColor(Qt::white));
}

} // namespace
} // namespace sudoku
