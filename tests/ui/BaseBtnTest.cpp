// Skinned button: geometry from fractions, the pressed shift, picture choice per state, mouse
// events, placement flags, repainting and rendered pixels.
#include "TBaseBtn.h"
#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QMouseEvent>
#include <QSignalSpy>

namespace sudoku {
namespace {

using test::RenderWidget;
using test::Solid;

QImage Render(TBaseBtn& button, QColor background = Qt::white) {
    return RenderWidget(button, background);
}

void SendMouse(QWidget& widget, QEvent::Type type, QPoint pos,
               Qt::MouseButton button = Qt::LeftButton) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::MouseButtons() : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(pos), QPointF(widget.mapToGlobal(pos)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// A caption of one full block glyph, 20 pixels high, on a button without a face.
void BlockCaption(TBaseBtn& button) {
    button.resize(100, 40);
    button.SetFaceVisible(false);
    QFont font = button.font();
    font.setPixelSize(20);
    button.setFont(font);
    button.SetCaption(QString(QChar(0x2588)));
    button.SetFontColor(Qt::green);
    button.SetCaptionXOffset(0.5);
    button.SetCaptionYOffset(0.25);
}

TEST(BaseBtnGeometry, RectanglesFollowFractionsAtSeveralSizes) {
    // In: width, height, then face x, y, w, h, shadow x, y and caption x, y in hundredths.
    // Out: face rectangle, shadow corner (the shadow has the face's size), caption, press shift.
    struct Case {
        int in[10];
        int out[10];
    };
    // The page-button setting at the three layout sizes, a face away from the corner with a
    // negative caption offset as on the title buttons, and the title button itself.
    const Case cases[] = {
        {{120, 35, 0, 0, 95, 95, 2, 5, 20, 25}, {0, 0, 114, 33, 2, 2, 24, 9, 2, 2}},
        {{150, 44, 0, 0, 95, 95, 2, 5, 20, 25}, {0, 0, 143, 42, 3, 2, 30, 11, 3, 2}},
        {{192, 56, 0, 0, 95, 95, 2, 5, 20, 25}, {0, 0, 182, 53, 4, 3, 38, 14, 4, 3}},
        {{100, 20, 10, 25, 50, 50, 5, 10, 25, -10}, {10, 5, 50, 10, 15, 7, 25, -2, 5, 2}},
        {{14, 14, 0, 0, 95, 95, 5, 5, 35, -5}, {0, 0, 13, 13, 1, 1, 5, -1, 1, 1}},
    };
    for (const Case& c : cases) {
        const int* in = c.in;
        const int* out = c.out;
        SCOPED_TRACE(testing::Message() << in[0] << "x" << in[1]);
        TBaseBtn button;
        button.resize(in[0], in[1]);
        button.SetFaceXOffset(in[2] / 100.0);
        button.SetFaceYOffset(in[3] / 100.0);
        button.SetFaceWidth(in[4] / 100.0);
        button.SetFaceHeight(in[5] / 100.0);
        button.SetShadowXOffset(in[6] / 100.0);
        button.SetShadowYOffset(in[7] / 100.0);
        button.SetCaptionXOffset(in[8] / 100.0);
        button.SetCaptionYOffset(in[9] / 100.0);
        const QRect face(out[0], out[1], out[2], out[3]);
        EXPECT_EQ(button.FaceRect(), face);
        EXPECT_EQ(button.ShadowRect(), face.translated(-face.topLeft() + QPoint(out[4], out[5])));
        EXPECT_EQ(button.CaptionPos(), QPoint(out[6], out[7]));
        EXPECT_EQ(button.PressShift(), QPoint(out[8], out[9]));
        button.SetButtonIsDown(true);
        EXPECT_EQ(button.CaptionPos(), QPoint(out[6] + out[8], out[7] + out[9]));
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

    // Set to double as the down picture, the up picture is displaced the same way.
    button.SetGlyphUp(Solid({20, 10}, Qt::red));
    button.SetGlyphDown(QPixmap());
    button.SetGlyphUpIsGlyphDown(true);
    button.SetButtonIsDown(true);
    const QImage standIn = Render(button);
    EXPECT_EQ(standIn.pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(standIn.pixelColor(20, 10), QColor(Qt::red));
    EXPECT_NE(standIn.pixelColor(21, 5), QColor(Qt::red));
}

TEST(BaseBtnPress, PictureChoicePerState) {
    struct Case {
        bool hasUp, hasDown, hasDisabled, upIsDown, enabled, down;
        int expected; // 0 none, 1 up, 2 down, 3 disabled
    };
    const Case cases[] = {
        {true, true, true, false, true, false, 1},
        {true, true, true, false, true, true, 2},
        {true, false, true, false, true, true, 0}, // no down picture
        {true, true, true, true, true, true, 1},   // up doubles as down
        {true, false, false, true, true, true, 1},
        {false, true, false, true, true, true, 0}, // up wanted but empty
        {true, true, true, false, false, false, 3},
        {true, true, true, false, false, true, 3}, // disabled beats down
        {true, true, false, false, false, false, 0},
    };
    const QPixmap up = Solid({10, 10}, Qt::red);
    const QPixmap down = Solid({10, 10}, Qt::green);
    const QPixmap disabled = Solid({10, 10}, Qt::gray);
    const QPixmap pictures[] = {QPixmap(), up, down, disabled};
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
        EXPECT_EQ(button.CurrentGlyph().cacheKey(), pictures[c.expected].cacheKey());
    }
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
    const QEvent::Type press = QEvent::MouseButtonPress;
    const QEvent::Type release = QEvent::MouseButtonRelease;
    const Qt::MouseButton left = Qt::LeftButton;
    const Case cases[] = {
        {"press and release inside", {{press, {10, 10}, left}, {release, {12, 12}, left}}, 1, 0},
        {"released outside", {{press, {10, 10}, left}, {release, {130, 12}, left}}, 0, 0},
        {"released above", {{press, {10, 10}, left}, {release, {10, -1}, left}}, 0, 0},
        {"right button",
         {{press, {10, 10}, Qt::RightButton}, {release, {10, 10}, Qt::RightButton}},
         0,
         0},
        {"release without press", {{release, {10, 10}, left}}, 0, 0},
        {"double click",
         {{press, {10, 10}, left},
          {release, {10, 10}, left},
          {QEvent::MouseButtonDblClick, {10, 10}, left},
          {release, {10, 10}, left}},
         2,
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
    const auto flags = [&] { return std::pair{button.GlyphCentered(), button.GlyphStretched()}; };
    button.SetGlyphCentered(true);
    button.SetGlyphStretched(true);
    EXPECT_EQ(flags(), std::pair(false, true));
    button.SetGlyphCentered(true);
    EXPECT_EQ(flags(), std::pair(true, false));
    button.SetGlyphStretched(false); // clearing one leaves the other alone
    EXPECT_EQ(flags(), std::pair(true, false));
    button.SetGlyphCentered(false);
    EXPECT_EQ(flags(), std::pair(false, false));
}

TEST(BaseBtnRepaint, EveryPropertyChangeRepaints) {
    QWidget window;
    window.resize(200, 80);
    TBaseBtn button(&window);
    test::ExpectEachChangeRepaints(window, button,
                                   {{"brush", [&] { button.SetBrush(QBrush(Qt::red)); }},
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
                                    {"enabled", [&] { button.setEnabled(false); }}});
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
    BlockCaption(button);
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
    BlockCaption(button);
    button.SetCaptionPenColor(Qt::magenta);
    button.SetCaptionPenVisible(true);
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
