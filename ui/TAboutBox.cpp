// The about window.
#include "TAboutBox.h"

#include "TBaseBtn.h"
#include "TBkControl.h"
#include "TFormBuilder.h"
#include "TScreenLayout.h"
#include "TShellArt.h"
#include "TSkinPictures.h"

#include <QKeyEvent>
#include <QPainter>

namespace sudoku {

TAboutBox::TAboutBox(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("AboutBox"));
    setFixedSize(325, 325);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    setFont(font);

    AboutboxImg = new TBkControl(this);
    AboutboxImg->setObjectName(QStringLiteral("AboutboxImg"));
    AboutboxImg->setGeometry(rect().adjusted(1, 1, -1, -1));
    AboutboxImg->Background().SetBrush(Qt::NoBrush);
    AboutboxImg->Background().SetPen(Qt::NoPen);
    AboutboxImg->Background().SetImageDrawStyle(idsCenter);
    AboutboxImg->Background().SetImage(TSkinPictures::Shared().About());

    const TFormBuilder form(this);
    using K = TFormBuilder::TButtonKind;
    MarlbrookSBtn = form.Button(QStringLiteral("MarlbrookSBtn"), 0, QString(),
                                QStringLiteral("Home page"), QRect(13, 276, 130, 40), K::Large);
    MarlbrookSBtn->SetFaceVisible(false);
    CloseBtn = form.Button(QStringLiteral("CloseBtn"), 0, QStringLiteral("Close"), QString(),
                           QRect(230, 300, 85, 15), K::Small);
    ApplyDialogSkin(*CloseBtn, TSkinKind::SmallButton);
    CloseBtn->hide();
    HideBtn = form.Button(QStringLiteral("HideBtn"), 0, QStringLiteral("x"), QString(),
                          QRect(309, 2, 14, 14), K::Title);

    ApplyDialogSkin(*HideBtn, TSkinKind::TitleButton);
    connect(CloseBtn, &TBaseBtn::OnClick, this, &QWidget::close);
    connect(HideBtn, &TBaseBtn::OnClick, this, &QWidget::close);
    connect(MarlbrookSBtn, &TBaseBtn::OnClick, this, [this] {
        emit HomePageRequested();
        close();
    });
}

void TAboutBox::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    TScreenLayout::CentreOnScreen(this);
    raise();
}

void TAboutBox::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) {
        close();
    }
}

void TAboutBox::keyReleaseEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
         event->key() == Qt::Key_Escape)) {
        close();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TAboutBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (AboutboxImg->Background().Image().isNull()) {
        TShellArt::PaintTitleCard(painter, rect(),
                                  QStringLiteral("Play, solve and design Sudoku puzzles of 19 box "
                                                 "shapes, from 4 to 16 symbols."));
    } else {
        painter.fillRect(rect(), TFormBuilder::WindowColor());
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace sudoku
