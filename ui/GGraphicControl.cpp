// Mouse bookkeeping shared by the skinned button and the background control.
#include "GGraphicControl.h"

#include <QEnterEvent>
#include <QMouseEvent>

namespace sudoku {

GGraphicControl::GGraphicControl(QWidget* parent) : QWidget(parent) {}

void GGraphicControl::MouseDown(Qt::MouseButton, QPoint) {}

void GGraphicControl::MouseUp(Qt::MouseButton, QPoint) {}

void GGraphicControl::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    if (mouseInside_)
        return;
    mouseInside_ = true;
    emit OnMouseIn();
}

void GGraphicControl::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (!mouseInside_)
        return;
    mouseInside_ = false;
    emit OnMouseOut();
}

void GGraphicControl::mousePressEvent(QMouseEvent* event) {
    event->accept();
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        clicked_ = true;
    MouseDown(event->button(), pos);
    emit OnMouseDown(event->button(), event->modifiers(), pos);
}

void GGraphicControl::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click raises OnDblClick and arms a click as well: two
    // quick clicks on a button act twice, also when the second falls in the first's work.
    event->accept();
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        clicked_ = true;
        emit OnDblClick();
    }
    MouseDown(event->button(), pos);
    emit OnMouseDown(event->button(), event->modifiers(), pos);
}

void GGraphicControl::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit OnMouseMove(event->buttons(), event->modifiers(), event->position().toPoint());
}

void GGraphicControl::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const QPoint pos = event->position().toPoint();
    const bool click = event->button() == Qt::LeftButton && clicked_;
    if (event->button() == Qt::LeftButton)
        clicked_ = false;
    MouseUp(event->button(), pos);
    emit OnMouseUp(event->button(), event->modifiers(), pos);
    if (click && rect().contains(pos))
        emit OnClick();
}

} // namespace sudoku
