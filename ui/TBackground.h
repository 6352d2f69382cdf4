// The fill, frame and picture of a background control; every change repaints the owner.
#pragma once

#include <QBrush>
#include <QPen>
#include <QPixmap>

#include <functional>

namespace sudoku {

// How the picture covers the control: tiled, centred, not at all, stretched, at the top left.
enum TImageDrawStyle { idsAlongside, idsCenter, idsHide, idsStretch, idsTopLeft };

class TBackground {
public:
    // The owner passes the repaint it wants run after a change.
    explicit TBackground(std::function<void()> changed = {}) : changed_(std::move(changed)) {}

    const QBrush& Brush() const { return brush_; }
    void SetBrush(const QBrush& brush);
    const QPen& Pen() const { return pen_; }
    void SetPen(const QPen& pen);
    const QPixmap& Image() const { return image_; }
    void SetImage(const QPixmap& image);
    TImageDrawStyle ImageDrawStyle() const { return imageDrawStyle_; }
    void SetImageDrawStyle(TImageDrawStyle style);

private:
    void Changed() const;

    std::function<void()> changed_;
    QBrush brush_{Qt::white, Qt::SolidPattern};
    QPen pen_{Qt::black, 1};
    QPixmap image_;
    TImageDrawStyle imageDrawStyle_ = idsAlongside;
};

} // namespace sudoku
