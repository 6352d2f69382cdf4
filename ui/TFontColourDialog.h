// The grid font dialog: Qt's font dialog with a colour button beside it, since the grid keeps
// a font name and a font colour together.
#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

class QFontDialog;
class QPushButton;

namespace sudoku {

class TFontColourDialog : public QDialog {
    Q_OBJECT
public:
    TFontColourDialog(const QFont& font, const QColor& colour, QWidget* owner = nullptr);

    QFont SelectedFont() const;
    QColor SelectedColour() const { return Colour; }

private:
    void ShowColour();

    QFontDialog* Fonts = nullptr;
    QPushButton* ColourBtn = nullptr;
    QColor Colour;
};

} // namespace sudoku
