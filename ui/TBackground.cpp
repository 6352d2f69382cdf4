// Setters of the background description; each one tells the owning control to repaint.
#include "TBackground.h"

namespace sudoku {

void TBackground::SetBrush(const QBrush& brush) {
    if (brush_ == brush)
        return;
    brush_ = brush;
    Changed();
}

void TBackground::SetPen(const QPen& pen) {
    if (pen_ == pen)
        return;
    pen_ = pen;
    Changed();
}

void TBackground::SetImage(const QPixmap& image) {
    if (image_.cacheKey() == image.cacheKey())
        return;
    image_ = image;
    Changed();
}

void TBackground::SetImageDrawStyle(TImageDrawStyle style) {
    if (imageDrawStyle_ == style)
        return;
    imageDrawStyle_ = style;
    Changed();
}

void TBackground::Changed() const {
    if (changed_)
        changed_();
}

} // namespace sudoku
