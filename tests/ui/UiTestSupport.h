// Helpers shared by the widget tests: files and solid pictures, rendering a widget into an image,
// pixel counts, and a check that each change of a list makes a shown widget repaint.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include <functional>
#include <utility>

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

using NamedChange = std::pair<const char*, std::function<void()>>;

// Shows the widget in a window and expects a paint event after each change.
inline void ExpectEachChangeRepaints(QWidget& window, QWidget& widget,
                                     std::initializer_list<NamedChange> changes) {
    struct Counter : QObject {
        int Paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            Paints += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    widget.installEventFilter(&counter);
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        QApplication::processEvents();
        counter.Paints = 0;
        change();
        QElapsedTimer timer;
        timer.start();
        while (counter.Paints == 0 && timer.elapsed() < 2000)
            QTest::qWait(5);
        EXPECT_GT(counter.Paints, 0);
    }
    widget.removeEventFilter(&counter);
}

} // namespace sudoku::test
