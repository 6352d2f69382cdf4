// Skin pictures: the built-in set is complete and sized for each layout, "I" files override
// the built-in pictures where the dialogs look for them, and a button takes on its skin; and
// where each draw style of the background control puts the picture under its fill and frame.
#include "TBaseBtn.h"
#include "TBkControl.h"
#include "TScreenLayout.h"
#include "TSkinPictures.h"
#include "UiTestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <vector>

namespace sudoku {
namespace {

QSize Scaled(QSize base, int layout) {
    return {TScreenLayout::ScaleValue(base.width(), layout),
            TScreenLayout::ScaleValue(base.height(), layout)};
}

TEST(SkinBuiltIn, EveryPictureIsThereAtEachLayoutAndFilesInIOverrideTheDialogPictures) {
    TSkinPictures pictures("/nonexistent/");
    const std::pair<TSkinKind, QSize> kinds[] = {{TSkinKind::LargeButton, {120, 35}},
                                                 {TSkinKind::SmallButton, {85, 15}},
                                                 {TSkinKind::TitleButton, {14, 14}}};
    for (const auto& [kind, base] : kinds)
        for (int layout = 0; layout <= 7; ++layout) {
            SCOPED_TRACE(testing::Message() << base.width() << " at layout " << layout);
            const TButtonSkin skin = pictures.ButtonSkin(kind, layout);
            for (const QPixmap* picture : {&skin.Up, &skin.Down, &skin.Disabled})
                EXPECT_EQ(picture->size(), Scaled(base, layout));
            EXPECT_NE(skin.Up.toImage(), skin.Down.toImage());
            EXPECT_NE(skin.Up.toImage(), skin.Disabled.toImage());
        }
    for (int layout : {0, 3, 7})
        EXPECT_EQ(pictures.Background(layout).size(), Scaled({568, 405}, layout)) << layout;
    EXPECT_EQ(pictures.Intro().size(), QSize(280, 280));
    EXPECT_EQ(pictures.About().size(), QSize(325, 325));
    // Names are matched without regard to case; the rounded corner lets the window through.
    const QImage up = pictures.Resource("but_up").toImage();
    EXPECT_EQ(pictures.Resource("BUT_UP").toImage(), up);
    EXPECT_EQ(qAlpha(up.pixel(60, 17)), 255);
    EXPECT_LT(qAlpha(up.pixel(0, 0)), 128);
    EXPECT_TRUE(pictures.Resource("No_Such_Skin").isNull());
    // Dialogs, splash and about take the files of the folder "I" (names matched without regard to
    // case, unreadable ones skipped); the main window only the built-in pictures.
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("I"));
    const auto write = [&dir](const char* name, QSize size, QColor colour) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        return image.save(dir.path() + "/I/" + name, "BMP");
    };
    ASSERT_TRUE(write("but_up.bmp", {120, 35}, Qt::magenta) &&
                write("INTRO.BMP", {50, 40}, Qt::cyan));
    ASSERT_TRUE(test::WriteFile(dir.path() + "/I/about.bmp", "not a picture at all"));
    TSkinPictures skinned(dir.path() + '/');
    const TButtonSkin dialog = skinned.DialogButtonSkin(TSkinKind::LargeButton);
    EXPECT_EQ(dialog.Up.toImage().pixelColor(60, 17), QColor(Qt::magenta));
    EXPECT_EQ(dialog.Down.toImage(), skinned.Resource("But_Down").toImage());
    EXPECT_EQ(skinned.Intro().size(), QSize(50, 40));
    EXPECT_EQ(skinned.About().size(), QSize(325, 325));
    const TButtonSkin window = skinned.ButtonSkin(TSkinKind::LargeButton, 2);
    EXPECT_EQ(window.Up.toImage(), skinned.Resource("But_Up").toImage());
}

// A skinned button draws its up picture at rest, its down picture shifted by (0.01 W, 0.02 H)
// rounded while down and its disabled picture when disabled; without an up picture the skin is
// refused and the drawn face stays.
TEST(SkinApply, SkinnedButtonsRenderTheirStatePictures) {
    const std::pair<int, QPoint> cases[] = {{2, {1, 1}}, {3, {2, 1}}, {4, {2, 1}}};
    for (const auto& [layout, expectedShift] : cases) {
        SCOPED_TRACE(layout);
        TSkinPictures pictures("/nonexistent/");
        const TButtonSkin skin = pictures.ButtonSkin(TSkinKind::LargeButton, layout);
        TBaseBtn button;
        button.resize(skin.Up.size());
        ASSERT_TRUE(ApplyButtonSkin(button, skin));
        EXPECT_FALSE(button.FaceVisible());
        const QPoint probe(button.width() / 2, button.height() / 3);
        auto render = [&] {
            return test::RenderWidget(button, Qt::transparent, QImage::Format_ARGB32_Premultiplied);
        };
        EXPECT_EQ(render().pixel(probe), skin.Up.toImage().pixel(probe));
        button.SetButtonIsDown(true);
        const QPoint shift = button.PressShift();
        EXPECT_EQ(shift, expectedShift);
        EXPECT_EQ(render().pixel(probe), skin.Down.toImage().pixel(probe - shift));
        button.SetButtonIsDown(false);
        button.setEnabled(false);
        EXPECT_EQ(render().pixel(probe), skin.Disabled.toImage().pixel(probe));
    }

    TBaseBtn button;
    EXPECT_FALSE(ApplyButtonSkin(
        button, TButtonSkin{QPixmap(), test::Solid({10, 10}, Qt::blue), QPixmap()}));
    EXPECT_TRUE(button.FaceVisible());
    EXPECT_TRUE(button.GlyphDown().isNull());
}

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
