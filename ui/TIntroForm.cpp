// The splash window shown at start.
#include "TIntroForm.h"

#include "TBkControl.h"
#include "TFormBuilder.h"
#include "TShellArt.h"
#include "TSkinPictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace sudoku {

namespace {
int LiveCount = 0;
}

TIntroForm::TIntroForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    ++LiveCount;
    setObjectName(QStringLiteral("IntroForm"));
    setFixedSize(280, 280);
    IntroFormImg = new TBkControl(this);
    IntroFormImg->setObjectName(QStringLiteral("IntroFormImg"));
    IntroFormImg->setGeometry(rect());
    IntroFormImg->Background().SetBrush(Qt::NoBrush);
    IntroFormImg->Background().SetPen(Qt::NoPen);
    IntroFormImg->Background().SetImageDrawStyle(idsCenter);
    IntroFormImg->Background().SetImage(TSkinPictures::Shared().Intro());
}

TIntroForm::~TIntroForm() {
    --LiveCount;
}

bool TIntroForm::Exists() {
    return LiveCount > 0;
}

void TIntroForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

void TIntroForm::paintEvent(QPaintEvent*) {
    // Without an intro picture the window draws its own title card.
    if (!IntroFormImg->Background().Image().isNull()) {
        return;
    }
    QPainter painter(this);
    TShellArt::PaintTitleCard(painter, rect(), QStringLiteral("Welcome"));
}

} // namespace sudoku
