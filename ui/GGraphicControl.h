// Base of the painted controls: a widget that reports the pointer entering and leaving it and
// turns raw mouse events into the control events (down, move, up, click, double click).
#pragma once

#include <QPoint>
#include <QWidget>

namespace sudoku {

class GGraphicControl : public QWidget {
    Q_OBJECT
public:
    explicit GGraphicControl(QWidget* parent = nullptr);

    // True between OnMouseIn and OnMouseOut.
    bool MouseInside() const { return mouseInside_; }

signals:
    // A left press and release both over the control (a press that leaves and comes back
    // still clicks; a release outside does not). Each press of a double click counts.
    void OnClick();
    void OnDblClick();
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);
    void OnMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, QPoint pos);
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);
    void OnMouseIn();
    void OnMouseOut();

protected:
    // Hooks for derived controls, called before the matching signal.
    virtual void MouseDown(Qt::MouseButton button, QPoint pos);
    virtual void MouseUp(Qt::MouseButton button, QPoint pos);

    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool mouseInside_ = false;
    bool clicked_ = false; // left button went down on the control
};

} // namespace sudoku
