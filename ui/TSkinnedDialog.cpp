// Common body of the two skinned modal boxes.
#include "TSkinnedDialog.h"

#include "TBaseBtn.h"
#include "TFormBuilder.h"
#include "TScreenLayout.h"
#include "TSkinPictures.h"

#include <QCursor>
#include <QLabel>
#include <QPainter>

namespace sudoku {

TSkinnedDialog::TSkinnedDialog(QWidget* owner, int messageHeight)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(400, 150);
    setModal(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, TFormBuilder::WindowColor());
    setPalette(palette);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    setFont(font);

    const TFormBuilder form(this);
    MsgLbl = form.Label(QStringLiteral("MsgLbl"), 0, QString(), QRect(20, 10, 360, messageHeight));
    MsgLbl->setWordWrap(true);
    MsgLbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    OkBtn = form.Button(QStringLiteral("OkBtn"), 0, QStringLiteral("Ok"), QString(),
                        QRect(140, 100, 120, 35), TFormBuilder::TButtonKind::Large);
    CancelBtn = form.Button(QStringLiteral("CancelBtn"), 0, QStringLiteral("Cancel"), QString(),
                            QRect(260, 100, 120, 35), TFormBuilder::TButtonKind::Large);
    // Picture files in "I" beside the program first, then the built-in pictures.
    ApplyDialogSkin(*OkBtn, TSkinKind::LargeButton);
    ApplyDialogSkin(*CancelBtn, TSkinKind::LargeButton);
    connect(OkBtn, &TBaseBtn::OnClick, this, &QDialog::accept);
    connect(CancelBtn, &TBaseBtn::OnClick, this, &QDialog::reject);
}

void TSkinnedDialog::SetTexts(const QString& text, const QString& firstCaption,
                              const QString& secondCaption) {
    MsgLbl->setText(text);
    OkBtn->SetCaption(firstCaption);
    OkBtn->setVisible(!firstCaption.isEmpty());
    CancelBtn->SetCaption(secondCaption);
    CancelBtn->setVisible(!secondCaption.isEmpty());
    // Re-centre the captions for their new widths.
    for (TBaseBtn* button : {OkBtn, CancelBtn}) {
        TFormBuilder::FitCaption(button, button->width());
        const QFontMetrics metrics(button->font());
        const double w = button->width();
        button->SetCaptionXOffset(
            std::max(0.02, (w * 0.95 - metrics.horizontalAdvance(button->Caption())) / 2.0 / w));
    }
}

void TSkinnedDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    TScreenLayout::CentreOnScreen(this);
    raise();
    activateWindow();
    QCursor::setPos(CancelBtn->mapToGlobal(QPoint(40, 20)));
}

void TSkinnedDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), TFormBuilder::WindowColor());
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace sudoku
