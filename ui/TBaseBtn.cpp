// Painting and state of the skinned push button.
#include "TBaseBtn.h"

#include "TSkinPictures.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace sudoku {

namespace {

bool Same(const QPixmap& a, const QPixmap& b) {
    return a.cacheKey() == b.cacheKey();
}

template <typename T> bool Same(const T& a, const T& b) {
    return a == b;
}

const QColor kFrameGrey{0x80, 0x80, 0x80};
const QColor kFocusColour{0x1D, 0x2B, 0x36};

} // namespace

TBaseBtn::TBaseBtn(QWidget* parent) : GGraphicControl(parent) {
    resize(120, 40);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover, false);
}

template <typename T> void TBaseBtn::Assign(T& field, const T& value) {
    if (Same(field, value))
        return;
    field = value;
    update();
}

void TBaseBtn::SetBrush(const QBrush& brush) {
    Assign(brush_, brush);
}
void TBaseBtn::SetPen(const QPen& pen) {
    Assign(pen_, pen);
}
void TBaseBtn::SetCaption(const QString& caption) {
    Assign(caption_, caption);
}
void TBaseBtn::SetFontColor(const QColor& color) {
    Assign(fontColor_, color);
}
void TBaseBtn::SetButtonIsDown(bool value) {
    Assign(buttonIsDown_, value);
}
void TBaseBtn::SetButtonIsHot(bool value) {
    Assign(buttonIsHot_, value);
}
void TBaseBtn::SetCaptionPenColor(const QColor& color) {
    Assign(captionPenColor_, color);
}
void TBaseBtn::SetCaptionPenVisible(bool value) {
    Assign(captionPenVisible_, value);
}
void TBaseBtn::SetCaptionXOffset(double value) {
    Assign(captionXOffset_, value);
}
void TBaseBtn::SetCaptionYOffset(double value) {
    Assign(captionYOffset_, value);
}
void TBaseBtn::SetCaptionXRound(int value) {
    Assign(captionXRound_, value);
}
void TBaseBtn::SetCaptionYRound(int value) {
    Assign(captionYRound_, value);
}
void TBaseBtn::SetFaceVisible(bool value) {
    Assign(faceVisible_, value);
}
void TBaseBtn::SetFaceXOffset(double value) {
    Assign(faceXOffset_, value);
}
void TBaseBtn::SetFaceYOffset(double value) {
    Assign(faceYOffset_, value);
}
void TBaseBtn::SetFaceWidth(double value) {
    Assign(faceWidth_, value);
}
void TBaseBtn::SetFaceHeight(double value) {
    Assign(faceHeight_, value);
}
void TBaseBtn::SetGlyphUp(const QPixmap& picture) {
    Assign(glyphUp_, picture);
}
void TBaseBtn::SetGlyphDown(const QPixmap& picture) {
    Assign(glyphDown_, picture);
}
void TBaseBtn::SetGlyphDisabled(const QPixmap& picture) {
    Assign(glyphDisabled_, picture);
}
void TBaseBtn::SetGlyphUpIsGlyphDown(bool value) {
    Assign(glyphUpIsGlyphDown_, value);
}
void TBaseBtn::SetGlyphCentered(bool value) {
    if (value && glyphStretched_) {
        glyphStretched_ = false;
        update();
    }
    Assign(glyphCentered_, value);
}
void TBaseBtn::SetGlyphStretched(bool value) {
    if (value && glyphCentered_) {
        glyphCentered_ = false;
        update();
    }
    Assign(glyphStretched_, value);
}
void TBaseBtn::SetGlyphXOffset(double value) {
    Assign(glyphXOffset_, value);
}
void TBaseBtn::SetGlyphYOffset(double value) {
    Assign(glyphYOffset_, value);
}
void TBaseBtn::SetGlyphWidth(double value) {
    Assign(glyphWidth_, value);
}
void TBaseBtn::SetGlyphHeight(double value) {
    Assign(glyphHeight_, value);
}
void TBaseBtn::SetShadowColor(const QColor& color) {
    Assign(shadowColor_, color);
}
void TBaseBtn::SetShadowXOffset(double value) {
    Assign(shadowXOffset_, value);
}
void TBaseBtn::SetShadowYOffset(double value) {
    Assign(shadowYOffset_, value);
}
void TBaseBtn::SetClipRegion(const QRegion& region) {
    Assign(clipRegion_, region);
}

