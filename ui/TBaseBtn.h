// The skinned push button: a face with a shadow, pictures for the up, down and disabled states
// and a caption, all placed by fractions of the button's width and height.
#pragma once

#include "GGraphicControl.h"

#include <QBrush>
#include <QPen>
#include <QPixmap>
#include <QRegion>

namespace sudoku {

class TBaseBtn : public GGraphicControl {
    Q_OBJECT
public:
    explicit TBaseBtn(QWidget* parent = nullptr); // 120 x 40, hand cursor

    const QBrush& Brush() const { return brush_; }
    void SetBrush(const QBrush& brush);
    const QPen& Pen() const { return pen_; }
    void SetPen(const QPen& pen);
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    // The caption's colour (the font object of the widget carries no colour).
    const QColor& FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& color);

    bool ButtonIsDown() const { return buttonIsDown_; }
    void SetButtonIsDown(bool value);
    bool ButtonIsHot() const { return buttonIsHot_; }
    void SetButtonIsHot(bool value);
    const QColor& CaptionPenColor() const { return captionPenColor_; }
    void SetCaptionPenColor(const QColor& color);
    bool CaptionPenVisible() const { return captionPenVisible_; }
    void SetCaptionPenVisible(bool value);
    double CaptionXOffset() const { return captionXOffset_; }
    void SetCaptionXOffset(double value);
    double CaptionYOffset() const { return captionYOffset_; }
    void SetCaptionYOffset(double value);
    int CaptionXRound() const { return captionXRound_; }
    void SetCaptionXRound(int value);
    int CaptionYRound() const { return captionYRound_; }
    void SetCaptionYRound(int value);
    bool FaceVisible() const { return faceVisible_; }
    void SetFaceVisible(bool value);
    double FaceXOffset() const { return faceXOffset_; }
    void SetFaceXOffset(double value);
    double FaceYOffset() const { return faceYOffset_; }
    void SetFaceYOffset(double value);
    double FaceWidth() const { return faceWidth_; }
    void SetFaceWidth(double value);
    double FaceHeight() const { return faceHeight_; }
    void SetFaceHeight(double value);
    const QPixmap& GlyphUp() const { return glyphUp_; }
    void SetGlyphUp(const QPixmap& picture);
    const QPixmap& GlyphDown() const { return glyphDown_; }
    void SetGlyphDown(const QPixmap& picture);
    const QPixmap& GlyphDisabled() const { return glyphDisabled_; }
    void SetGlyphDisabled(const QPixmap& picture);
    bool GlyphUpIsGlyphDown() const { return glyphUpIsGlyphDown_; }
    void SetGlyphUpIsGlyphDown(bool value);
    bool GlyphCentered() const { return glyphCentered_; }
    void SetGlyphCentered(bool value); // true clears GlyphStretched
    bool GlyphStretched() const { return glyphStretched_; }
    void SetGlyphStretched(bool value); // true clears GlyphCentered
    double GlyphXOffset() const { return glyphXOffset_; }
    void SetGlyphXOffset(double value);
    double GlyphYOffset() const { return glyphYOffset_; }
    void SetGlyphYOffset(double value);
    double GlyphWidth() const { return glyphWidth_; }
    void SetGlyphWidth(double value);
    double GlyphHeight() const { return glyphHeight_; }
    void SetGlyphHeight(double value);
    const QColor& ShadowColor() const { return shadowColor_; }
    void SetShadowColor(const QColor& color);
    double ShadowXOffset() const { return shadowXOffset_; }
    void SetShadowXOffset(double value);
    double ShadowYOffset() const { return shadowYOffset_; }
    void SetShadowYOffset(double value);

    // Optional painting clip in button coordinates; an empty region clips nothing.
    const QRegion& ClipRegion() const { return clipRegion_; }
    void SetClipRegion(const QRegion& region);

    // Acts as a click of the mouse: OnClick, unless the button is disabled or hidden. Keys
    // click a button too: Space and Enter while it has the focus, and shortcuts.
    void Click();

    // The mouse button, or Space, is held down on the button.
    bool Pressed() const { return pressed_; }
    // Drawn sunk: enabled and pressed or ButtonIsDown.
    bool ShowsDown() const;

    // Geometry at the current size, shared by painting and the tests.
    int PixelX(double fraction) const; // fraction x width, rounded
    int PixelY(double fraction) const; // fraction x height, rounded
    QRect FaceRect() const;            // face at rest
    QRect ShadowRect() const;          // shadow, and the face while sunk
    QPoint PressShift() const;         // shadow offsets in pixels
    const QPixmap& CurrentGlyph() const;
    QRect GlyphRect(const QPixmap& picture) const; // where a picture lands, shift included
    QPoint CaptionPos() const;                     // caption's top-left, shift included
    QColor CaptionColor() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void MouseDown(Qt::MouseButton button, QPoint pos) override;
    void MouseUp(Qt::MouseButton button, QPoint pos) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    template <typename T> void Assign(T& field, const T& value);
    void DrawFace(QPainter& painter, const QRect& rect, const QColor* solid) const;
    void DrawFrame(QPainter& painter, const QColor& topLeft, const QColor& bottomRight) const;
    void DrawFocus(QPainter& painter) const;

    QBrush brush_{Qt::white, Qt::SolidPattern};
    QPen pen_{Qt::black, 1};
    QString caption_;
    QColor fontColor_{Qt::black};
    bool buttonIsDown_ = false;
    bool buttonIsHot_ = false;
    QColor captionPenColor_{Qt::black};
    bool captionPenVisible_ = false;
    double captionXOffset_ = 0;
    double captionYOffset_ = 0;
    int captionXRound_ = 0;
    int captionYRound_ = 0;
    bool faceVisible_ = true;
    double faceXOffset_ = 0;
    double faceYOffset_ = 0;
    double faceWidth_ = 0.8;
    double faceHeight_ = 0.5;
    QPixmap glyphUp_;
    QPixmap glyphDown_;
    QPixmap glyphDisabled_;
    bool glyphUpIsGlyphDown_ = false;
    bool glyphCentered_ = false;
    bool glyphStretched_ = false;
    double glyphXOffset_ = 0;
    double glyphYOffset_ = 0;
    double glyphWidth_ = 0.2;
    double glyphHeight_ = 0.8;
    QColor shadowColor_{0x80, 0x80, 0x80};
    double shadowXOffset_ = 0;
    double shadowYOffset_ = 0;
    QRegion clipRegion_;
    bool pressed_ = false;
    bool spaceDown_ = false; // pressed by Space, which clicks when let go
};

} // namespace sudoku
