// Display sets: the list of sets, all-or-nothing loading of picture sets with fallback to the
// digits, popup-menu captions and visibility, the symbol strip, and the sets we ship.
#include "TDisplaySets.h"
#include "TIconFile.h"
#include "UiTestSupport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace sudoku {
namespace {

// A picture set folder under appDir + "Display Sets" with the given file left out; picture d
// is a solid square of colour (0, 20 d, 200).
void MakeSet(const QString& appDir, const QString& name, const QString& leaveOut = {}) {
    const QString folder = appDir + QStringLiteral("/Display Sets/") + name + QLatin1Char('/');
    ASSERT_TRUE(QDir().mkpath(folder));
    for (int d = 0; d <= 9; ++d)
        for (const bool small : {false, true}) {
            const QString file = QStringLiteral("0%1%2.ico").arg(d).arg(small ? "s" : "");
            QImage image(small ? 16 : 32, small ? 16 : 32, QImage::Format_ARGB32);
            image.fill(QColor(0, 20 * d, 200));
            if (file != leaveOut) {
                ASSERT_TRUE(QImageWriter(folder + file, "ico").write(image));
            }
        }
}

// An icon file of the pictures, each written as Qt writes a one-picture icon; every picture's
// directory entry stands `copies` times, all pointing at the same picture data.
QByteArray IconFile(const QList<QImage>& pictures, int copies = 1) {
    const int entries = static_cast<int>(pictures.size()) * copies;
    QByteArray directory("\0\0\1\0", 4);
    directory.append(char(entries & 0xFF)).append(char(entries >> 8));
    QByteArray data;
    for (const QImage& picture : pictures) {
        QBuffer one;
        one.open(QIODevice::WriteOnly);
        QImageWriter(&one, "ico").write(picture);
        QByteArray entry = one.data().mid(6, 16);
        const quint32 offset = 6 + 16 * entries + static_cast<quint32>(data.size());
        for (int i = 0; i < 4; ++i)
            entry[12 + i] = char((offset >> (8 * i)) & 0xFF);
        for (int c = 0; c < copies; ++c)
            directory.append(entry);
        data.append(one.data().mid(22));
    }
    return directory + data;
}

// A buffer that counts the bytes read from it.
class TCountingBuffer : public QBuffer {
public:
    explicit TCountingBuffer(const QByteArray& bytes) {
        setData(bytes);
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    qint64 Read = 0;

protected:
    qint64 readData(char* data, qint64 size) override {
        const qint64 n = QBuffer::readData(data, size);
        Read += qMax<qint64>(n, 0);
        return n;
    }
};

QImage Square(int size, const QColor& colour) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// The picture nearest in width is read, the first of equally near ones. A file that lists one
// picture thousands of times is read about once, not once per entry.
TEST(IconFile, ReadsOnlyThePictureNearestInWidth) {
    const QColor red(200, 0, 0), green(0, 200, 0), blue(0, 0, 200);
    const QByteArray three = IconFile({Square(48, red), Square(16, green), Square(32, blue)});
    const std::pair<int, QColor> cases[] = {
        {32, blue}, {16, green}, {20, green}, {40, red}, {256, red}};
    for (const auto& [size, colour] : cases) {
        SCOPED_TRACE(size);
        TCountingBuffer device(three);
        const QImage image = TIconFile::Nearest(device, size);
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(image.pixelColor(size / 2, size / 2), colour);
    }

    const QByteArray many = IconFile({Square(64, blue)}, 4096);
    TCountingBuffer device(many);
    const QImage image = TIconFile::Nearest(device, 32);
    EXPECT_EQ(image.pixelColor(16, 16), blue);
    EXPECT_LT(device.Read, 2 * many.size());
}

class DisplaySetFolder : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Dir.isValid());
        App = Dir.path() + QLatin1Char('/');
        MakeSet(Dir.path(), QStringLiteral("Complete"));
        MakeSet(Dir.path(), QStringLiteral("NoSmallFive"), QStringLiteral("05s.ico"));
        MakeSet(Dir.path(), QStringLiteral("NoLargeZero"), QStringLiteral("00.ico"));
        MakeSet(Dir.path(), QStringLiteral("Broken"));
        const QString sets = Dir.path() + QStringLiteral("/Display Sets/");
        ASSERT_TRUE(test::WriteFile(sets + QStringLiteral("Broken/03.ico"), "not an icon"));
        ASSERT_TRUE(test::WriteFile(sets + QStringLiteral("readme.txt"), {}));
        Sets.FillDisplaySetList(App);
    }

    QTemporaryDir Dir;
    QString App;
    TDisplaySets Sets;
};

TEST_F(DisplaySetFolder, ListsBuiltInSetsThenSubFoldersOnly) {
    const QStringList entries = Sets.Entries();
    ASSERT_GE(entries.size(), 3);
    EXPECT_EQ(entries.mid(0, 3), TDisplaySets::BuiltInNames);
    QStringList folders = entries.mid(3);
    folders.sort();
    EXPECT_EQ(folders, (QStringList{"Broken", "Complete", "NoLargeZero", "NoSmallFive"}));

    TDisplaySets none;
    none.FillDisplaySetList(App + QStringLiteral("missing/"));
    EXPECT_EQ(none.Entries(), TDisplaySets::BuiltInNames);
}

