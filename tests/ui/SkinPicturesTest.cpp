// Skin pictures: the built-in set is complete and sized for each layout, "I" files override
// the built-in pictures where the dialogs look for them, pictures are loaded once, and a
// button group takes on its skin.
#include "TBaseBtn.h"
#include "TScreenLayout.h"
#include "TSkinPictures.h"
#include "UiTestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <vector>

namespace sudoku {
namespace {

void WritePicture(const QString& path, QSize size, QColor color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    ASSERT_TRUE(image.save(path, "BMP")) << path.toStdString();
}

class SkinFolder : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("I")));
    }
    QString AppDir() const { return dir_.path() + QLatin1Char('/'); }
    QString InI(const QString& name) const { return dir_.path() + QStringLiteral("/I/") + name; }

    QTemporaryDir dir_;
};

TEST(SkinSuffixes, PerScreenLayout) {
    const std::pair<int, const char*> cases[] = {{0, ""},        {2, ""}, {3, "_sm8x6"},
                                                 {4, "_sm10x7"}, {5, ""}, {6, "_sm8x6"},
                                                 {7, "_sm10x7"}, {1, ""}};
    for (const auto& [layout, suffix] : cases)
        EXPECT_EQ(SkinSuffix(layout), QString::fromLatin1(suffix)) << layout;
}

TEST(SkinBuiltIn, EveryPictureIsThereAtItsLayoutSize) {
    std::vector<std::pair<QString, QSize>> cases = {{"Player_Background", {568, 405}}};
    for (const auto& [stem, size] :
         {std::pair{"But", QSize(120, 35)}, {"But85x15", {85, 15}}, {"But14x14", {14, 14}}})
        for (const char* state : {"_Up", "_Down", "_Disabled"})
            cases.emplace_back(QString::fromLatin1(stem) + QString::fromLatin1(state), size);
    TSkinPictures pictures(QStringLiteral("/nonexistent/"));
    for (const auto& [name, base] : cases) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(pictures.Resource(name).size(), base);
        // Enlarged pictures are the base size scaled as the window scales its controls.
        for (int layout : {3, 7})
            EXPECT_EQ(pictures.Resource(name + SkinSuffix(layout)).size(),
                      QSize(TScreenLayout::ScaleValue(base.width(), layout),
                            TScreenLayout::ScaleValue(base.height(), layout)));
    }
    EXPECT_EQ(pictures.Resource(QStringLiteral("Player_Intro")).size(), QSize(280, 280));
    EXPECT_EQ(pictures.Resource(QStringLiteral("Player_About")).size(), QSize(325, 325));
}

TEST(SkinBuiltIn, ButtonStatesDifferAndNamesIgnoreCase) {
    TSkinPictures pictures(QStringLiteral("/nonexistent/"));
    for (TSkinKind kind :
         {TSkinKind::LargeButton, TSkinKind::SmallButton, TSkinKind::TitleButton}) {
        const TButtonSkin skin = pictures.ButtonSkin(kind, 2);
        ASSERT_FALSE(skin.Up.isNull());
        ASSERT_FALSE(skin.Down.isNull());
        ASSERT_FALSE(skin.Disabled.isNull());
        const QImage up = skin.Up.toImage();
        EXPECT_NE(up, skin.Down.toImage());
        EXPECT_NE(up, skin.Disabled.toImage());
    }
    const QImage lower = pictures.Resource(QStringLiteral("but_up")).toImage();
    EXPECT_EQ(pictures.Resource(QStringLiteral("BUT_UP")).toImage(), lower);
    EXPECT_TRUE(pictures.Resource(QStringLiteral("No_Such_Skin")).isNull());
}

TEST(SkinBuiltIn, ButtonPictureIsOpaqueInsideAndClearAtTheCorner) {
    TSkinPictures pictures(QStringLiteral("/nonexistent/"));
    const QImage up = pictures.Resource(QStringLiteral("But_Up")).toImage();
    EXPECT_EQ(qAlpha(up.pixel(60, 17)), 255);
    EXPECT_LT(qAlpha(up.pixel(0, 0)), 128); // rounded corner lets the window show through
}

TEST_F(SkinFolder, FileInIBeatsTheBuiltInPicture) {
    WritePicture(InI(QStringLiteral("but_up.bmp")), {120, 35}, Qt::magenta);
    WritePicture(InI(QStringLiteral("INTRO.BMP")), {50, 40}, Qt::cyan); // case of the name ignored
    TSkinPictures pictures(AppDir());
    const TButtonSkin skin = pictures.DialogButtonSkin(TSkinKind::LargeButton);
    EXPECT_EQ(skin.Up.toImage().pixelColor(60, 17), QColor(Qt::magenta));
    // The states without a file fall back to the built-in pictures.
    EXPECT_EQ(skin.Down.toImage(), pictures.Resource(QStringLiteral("But_Down")).toImage());
    EXPECT_EQ(pictures.Intro().size(), QSize(50, 40));
    EXPECT_EQ(pictures.About().size(), QSize(325, 325));
}

