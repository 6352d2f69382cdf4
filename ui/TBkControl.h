// A control that paints a background picture (tiled, centred, stretched or at the top left)
// and then its fill and frame: the skinned surface of the window, dialogs, splash and about.
#pragma once

#include "GGraphicControl.h"
#include "TBackground.h"

namespace sudoku {

class TBkControl : public GGraphicControl {
    Q_OBJECT
public:
    // 100 x 100. A new background fills white inside a black 1-pixel frame over its picture;
    // picture-only surfaces (window, splash, about) clear Brush and Pen.
    explicit TBkControl(QWidget* parent = nullptr);

    TBackground& Background() { return background_; }
    const TBackground& Background() const { return background_; }
    // Displacement of the picture from where its draw style puts it.
    QPoint PictureOffset() const { return pictureOffset_; }
    void SetPictureOffset(QPoint offset);

    // Top-left corners of the picture copies the draw style asks for (stretch: one, at the
    // offset; hide or no picture: none).
    QList<QPoint> PicturePlaces() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TBackground background_;
    QPoint pictureOffset_;
    bool painting_ = false;
};

} // namespace sudoku
