// Creates the named, tagged and placed controls of the windows.
#include "TFormBuilder.h"

#include "TBaseBtn.h"
#include "TScreenLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVariant>

#include <algorithm>

namespace sudoku {

namespace {
constexpr const char* TagProperty = "tag";
constexpr const char* KindProperty = "buttonKind";
// Captions are not made smaller than this many points at the base size.
constexpr double MinimumPoints = 6;

// Narrows or shrinks the font of a caption that would not fit the button's face.
void FitCaption(TBaseBtn* button, int width) {
    // A caption wider than the face is set condensed, then smaller, down to 6 points.
    QFont font = button->font();
    const double room = width * 0.95 - 4;
    if (QFontMetrics(font).horizontalAdvance(button->Caption()) > room) {
        font.setStretch(QFont::Condensed);
    }
    button->setFont(TFormBuilder::ShrinkToFit(font, button->Caption(), room, MinimumPoints));
}

} // namespace

void TFormBuilder::SetTag(QObject* object, int tag) {
    object->setProperty(TagProperty, tag);
}

int TFormBuilder::Tag(const QObject* object) {
    return object->property(TagProperty).toInt();
}

void TFormBuilder::Adopt(QWidget* widget, const QString& name, int tag, const QRect& base) const {
    widget->setObjectName(name);
    SetTag(widget, tag);
    TScreenLayout::Place(widget, base, Layout);
}

QFont TFormBuilder::ShrinkToFit(QFont font, const QString& text, double width, double minPoints) {
    while (QFontMetrics(font).horizontalAdvance(text) > width && font.pointSizeF() > minPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    return font;
}

void TFormBuilder::SetButtonCaption(TBaseBtn* button, const QString& caption) {
    QFont font = TScreenLayout::PlacedFont(button);
    font.setStretch(QFont::Unstretched);
    button->setFont(font);
    button->SetCaption(caption);
    FitCaption(button, button->width());
    // The caption's top-left corner is placed; centre it on the face of this size.
    const QFontMetrics metrics(button->font());
    const double w = button->width();
    const double h = button->height();
    if (button->property(KindProperty).toInt() == static_cast<int>(TButtonKind::Title)) {
        // The glyph itself is centred on the round face: a "_" would sit below it otherwise.
        const QRect ink = metrics.tightBoundingRect(caption);
        button->SetCaptionXOffset(((w * 0.95 - ink.width()) / 2.0 - ink.left()) / w);
        button->SetCaptionYOffset(((h * 0.95 - ink.height()) / 2.0 - metrics.ascent() - ink.top()) /
                                  h);
    } else {
        button->SetCaptionXOffset(
            std::max(0.02, (w * 0.95 - metrics.horizontalAdvance(caption)) / 2.0 / w));
        button->SetCaptionYOffset((h * 0.95 - metrics.height()) / 2.0 / h);
    }
}

int TFormBuilder::TextRoom(const QWidget* control) {
    if (const auto* box = qobject_cast<const QAbstractButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(box);
        return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).width();
    }
    return control->contentsRect().width();
}

int TFormBuilder::TextWidth(const QWidget* control, const QFont& font) {
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        text = label->text();
    } else if (const auto* box = qobject_cast<const QAbstractButton*>(control)) {
        text = box->text();
    }
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

void TFormBuilder::FitText(QWidget* control) {
    const auto* label = qobject_cast<const QLabel*>(control);
    if ((label == nullptr && qobject_cast<const QAbstractButton*>(control) == nullptr) ||
        (label != nullptr && label->wordWrap()) ||
        !TScreenLayout::BaseGeometry(control).isValid()) {
        return;
    }
    QFont font = TScreenLayout::PlacedFont(control);
    const double minimum = MinimumPoints * control->width() /
                           std::max(1, TScreenLayout::BaseGeometry(control).width());
    while (TextWidth(control, font) > TextRoom(control) && font.pointSizeF() > minimum) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    control->setFont(font);
}

void TFormBuilder::FitCaptions(QWidget* root) {
    for (QWidget* control : root->findChildren<QWidget*>()) {
        if (Tag(control) < 1) {
            continue;
        }
        if (auto* button = qobject_cast<TBaseBtn*>(control)) {
            SetButtonCaption(button, button->Caption());
        } else {
            FitText(control);
        }
    }
}

void TFormBuilder::StyleButton(TBaseBtn* button, TButtonKind kind) {
    QFont font = button->font();
    font.setPointSize(8);
    switch (kind) {
    case TButtonKind::Large:
    case TButtonKind::Small:
        button->SetFaceWidth(0.95);
        button->SetFaceHeight(0.95);
        button->SetShadowXOffset(0.02);
        button->SetShadowYOffset(0.05);
        button->SetShadowColor(Qt::black);
        button->SetPen(QPen(QColor(0x80, 0x80, 0x80)));
        button->SetBrush(QBrush(FaceColor()));
        button->SetFontColor(WindowColor());
        button->SetCaptionXRound(kind == TButtonKind::Large ? 8 : 4);
        button->SetCaptionYRound(kind == TButtonKind::Large ? 8 : 4);
        if (kind == TButtonKind::Large) {
            font.setBold(true);
        }
        break;
    case TButtonKind::Title:
        font.setBold(true);
        button->SetFaceWidth(0.95);
        button->SetFaceHeight(0.95);
        button->SetShadowXOffset(0.05);
        button->SetShadowYOffset(0.05);
        button->SetShadowColor(QColor(0x80, 0x80, 0x80));
        button->SetPen(QPen(QColor(0x80, 0x80, 0x80)));
        button->SetBrush(QBrush(FaceColor()));
        button->SetFontColor(WindowColor());
        break;
    }
    button->setFont(font);
}

TBaseBtn* TFormBuilder::Button(const QString& name, int tag, const QString& caption,
                               const QString& hint, const QRect& base, TButtonKind kind) const {
    auto* button = new TBaseBtn(Parent);
    StyleButton(button, kind);
    button->setProperty(KindProperty, static_cast<int>(kind));
    button->setToolTip(hint);
    Adopt(button, name, tag, base);
    SetButtonCaption(button, caption);
    return button;
}

QLabel* TFormBuilder::Label(const QString& name, int tag, const QString& caption, const QRect& base,
                            int pointSize, bool bold) const {
    auto* label = new QLabel(caption, Parent);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    Adopt(label, name, tag, base);
    return label;
}

QCheckBox* TFormBuilder::CheckBox(const QString& name, int tag, const QString& caption,
                                  const QRect& base) const {
    auto* box = new QCheckBox(caption, Parent);
    Adopt(box, name, tag, base);
    return box;
}

QComboBox* TFormBuilder::ComboBox(const QString& name, int tag, const QStringList& items,
                                  const QRect& base) const {
    auto* box = new QComboBox(Parent);
    box->addItems(items);
    Adopt(box, name, tag, base);
    return box;
}

QListWidget* TFormBuilder::ListBox(const QString& name, int tag, const QRect& base) const {
    auto* list = new QListWidget(Parent);
    list->setSortingEnabled(true);
    Adopt(list, name, tag, base);
    return list;
}

QWidget* TFormBuilder::Area(const QString& name, int tag, const QRect& base) const {
    auto* area = new QWidget(Parent);
    Adopt(area, name, tag, base);
    return area;
}

} // namespace sudoku
