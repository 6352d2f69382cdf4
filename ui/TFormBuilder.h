// Creates the controls of the windows: each gets its name, its translation tag and its base
// geometry (placed through the screen layout, so the whole window can be rescaled).
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QObject;
class QWidget;

namespace sudoku {

class TBaseBtn;

class TFormBuilder {
public:
    enum class TButtonKind {
        Large, // page buttons, Quit and the dialogs' buttons (120 x 35)
        Small, // page-area buttons (85 x 15)
        Title  // the 14 x 14 title buttons
    };

    // The window colour, $F2FFFF in blue-green-red order.
    static QColor WindowColor() { return QColor(0xFF, 0xFF, 0xF2); }
    // Face colour of the drawn (unskinned) buttons.
    static QColor FaceColor() { return QColor(0xB0, 0x50, 0x36); }

    explicit TFormBuilder(QWidget* parent, int layout = 0) : Parent(parent), Layout(layout) {}

    TBaseBtn* Button(const QString& name, int tag, const QString& caption, const QString& hint,
                     const QRect& base, TButtonKind kind) const;
    QLabel* Label(const QString& name, int tag, const QString& caption, const QRect& base,
                  int pointSize = 8, bool bold = false) const;
    QCheckBox* CheckBox(const QString& name, int tag, const QString& caption,
                        const QRect& base) const;
    QComboBox* ComboBox(const QString& name, int tag, const QStringList& items,
                        const QRect& base) const;
    QListWidget* ListBox(const QString& name, int tag, const QRect& base) const;
    // A plain named area another control will take over (or paint into).
    QWidget* Area(const QString& name, int tag, const QRect& base) const;
    // Names, tags and places a control made elsewhere.
    void Adopt(QWidget* widget, const QString& name, int tag, const QRect& base) const;

    static void SetTag(QObject* object, int tag);
    static int Tag(const QObject* object);
    // A new caption for a button: set at the button's placed font size, narrowed or shrunk
    // when it would not fit the face, and centred on it.
    static void SetButtonCaption(TBaseBtn* button, const QString& caption);
    // A label's or check box's text at its placed font size, shrunk when it would not fit the
    // control's width (word-wrapped labels are left as they are).
    static void FitText(QWidget* control);
    // Every tagged caption below root fitted again, after a change of screen layout.
    static void FitCaptions(QWidget* root);
    // The room a label's or check box's text has, and the width of its widest line.
    static int TextRoom(const QWidget* control);
    static int TextWidth(const QWidget* control, const QFont& font);
    // The font made smaller in half points, not below minPoints, until the text fits width.
    static QFont ShrinkToFit(QFont font, const QString& text, double width, double minPoints);
    // Gives a drawn button the look of the window forms.
    static void StyleButton(TBaseBtn* button, TButtonKind kind);

private:
    QWidget* Parent;
    int Layout;
};

} // namespace sudoku
