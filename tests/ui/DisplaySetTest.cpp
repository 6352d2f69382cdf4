// Display sets: the list of sets, all-or-nothing loading of picture sets with fallback to the
// digits, the symbol strip, and the sets we ship.
#include "TDisplaySets.h"
#include "UiTestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QImageWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace sudoku {
namespace {

QImage Square(int size, const QColor& colour) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

class DisplaySetFolder : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Dir.isValid());
        MakeSet(QStringLiteral("Complete"));
        MakeSet(QStringLiteral("NoSmallFive"), QStringLiteral("05s.ico"));
        MakeSet(QStringLiteral("NoLargeZero"), QStringLiteral("00.ico"));
        MakeSet(QStringLiteral("Broken"));
        const QString sets = Dir.path() + QStringLiteral("/Display Sets/");
        ASSERT_TRUE(test::WriteFile(sets + QStringLiteral("Broken/03.ico"), "not an icon"));
        ASSERT_TRUE(test::WriteFile(sets + QStringLiteral("readme.txt"), {}));
        Sets.FillDisplaySetList(Dir.path() + QLatin1Char('/'));
    }
    // A picture set with the given file left out; picture d is of colour (0, 20 d, 200).
    void MakeSet(const QString& name, const QString& leaveOut = {}) {
        const QString folder = Dir.path() + QStringLiteral("/Display Sets/") + name + '/';
        ASSERT_TRUE(QDir().mkpath(folder));
        for (int d = 0; d <= 9; ++d)
            for (const bool small : {false, true}) {
                const QString file = QStringLiteral("0%1%2.ico").arg(d).arg(small ? "s" : "");
                if (file != leaveOut) {
                    const QImage image = Square(small ? 16 : 32, QColor(0, 20 * d, 200));
                    ASSERT_TRUE(QImageWriter(folder + file, "ico").write(image));
                }
            }
    }

    QTemporaryDir Dir;
    TDisplaySets Sets;
};

// The built-in sets come first, then the sub-folders; a picture set is taken only whole.
TEST_F(DisplaySetFolder, PictureSetsLoadWhollyOrFallBackToDigits) {
    QStringList folders = Sets.Entries().mid(TDisplaySets::BuiltInCount);
    folders.sort();
    EXPECT_EQ(Sets.Entries().mid(0, TDisplaySets::BuiltInCount), TDisplaySets::BuiltInNames);
    EXPECT_EQ(folders, (QStringList{"Broken", "Complete", "NoLargeZero", "NoSmallFive"}));
    struct Case {
        const char* Name;
        int GridSize;
        bool Pictures;
        const char* InForce;
    };
    const Case cases[] = {
        {"Complete", 9, true, "Complete"},      {"Complete", 6, true, "Complete"},
        {"NoSmallFive", 9, false, "123456789"}, {"NoLargeZero", 9, false, "123456789"},
        {"Broken", 9, false, "123456789"},      {"Complete", 16, false, "Complete"},
        {"SINGAPORE", 9, false, "SINGAPORE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Name << " on " << c.GridSize);
        Sets.Apply(Sets.IndexOf(QString::fromLatin1(c.Name)), c.GridSize);
        EXPECT_EQ(Sets.DisplaySet(), QString::fromLatin1(c.InForce));
        EXPECT_EQ(Sets.IconList32x32().size(), c.Pictures ? 10 : 0);
        if (c.Pictures) {
            EXPECT_EQ(Sets.IconList32x32()[4].size(), QSize(32, 32));
            EXPECT_EQ(Sets.IconList16x16()[4].toImage().pixelColor(8, 8), QColor(0, 80, 200));
        }
    }
    // Menu captions of a picture set are the digits.
    Sets.Apply(Sets.IndexOf(QStringLiteral("Complete")), 9);
    EXPECT_EQ(Sets.NoteCaption(3, 9), QStringLiteral("3  (Ctrl + 3)"));
    // A saved name that is no longer listed selects the digits.
    EXPECT_EQ(Sets.IndexOf(QStringLiteral("Gone")), 0);
}

// Symbols 1 to count each put ink into their own step of the strip, which starts at x = 7, and
// none beyond the last step.
void ExpectInkInEachStep(const QPixmap& strip, int count, int step) {
    const QImage image = strip.toImage();
    const auto inkIn = [&image](int from, int to) {
        to = std::min(to, image.width() - 2);
        return test::CountPixels(image, QRect(from, 1, to - from, image.height() - 3),
                                 [](QRgb p) { return qGray(p) < 160; });
    };
    for (int v = 1; v <= count; ++v)
        EXPECT_GT(inkIn((v - 1) * step + 7, v * step + 7), 0) << v;
    EXPECT_EQ(inkIn(count * step + 7, image.width() - 2), 0);
}

TEST_F(DisplaySetFolder, StripShowsOneSymbolPerStep) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    for (const auto& [set, gridSize] : {std::pair{"SINGAPORE", 9}, {"ABCDEFGHI", 4}}) {
        SCOPED_TRACE(set);
        Sets.Apply(Sets.IndexOf(QString::fromLatin1(set)), gridSize);
        ExpectInkInEachStep(Sets.DrawDisplaySetImg(255, 16, gridSize, Qt::white, font, 27),
                            gridSize, 27);
    }
    // Sixteen symbols share the width: 20 pixels each instead of 27.
    Sets.Apply(Sets.IndexOf(QStringLiteral("SINGAPORE")), 16);
    ExpectInkInEachStep(Sets.DrawDisplaySetImg(320, 16, 16, Qt::white, font, 27), 16, 20);
    // A picture set shows "v=" and then the picture in its colours.
    Sets.Apply(Sets.IndexOf(QStringLiteral("Complete")), 9);
    const QImage pictures = Sets.DrawDisplaySetImg(255, 20, 9, Qt::white, font, 27).toImage();
    EXPECT_GE(test::CountPixels(pictures, QRect(34, 8, 40, 1),
                                [](QRgb p) { return p == qRgb(0, 40, 200); }),
              10);
}

TEST(DisplaySets, ShippedPictureSetsAreCompleteBesideTheProgram) {
    TDisplaySets sets;
    sets.FillDisplaySetList(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    for (const QString& name : {QStringLiteral("Geometric"), QStringLiteral("DiceFaces")}) {
        SCOPED_TRACE(name.toStdString());
        const int index = sets.IndexOf(name);
        ASSERT_GE(index, TDisplaySets::BuiltInCount);
        sets.Apply(index, 9);
        EXPECT_EQ(sets.DisplaySet(), name);
        ASSERT_EQ(sets.IconList32x32().size(), 10);
        ASSERT_EQ(sets.IconList16x16().size(), 10);
        // Every picture differs from every other one of its size.
        for (int a = 0; a < 10; ++a)
            for (int b = a + 1; b < 10; ++b)
                EXPECT_NE(sets.IconList32x32()[a].toImage(), sets.IconList32x32()[b].toImage());
    }
}

} // namespace
} // namespace sudoku