bool TBaseBtn::ShowsDown() const {
    return isEnabled() && (pressed_ || buttonIsDown_);
}

int TBaseBtn::PixelX(double fraction) const {
    return static_cast<int>(std::lround(fraction * width()));
}

int TBaseBtn::PixelY(double fraction) const {
    return static_cast<int>(std::lround(fraction * height()));
}

QRect TBaseBtn::FaceRect() const {
    const QPoint topLeft(PixelX(faceXOffset_), PixelY(faceYOffset_));
    const QPoint bottomRight(PixelX(faceXOffset_ + faceWidth_), PixelY(faceYOffset_ + faceHeight_));
    return {topLeft.x(), topLeft.y(), bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()};
}

QRect TBaseBtn::ShadowRect() const {
    const QPoint topLeft(PixelX(faceXOffset_ + shadowXOffset_),
                         PixelY(faceYOffset_ + shadowYOffset_));
    const QPoint bottomRight(PixelX(faceXOffset_ + faceWidth_ + shadowXOffset_),
                             PixelY(faceYOffset_ + faceHeight_ + shadowYOffset_));
    return {topLeft.x(), topLeft.y(), bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()};
}

QPoint TBaseBtn::PressShift() const {
    return {PixelX(shadowXOffset_), PixelY(shadowYOffset_)};
}

const QPixmap& TBaseBtn::CurrentGlyph() const {
    static const QPixmap none;
    if (!isEnabled())
        return glyphDisabled_;
    if (!ShowsDown())
        return glyphUp_;
    if (!glyphDown_.isNull() && !glyphUpIsGlyphDown_)
        return glyphDown_;
    if (glyphUpIsGlyphDown_ && !glyphUp_.isNull())
        return glyphUp_;
    return none;
}

QRect TBaseBtn::GlyphRect(const QPixmap& picture) const {
    const QPoint shift = ShowsDown() ? PressShift() : QPoint();
    QRect rect;
    if (glyphStretched_) {
        const QPoint topLeft(PixelX(glyphXOffset_), PixelY(glyphYOffset_));
        const QPoint bottomRight(PixelX(glyphXOffset_ + glyphWidth_),
                                 PixelY(glyphYOffset_ + glyphHeight_));
        rect = QRect(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()));
    } else {
        const QSize size = picture.deviceIndependentSize().toSize();
        if (glyphCentered_)
            rect =
                QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
        else
            rect = QRect(QPoint(PixelX(glyphXOffset_), PixelY(glyphYOffset_)), size);
    }
    return rect.translated(shift);
}

QPoint TBaseBtn::CaptionPos() const {
    const QPoint pos(PixelX(captionXOffset_), PixelY(captionYOffset_));
    return ShowsDown() ? pos + PressShift() : pos;
}

QColor TBaseBtn::CaptionColor() const {
    return isEnabled() ? fontColor_ : palette().color(QPalette::Disabled, QPalette::WindowText);
}

void TBaseBtn::DrawFace(QPainter& painter, const QRect& rect, const QColor* solid) const {
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    QBrush brush = brush_;
    QPen pen = pen_;
    if (solid) {
        brush.setColor(*solid);
        pen.setColor(*solid);
    }
    painter.setBrush(brush);
    painter.setPen(pen);
    // The outline stays inside the rectangle, as the face and shadow sizes are exact.
    const qreal inset = pen.style() == Qt::NoPen ? 0.0 : std::max<qreal>(1.0, pen.widthF()) / 2;
    if (captionXRound_ > 0 && captionYRound_ > 0) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.drawRoundedRect(QRectF(rect).adjusted(inset, inset, -inset, -inset),
                                captionXRound_ / 2.0, captionYRound_ / 2.0);
        painter.setRenderHint(QPainter::Antialiasing, false);
    } else if (inset == 0) {
        painter.drawRect(rect);
    } else {
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
}

