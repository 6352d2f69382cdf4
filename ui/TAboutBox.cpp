// The about window.
#include "TAboutBox.h"

#include "TBaseBtn.h"
#include "TBkControl.h"
#include "TComponentTranslator.h"
#include "TFormBuilder.h"
#include "TScreenLayout.h"
#include "TShellArt.h"
#include "TSkinPictures.h"
#include "TransLtr.h"

#include <QKeyEvent>
#include <QPainter>

namespace sudoku {

TAboutBox::TAboutBox(QWidget* parent, int layout)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      ScreenLayout(layout) {
    setObjectName(QStringLiteral("AboutBox"));
    TFormBuilder::SetTag(this, 1);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    setFont(font);
    TScreenLayout::Place(this, QRect(0, 0, 325, 325), layout);

    const TFormBuilder form(this, layout);
    AboutboxImg = new TBkControl(this);
    form.Adopt(AboutboxImg, QStringLiteral("AboutboxImg"), 0, QRect(1, 1, 323, 323));
    AboutboxImg->Background().SetBrush(Qt::NoBrush);
    AboutboxImg->Background().SetPen(Qt::NoPen);
    AboutboxImg->Background().SetImageDrawStyle(idsCenter);

    using K = TFormBuilder::TButtonKind;
    MarlbrookSBtn = form.Button(QStringLiteral("MarlbrookSBtn"), 12, QString(),
                                QStringLiteral("Home page"), QRect(13, 276, 130, 40), K::Large);
    MarlbrookSBtn->SetFaceVisible(false);
    CloseBtn = form.Button(QStringLiteral("CloseBtn"), 10, QStringLiteral("Close"), QString(),
                           QRect(230, 300, 85, 15), K::Small);
    CloseBtn->hide();
    HideBtn = form.Button(QStringLiteral("HideBtn"), 11, QStringLiteral("x"), QString(),
                          QRect(309, 2, 14, 14), K::Title);
    ApplyPictures();
    connect(CloseBtn, &TBaseBtn::OnClick, this, &QWidget::close);
    connect(HideBtn, &TBaseBtn::OnClick, this, &QWidget::close);
    connect(MarlbrookSBtn, &TBaseBtn::OnClick, this, [this] {
        emit HomePageRequested();
        close();
    });
}

void TAboutBox::SetLayout(int layout) {
    if (layout == ScreenLayout) {
        return;
    }
    ScreenLayout = layout;
    TScreenLayout::Apply(this, layout);
    TFormBuilder::FitCaptions(this);
    ApplyPictures();
}

void TAboutBox::ApplyPictures() {
    // The picture fills the window at its own size in the base layout, and grows with it.
    const int side = TScreenLayout::ScaleValue(325, ScreenLayout);
    AboutboxImg->Background().SetImage(TSkinPictures::Shared().About(
        TScreenLayout::Factor(ScreenLayout) == 1.0 ? QSize() : QSize(side, side)));
    ApplyDialogSkin(*CloseBtn, TSkinKind::SmallButton, ScreenLayout);
    ApplyDialogSkin(*HideBtn, TSkinKind::TitleButton, ScreenLayout);
}

void TAboutBox::showEvent(QShowEvent* event) {
    TComponentTranslator::TranslateComponents(this, TransLtr::AboutSection);
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
