// Reading of the icon files of picture sets: of all the pictures an icon file holds, the one
// nearest to the size wanted.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

class QIODevice;

namespace sudoku {

class TIconFile {
public:
    // The picture nearest to `size` pixels wide (the first of equally near ones), scaled to
    // size x size; null when the device holds no readable picture.
    static QImage Nearest(QIODevice& device, int size);
    // The same from a file; null when the file is missing or holds no readable picture.
    static QPixmap Load(const QString& path, int size);
};

} // namespace sudoku
