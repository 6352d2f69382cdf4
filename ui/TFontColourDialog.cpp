// The grid font dialog.
#include "TFontColourDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace sudoku {

TFontColourDialog::TFontColourDialog(const QFont& font, const QColor& colour, QWidget* owner)
    : QDialog(owner), Colour(colour) {
    setObjectName(QStringLiteral("FontColourDialog"));
    setWindowTitle(QStringLiteral("Font"));
    // Qt's dialog as a part of this one, without its own buttons.
    Fonts = new QFontDialog(font, this);
    Fonts->setWindowFlags(Qt::Widget);
    Fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    ColourBtn = new QPushButton(QStringLiteral("Colour..."), this);
    ColourBtn->setObjectName(QStringLiteral("ColourBtn"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* row = new QHBoxLayout;
    row->addWidget(ColourBtn);
    row->addStretch();
    row->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Fonts);
    layout->addLayout(row);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ColourBtn, &QPushButton::clicked, this, [this] {
        const QColor chosen = QColorDialog::getColor(Colour, this);
        if (chosen.isValid()) {
            Colour = chosen;
            ShowColour();
        }
    });
    ShowColour();
}

QFont TFontColourDialog::SelectedFont() const {
    return Fonts->currentFont();
}

void TFontColourDialog::ShowColour() {
    QPixmap swatch(16, 16);
    swatch.fill(Colour);
    ColourBtn->setIcon(QIcon(swatch));
}

} // namespace sudoku
