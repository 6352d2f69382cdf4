// Screen-size layouts of the main window.
#include "TScreenLayout.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>

#include <cmath>

namespace sudoku {

namespace {
constexpr const char* BaseRectProperty = "baseRect";
constexpr const char* BaseFontProperty = "basePointSize";
} // namespace

int TScreenLayout::ChooseLayout(int mode, int current, int screenWidth, int screenHeight) {
    switch (mode) {
    case 0: {
        // A layout is taken only when the screen exceeds it by a margin; the smaller of the
        // two ratios to the base screen decides which dimension counts.
        if (static_cast<double>(screenWidth) / 640.0 < static_cast<double>(screenHeight) / 480.0) {
            if (screenWidth < 800) {
                return current;
            }
            if (screenWidth < 1024) {
                return slBase;
            }
            return screenWidth < 1152 ? sl800ByWidth : sl1024ByWidth;
        }
        if (screenHeight < 600) {
            return current;
        }
        if (screenHeight < 768) {
            return slBaseByHeight;
        }
        return screenHeight < 864 ? sl800ByHeight : sl1024ByHeight;
    }
    case 1:
    case 2:
        return slBase;
    case 3:
        return sl800ByWidth;
    case 4:
        return sl1024ByWidth;
    default:
        return current;
    }
}

double TScreenLayout::Factor(int layout) {
    switch (layout) {
    case sl800ByWidth:
        return 800.0 / 640.0;
    case sl1024ByWidth:
        return 1024.0 / 640.0;
    case sl800ByHeight:
        return 600.0 / 480.0;
    case sl1024ByHeight:
        return 768.0 / 480.0;
    default:
        return 1.0;
    }
}

int TScreenLayout::ScaleValue(int x, int layout) {
    // The default floating-point rounding mode sends halves to the even neighbour.
    return static_cast<int>(std::nearbyint(x * Factor(layout)));
}

void TScreenLayout::Place(QWidget* widget, const QRect& base, int layout) {
    widget->setProperty(BaseRectProperty, base);
    if (!widget->property(BaseFontProperty).isValid() && widget->font().pointSizeF() > 0) {
        widget->setProperty(BaseFontProperty, widget->font().pointSizeF());
    }
    const QRect scaled(ScaleValue(base.x(), layout), ScaleValue(base.y(), layout),
                       ScaleValue(base.width(), layout), ScaleValue(base.height(), layout));
    if (widget->isWindow()) {
        widget->setFixedSize(scaled.size());
    } else {
        widget->setGeometry(scaled);
    }
    const QVariant pointSize = widget->property(BaseFontProperty);
    if (pointSize.isValid()) {
        QFont font = widget->font();
        font.setPointSizeF(pointSize.toDouble() * Factor(layout));
        widget->setFont(font);
    }
}

void TScreenLayout::Apply(QWidget* root, int layout) {
    if (root->property(BaseRectProperty).isValid()) {
        Place(root, BaseGeometry(root), layout);
    }
    for (QWidget* child : root->findChildren<QWidget*>()) {
        if (child->property(BaseRectProperty).isValid()) {
            Place(child, BaseGeometry(child), layout);
        }
    }
}

QRect TScreenLayout::BaseGeometry(const QWidget* widget) {
    return widget->property(BaseRectProperty).toRect();
}

QFont TScreenLayout::PlacedFont(const QWidget* widget) {
    QFont font = widget->font();
    const QVariant pointSize = widget->property(BaseFontProperty);
    const int baseWidth = BaseGeometry(widget).width();
    if (pointSize.isValid() && baseWidth > 0) {
        font.setPointSizeF(pointSize.toDouble() * widget->width() / baseWidth);
    }
    return font;
}

void TScreenLayout::CentreOnScreen(QWidget* window, bool wholeScreen) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = wholeScreen ? screen->geometry() : screen->availableGeometry();
        window->move(area.x() + (area.width() - window->width()) / 2,
                     area.y() + (area.height() - window->height()) / 2);
    }
}

} // namespace sudoku
