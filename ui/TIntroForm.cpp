// The splash window shown at start.
#include "TIntroForm.h"

#include "TBkControl.h"
#include "TFormBuilder.h"
#include "TScreenLayout.h"
#include "TShellArt.h"
#include "TSkinPictures.h"

#include <QPainter>

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
    TScreenLayout::CentreOnScreen(this);
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