TEST_F(DisplaySetFolder, PictureSetsLoadWhollyOrFallBackToDigits) {
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
        EXPECT_EQ(Sets.IconList16x16().size(), c.Pictures ? 10 : 0);
        if (c.Pictures) {
            EXPECT_EQ(Sets.IconList32x32()[4].size(), QSize(32, 32));
            EXPECT_EQ(Sets.IconList16x16()[4].size(), QSize(16, 16));
            EXPECT_EQ(Sets.IconList16x16()[4].toImage().pixelColor(8, 8), QColor(0, 80, 200));
        }
    }
    // Menu captions of a picture set are the digits.
    Sets.Apply(Sets.IndexOf(QStringLiteral("Complete")), 9);
    EXPECT_EQ(Sets.ValueCaption(3, 9), QStringLiteral("3"));
    EXPECT_EQ(Sets.NoteCaption(3, 9), QStringLiteral("3  (Ctrl + 3)"));
    // A saved name that is no longer listed selects the digits.
    EXPECT_EQ(Sets.IndexOf(QStringLiteral("Gone")), 0);
    Sets.Apply(99, 9);
    EXPECT_EQ(Sets.SelectedIndex(), 0);
}

TEST(DisplaySets, MenuCaptionsAndVisibility) {
    struct Case {
        const char* Set;
        int GridSize;
        int Value;
        const char* ValueCaption;
        const char* NoteCaption;
    };
    const Case cases[] = {
        {"SINGAPORE", 9, 1, "S", "S  (Ctrl + S)"},  {"SINGAPORE", 9, 9, "E", "E  (Ctrl + E)"},
        {"ABCDEFGHI", 6, 3, "C", "C  (Ctrl + C)"},  {"123456789", 9, 7, "7", "7  (Ctrl + 7)"},
        {"SINGAPORE", 16, 1, "1", "1  (Ctrl + 1)"}, {"SINGAPORE", 16, 10, "Q", "Q  (Ctrl + Q)"},
        {"ABCDEFGHI", 9, 16, "W", "W  (Ctrl + W)"}, {"123456789", 12, 12, "S", "S  (Ctrl + S)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Set << " " << c.GridSize << " " << c.Value);
        TDisplaySets sets;
        sets.Apply(sets.IndexOf(QString::fromLatin1(c.Set)), c.GridSize);
        EXPECT_EQ(sets.ValueCaption(c.Value, c.GridSize), QString::fromLatin1(c.ValueCaption));
        EXPECT_EQ(sets.NoteCaption(c.Value, c.GridSize), QString::fromLatin1(c.NoteCaption));
    }
    int visible4 = 0;
    int visible16 = 0;
    for (int v = 1; v <= 16; ++v) {
        visible4 += TDisplaySets::ItemVisible(v, 4) ? 1 : 0;
        visible16 += TDisplaySets::ItemVisible(v, 16) ? 1 : 0;
    }
    EXPECT_EQ(visible4, 4);
    EXPECT_EQ(visible16, 16);
    EXPECT_FALSE(TDisplaySets::ItemVisible(5, 4));
}

// Columns of a strip that hold any ink other than the frame.
QList<int> InkColumns(const QPixmap& strip) {
    const QImage image = strip.toImage();
    QList<int> columns;
    for (int x = 1; x < image.width() - 2; ++x)
        if (test::CountPixels(image, QRect(x, 1, 1, image.height() - 3),
                              [](QRgb p) { return qGray(p) < 160; }) > 0)
            columns.append(x);
    return columns;
}

// Symbols 1 to count each put ink into their own step of the strip, which starts at x = 7.
void ExpectInkInEachStep(const QList<int>& ink, int count, int step) {
    for (int v = 1; v <= count; ++v)
        EXPECT_TRUE(std::any_of(ink.begin(), ink.end(), [&](int x) {
            return x >= (v - 1) * step + 7 && x < v * step + 7;
        })) << v;
}

TEST_F(DisplaySetFolder, StripShowsOneSymbolPerStep) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    const QColor window(0xFF, 0xFF, 0xF2);
    struct Case {
        const char* Set;
        int GridSize;
    };
    const Case cases[] = {{"123456789", 9}, {"SINGAPORE", 9}, {"Complete", 9}, {"ABCDEFGHI", 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Set);
        Sets.Apply(Sets.IndexOf(QString::fromLatin1(c.Set)), c.GridSize);
        const QPixmap strip = Sets.DrawDisplaySetImg(255, 16, c.GridSize, window, font, 27);
        const QImage image = strip.toImage();
        EXPECT_EQ(image.pixelColor(0, 0), QColor(0x80, 0x80, 0x80));
        EXPECT_EQ(image.pixelColor(5, 3), window);
        const QList<int> ink = InkColumns(strip);
        ASSERT_FALSE(ink.isEmpty());
        ExpectInkInEachStep(ink, c.GridSize, 27);
        // No ink lies beyond the last symbol.
        if (!Sets.PictureSetSelected()) {
            EXPECT_LT(ink.last(), c.GridSize * 27 + 7);
        }
    }

    // A picture set shows "v=" and then the picture in its colours.
    Sets.Apply(Sets.IndexOf(QStringLiteral("Complete")), 9);
    const QImage pictures = Sets.DrawDisplaySetImg(255, 20, 9, window, font, 27).toImage();
    int blue = 0;
    for (int x = 34; x < 34 + 40; ++x)
        blue += pictures.pixelColor(x, 8) == QColor(0, 40, 200) ? 1 : 0;
    EXPECT_GE(blue, 10);
}

TEST_F(DisplaySetFolder, LargeGridStripUsesFixedSymbolsAcrossTheWidth) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    Sets.Apply(Sets.IndexOf(QStringLiteral("SINGAPORE")), 16);
    // Sixteen symbols share the width: 20 pixels each instead of 27.
    ExpectInkInEachStep(InkColumns(Sets.DrawDisplaySetImg(320, 16, 16, Qt::white, font, 27)), 16,
                        20);
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