TEST_F(SkinFolder, MainWindowSkinsComeOnlyFromBuiltInPictures) {
    WritePicture(InI(QStringLiteral("but_up.bmp")), {120, 35}, Qt::magenta);
    TSkinPictures pictures(AppDir());
    const TButtonSkin skin = pictures.ButtonSkin(TSkinKind::LargeButton, 2);
    EXPECT_EQ(skin.Up.toImage(), pictures.Resource(QStringLiteral("But_Up")).toImage());
}

TEST_F(SkinFolder, UnreadableFileFallsBack) {
    ASSERT_TRUE(test::WriteFile(InI(QStringLiteral("about.bmp")), "not a picture at all"));
    TSkinPictures pictures(AppDir());
    EXPECT_TRUE(pictures.File(QStringLiteral("about.bmp")).isNull());
    EXPECT_EQ(pictures.About().size(), QSize(325, 325));
}

TEST_F(SkinFolder, PicturesAreLoadedOncePerNameAndSize) {
    WritePicture(InI(QStringLiteral("but_up.bmp")), {120, 35}, Qt::magenta);
    TSkinPictures pictures(AppDir());
    const QPixmap first = pictures.File(QStringLiteral("but_up.bmp"));
    // Replacing the file changes nothing until the cache is cleared.
    WritePicture(InI(QStringLiteral("but_up.bmp")), {120, 35}, Qt::yellow);
    EXPECT_EQ(pictures.File(QStringLiteral("but_up.bmp")).cacheKey(), first.cacheKey());
    const QPixmap half = pictures.File(QStringLiteral("but_up.bmp"), {60, 17});
    EXPECT_EQ(half.size(), QSize(60, 17));
    EXPECT_EQ(half.toImage().pixelColor(30, 8), QColor(Qt::magenta));
    EXPECT_EQ(pictures.File(QStringLiteral("but_up.bmp"), {60, 17}).cacheKey(), half.cacheKey());
    const QPixmap builtIn = pictures.Resource(QStringLiteral("But_Up"));
    EXPECT_EQ(pictures.Resource(QStringLiteral("but_up")).cacheKey(), builtIn.cacheKey());
    EXPECT_EQ(pictures.CachedCount(), 3);
    pictures.Clear();
    EXPECT_EQ(pictures.File(QStringLiteral("but_up.bmp")).toImage().pixelColor(5, 5),
              QColor(Qt::yellow));
}

TEST(SkinApply, ButtonTakesThePicturesAndTheSkinnedLook) {
    TBaseBtn button;
    button.resize(120, 35);
    button.SetShadowXOffset(0.02);
    button.SetShadowYOffset(0.05);
    button.SetGlyphCentered(true);
    TButtonSkin skin;
    skin.Up = test::Solid({120, 35}, Qt::red);
    skin.Down = test::Solid({120, 35}, Qt::blue);
    ASSERT_TRUE(ApplyButtonSkin(button, skin));
    EXPECT_FALSE(button.FaceVisible());
    EXPECT_EQ(button.Pen().style(), Qt::NoPen);
    EXPECT_DOUBLE_EQ(button.ShadowXOffset(), 0.01);
    EXPECT_DOUBLE_EQ(button.ShadowYOffset(), 0.02);
    EXPECT_EQ(button.GlyphUp().cacheKey(), skin.Up.cacheKey());
    EXPECT_EQ(button.GlyphDown().cacheKey(), skin.Down.cacheKey());
    EXPECT_TRUE(button.GlyphDisabled().isNull());
    EXPECT_FALSE(button.GlyphCentered());
    EXPECT_EQ(button.GlyphRect(skin.Up), QRect(0, 0, 120, 35)); // unstretched, top left
}

TEST(SkinApply, WithoutAnUpPictureTheDrawnFaceStays) {
    TBaseBtn button;
    button.SetShadowXOffset(0.02);
    TButtonSkin skin;
    skin.Down = test::Solid({10, 10}, Qt::blue);
    EXPECT_FALSE(ApplyButtonSkin(button, skin));
    EXPECT_TRUE(button.FaceVisible());
    EXPECT_DOUBLE_EQ(button.ShadowXOffset(), 0.02);
    EXPECT_TRUE(button.GlyphDown().isNull());
}

TEST(SkinApply, SkinnedButtonsRenderTheirStatePictures) {
    // The built-in page button at each layout: up picture at rest, down picture one step
    // right and down while held, disabled picture when disabled.
    // 0.01 W and 0.02 H rounded: (1, 1) at 120 x 35, (2, 1) at 150 x 44 and 192 x 56.
    const std::pair<int, QPoint> cases[] = {{2, {1, 1}}, {3, {2, 1}}, {4, {2, 1}}};
    for (const auto& [layout, expectedShift] : cases) {
        SCOPED_TRACE(layout);
        TSkinPictures pictures(QStringLiteral("/nonexistent/"));
        const TButtonSkin skin = pictures.ButtonSkin(TSkinKind::LargeButton, layout);
        TBaseBtn button;
        button.resize(skin.Up.size());
        ASSERT_TRUE(ApplyButtonSkin(button, skin));
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
}

} // namespace
} // namespace sudoku
