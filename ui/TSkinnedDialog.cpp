// Common body of the two skinned modal boxes.
#include "TSkinnedDialog.h"

#include "TBaseBtn.h"
#include "TComponentTranslator.h"
#include "TFormBuilder.h"
#include "TScreenLayout.h"
#include "TSkinPictures.h"

#include <QCursor>
#include <QLabel>
#include <QPainter>

namespace sudoku {

TSkinnedDialog::TSkinnedDialog(QWidget* owner, int messageHeight, int layout)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      ScreenLayout(layout) {
    setModal(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, TFormBuilder::WindowColor());
    setPalette(palette);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    setFont(font);
    TScreenLayout::Place(this, QRect(0, 0, 400, 150), layout);

    const TFormBuilder form(this, layout);
    MsgLbl = form.Label(QStringLiteral("MsgLbl"), 0, QString(), QRect(20, 10, 360, messageHeight));
    MsgLbl->setWordWrap(true);
    MsgLbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    OkBtn = form.Button(QStringLiteral("OkBtn"), 20, QStringLiteral("Ok"), QString(),
                        QRect(140, 100, 120, 35), TFormBuilder::TButtonKind::Large);
    CancelBtn = form.Button(QStringLiteral("CancelBtn"), 21, QStringLiteral("Cancel"), QString(),
                            QRect(260, 100, 120, 35), TFormBuilder::TButtonKind::Large);
    // Picture files in "I" beside the program first, then the built-in pictures.
    ApplyDialogSkin(*OkBtn, TSkinKind::LargeButton, layout);
    ApplyDialogSkin(*CancelBtn, TSkinKind::LargeButton, layout);
    connect(OkBtn, &TBaseBtn::OnClick, this, &QDialog::accept);
    connect(CancelBtn, &TBaseBtn::OnClick, this, &QDialog::reject);
}

void TSkinnedDialog::SetTexts(const QString& text, const QString& firstCaption,
                              const QString& secondCaption) {
    TComponentTranslator::TranslateComponents(this, objectName().toStdString());
    MsgLbl->setText(text);
    TFormBuilder::SetButtonCaption(OkBtn, firstCaption);
    OkBtn->setVisible(!firstCaption.isEmpty());
    TFormBuilder::SetButtonCaption(CancelBtn, secondCaption);
    CancelBtn->setVisible(!secondCaption.isEmpty());
}

void TSkinnedDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    TScreenLayout::CentreOnScreen(this);
    raise();
    activateWindow();
    QCursor::setPos(CancelBtn->mapToGlobal(QPoint(TScreenLayout::ScaleValue(40, ScreenLayout),
                                                  TScreenLayout::ScaleValue(20, ScreenLayout))));
}

void TSkinnedDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), TFormBuilder::WindowColor());
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace sudoku
