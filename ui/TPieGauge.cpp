// A pie gauge filled clockwise from the top.
#include "TPieGauge.h"

#include "TFormBuilder.h"

#include <QPainter>

#include <algorithm>

namespace sudoku {

TPieGauge::TPieGauge(QWidget* parent) : QWidget(parent) {}

void TPieGauge::SetMaxValue(int value) {
    Max = std::max(1, value);
    SetProgress(Position);
}

void TPieGauge::SetProgress(int value) {
    const int clamped = std::clamp(value, 0, Max);
    if (clamped != Position) {
        Position = clamped;
        update();
    }
}

void TPieGauge::SetColor(const QColor& color) {
    if (color != Fill) {
        Fill = color;
        update();
    }
}

void TPieGauge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(width(), height()) - 2;
    const QRect disc((width() - side) / 2, (height() - side) / 2, side, side);
    painter.setPen(QPen(TFormBuilder::FaceColor(), 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(disc);
    painter.setBrush(Fill);
    // Qt counts angles in 1/16 degree, counter-clockwise from three o'clock.
    painter.drawPie(disc, 90 * 16, -Position * 360 * 16 / Max);
}

} // namespace sudoku
