// Helpers shared by the widget tests: files and solid pictures, rendering a widget into an image
// and pixel counts.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace sudoku::test {

inline bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

inline QPixmap Solid(QSize size, const QColor& colour) {
    QPixmap picture(size);
    picture.fill(colour);
    return picture;
}

// The widget drawn alone onto an image first filled with the background.
inline QImage RenderWidget(QWidget& widget, const QColor& background = Qt::white,
                           QImage::Format format = QImage::Format_ARGB32) {
    QImage image(widget.size(), format);
    image.fill(background);
    QPainter painter(&image);
    widget.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.end();
    return image;
}

template <typename Pred> int CountPixels(const QImage& image, const QRect& area, Pred pred) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += pred(image.pixel(x, y)) ? 1 : 0;
    return count;
}

} // namespace sudoku::test
