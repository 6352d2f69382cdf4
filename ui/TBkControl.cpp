// Painting of the background control.
#include "TBkControl.h"

#include "TSkinPictures.h"

#include <QPainter>

namespace sudoku {

TBkControl::TBkControl(QWidget* parent)
    : GGraphicControl(parent), background_([this] { update(); }) {
    resize(100, 100);
}

void TBkControl::SetPictureOffset(QPoint offset) {
    if (pictureOffset_ == offset)
        return;
    pictureOffset_ = offset;
    update();
}

QList<QPoint> TBkControl::PicturePlaces() const {
    const QPixmap& image = background_.Image();
    if (image.isNull())
        return {};
    const QSize size = image.deviceIndependentSize().toSize();
    const int ox = pictureOffset_.x();
    const int oy = pictureOffset_.y();
    switch (background_.ImageDrawStyle()) {
    case idsAlongside: {
        QList<QPoint> places;
        if (size.width() <= 0 || size.height() <= 0)
            return places;
        for (int y = oy; y < height(); y += size.height())
            for (int x = ox; x < width(); x += size.width())
                places.append({x, y});
        return places;
    }
    case idsCenter:
        return {{(width() - size.width()) / 2 + ox, (height() - size.height()) / 2 + oy}};
    case idsHide:
        return {};
    case idsStretch:
    case idsTopLeft:
        return {{ox, oy}};
    }
    return {};
}

void TBkControl::paintEvent(QPaintEvent*) {
    if (painting_)
        return;
    painting_ = true;
    QPainter painter(this);
    const QPixmap& image = background_.Image();
    if (background_.ImageDrawStyle() == idsStretch && !image.isNull()) {
        // Stretched over the whole control, last row and column included.
        StretchSkinGraphic(painter, QRect(pictureOffset_, size()), image);
    } else {
        for (const QPoint& place : PicturePlaces())
            DrawSkinGraphic(painter, place, image);
    }

    const QPen& pen = background_.Pen();
    painter.setPen(Qt::NoPen);
    painter.setBrush(background_.Brush());
    if (pen.style() == Qt::NoPen) {
        painter.drawRect(rect());
    } else {
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    painting_ = false;
}

} // namespace sudoku
