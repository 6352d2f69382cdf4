// Picks one picture of an icon file from its directory and reads only that one.
//
// An icon file starts with a directory: reserved (0), type (1 for icons) and the number of
// pictures, 16-bit little-endian each, then 16 bytes per picture whose first byte is its width
// (0 standing for 256). Choosing from the directory reads each file about once, however many
// entries it lists; decoding every picture to compare their sizes would read a picture per entry.
#include "TIconFile.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <limits>

namespace sudoku {

namespace {

constexpr int DirectoryHeaderSize = 6;
constexpr int DirectoryEntrySize = 16;

int Word(const QByteArray& bytes, int at) {
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

// Index of the directory entry nearest to size in width, the first of equally near ones; 0
// when the device does not start with an icon directory (another picture format).
int NearestEntry(QIODevice& device, int size) {
    const QByteArray header = device.peek(DirectoryHeaderSize);
    if (header.size() < DirectoryHeaderSize || Word(header, 0) != 0 || Word(header, 2) != 1)
        return 0;
    const int count = Word(header, 4);
    const QByteArray directory = device.peek(DirectoryHeaderSize + count * DirectoryEntrySize);
    const int listed =
        (static_cast<int>(directory.size()) - DirectoryHeaderSize) / DirectoryEntrySize;
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < listed; ++i) {
        const int width =
            static_cast<unsigned char>(directory[DirectoryHeaderSize + i * DirectoryEntrySize]);
        const int distance = qAbs((width == 0 ? 256 : width) - size);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace

QImage TIconFile::Nearest(QIODevice& device, int size) {
    const int entry = NearestEntry(device, size);
    QImageReader reader(&device);
    if (entry > 0 && !reader.jumpToImage(entry))
        return {};
    QImage image = reader.read();
    if (!image.isNull() && (image.width() != size || image.height() != size))
        image = image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

QPixmap TIconFile::Load(const QString& path, int size) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    return QPixmap::fromImage(Nearest(file, size));
}

} // namespace sudoku