void TBaseBtn::DrawFrame(QPainter& painter, const QColor& topLeft,
                         const QColor& bottomRight) const {
    const int right = width() - 1;
    const int bottom = height() - 1;
    painter.setPen(QPen(topLeft, 1));
    painter.drawLine(right, 0, 0, 0);
    painter.drawLine(0, 0, 0, bottom);
    painter.setPen(QPen(bottomRight, 1));
    painter.drawLine(0, bottom, right, bottom);
    painter.drawLine(right, bottom, right, 0);
}

void TBaseBtn::DrawFocus(QPainter& painter) const {
    // A dark ring along the button's edge, clear of the caption.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(kFocusColour, 2));
    painter.setBrush(Qt::NoBrush);
    const qreal radius = std::min(width(), height()) / 2.0 - 1;
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), radius, radius);
    painter.restore();
}

void TBaseBtn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!clipRegion_.isEmpty())
        painter.setClipRegion(clipRegion_);
    painter.setFont(font());

    const bool sunk = ShowsDown();
    if (!pressed_ && !buttonIsDown_ && faceVisible_)
        DrawFace(painter, ShadowRect(), &shadowColor_);

    if (faceVisible_)
        DrawFace(painter, sunk ? ShadowRect() : FaceRect(), nullptr);

    const QPixmap& glyph = CurrentGlyph();
    if (!glyph.isNull()) {
        if (glyphStretched_)
            StretchSkinGraphic(painter, GlyphRect(glyph), glyph);
        else
            DrawSkinGraphic(painter, GlyphRect(glyph).topLeft(), glyph);
    }

    if (!faceVisible_ && sunk)
        DrawFrame(painter, kFrameGrey, Qt::white);
    else if (!faceVisible_ && isEnabled() && !pressed_ && !buttonIsDown_ && buttonIsHot_)
        DrawFrame(painter, Qt::white, kFrameGrey);

    if (hasFocus())
        DrawFocus(painter);

    if (caption_.isEmpty())
        return;
    painter.setBrush(Qt::NoBrush);
    const QPoint pos = CaptionPos();
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;
    const QSize room(4 * width() + 100, 4 * height() + 100);
    if (captionPenVisible_) {
        painter.setPen(captionPenColor_);
        painter.drawText(QRect(pos - QPoint(1, 1), room), flags, caption_);
    }
    painter.setPen(CaptionColor());
    painter.drawText(QRect(pos, room), flags, caption_);
}

void TBaseBtn::MouseDown(Qt::MouseButton button, QPoint) {
    if (button != Qt::LeftButton)
        return;
    pressed_ = true;
    update();
}

void TBaseBtn::MouseUp(Qt::MouseButton button, QPoint) {
    if (button != Qt::LeftButton || !pressed_)
        return;
    pressed_ = false;
    update();
}

void TBaseBtn::Click() {
    if (isEnabled() && isVisible())
        emit OnClick();
}

void TBaseBtn::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat()) {
            pressed_ = spaceDown_ = true;
            update();
        }
    } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !event->isAutoRepeat()) {
        Click();
    } else {
        GGraphicControl::keyPressEvent(event);
    }
}

void TBaseBtn::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space || event->isAutoRepeat() || !spaceDown_) {
        GGraphicControl::keyReleaseEvent(event);
        return;
    }
    pressed_ = spaceDown_ = false;
    update();
    Click();
}

void TBaseBtn::focusInEvent(QFocusEvent* event) {
    GGraphicControl::focusInEvent(event);
    update();
}

void TBaseBtn::focusOutEvent(QFocusEvent* event) {
    GGraphicControl::focusOutEvent(event);
    // Space held while the focus leaves clicks nothing.
    if (spaceDown_)
        pressed_ = spaceDown_ = false;
    update();
}

void TBaseBtn::changeEvent(QEvent* event) {
    GGraphicControl::changeEvent(event);
    // A button disabled while held down must not come back up pressed.
    if (event->type() == QEvent::EnabledChange && !isEnabled() && pressed_) {
        pressed_ = false;
        update();
    }
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::PaletteChange)
        update();
}

} // namespace sudoku
