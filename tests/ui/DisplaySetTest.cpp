// Display sets: the list of sets, all-or-nothing loading of picture sets with fallback to the
// digits, the symbol strip, and the sets we ship.
#include "TDisplaySets.h"
#include "TIconFile.h"
#include "UiTestSupport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImageWriter>
#include <QTemporaryDir>

#include <algorithm>

namespace sudoku {
namespace {

QImage Square(int size, const QColor& colour) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// An icon file of the given pictures, each listed `copies` times in its directory.
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

// The picture nearest in width is read, the first of equally near ones. A file that lists one
// picture thousands of times is read about once, not once per entry.
TEST(IconFile, ReadsOnlyThePictureNearestInWidth) {
    const QColor red(200, 0, 0), green(0, 200, 0), blue(0, 0, 200);
    const QByteArray three = IconFile({Square(48, red), Square(16, green), Square(32, blue)});
    for (const auto& [size, colour] : {std::pair{32, blue}, {20, green}, {40, red}}) {
        SCOPED_TRACE(size);
        TCountingBuffer device(three);
        const QImage image = TIconFile::Nearest(device, size);
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(image.pixelColor(size / 2, size / 2), colour);
    }
    const QByteArray many = IconFile({Square(64, blue)}, 4096);
    TCountingBuffer device(many);
    EXPECT_EQ(TIconFile::Nearest(device, 32).pixelColor(16, 16), blue);
    EXPECT_LT(device.Read, 2 * many.size());
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

TEST_F(DisplaySetFolder, PictureSetsLoadWhollyOrFallBackAndTheStripShowsOneSymbolPerStep) {
    // The built-in sets come first, then the sub-folders; a picture set is taken only whole.
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
    // The symbol strip.
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
