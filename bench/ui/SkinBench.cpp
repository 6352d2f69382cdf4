// Painting a skinned page button and the window background (whole-picture copies), and
// fetching a button group's pictures from the loader, first time and cached.
#include "TBaseBtn.h"
#include "TBkControl.h"
#include "TSkinPictures.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

namespace {

using namespace sudoku;

void SkinnedButtonPaint(benchmark::State& state) {
    TBaseBtn button;
    button.resize(120, 35);
    button.SetCaption(QStringLiteral("Play & Solve"));
    ApplySkin(button, TSkinKind::LargeButton, 2);
    button.SetButtonIsDown(state.range(0) != 0);
    QImage target(button.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&target);
        button.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    }
}
BENCHMARK(SkinnedButtonPaint)->Arg(0)->Arg(1)->ArgName("down");

void WindowBackgroundPaint(benchmark::State& state) {
    const int layout = static_cast<int>(state.range(0));
    const QPixmap picture = TSkinPictures::Shared().Background(layout);
    TBkControl background;
    background.resize(picture.size());
    background.Background().SetBrush(Qt::NoBrush);
    background.Background().SetPen(Qt::NoPen);
    background.Background().SetImageDrawStyle(idsTopLeft);
    background.Background().SetImage(picture);
    QImage target(background.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&target);
        background.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    }
}
BENCHMARK(WindowBackgroundPaint)->Arg(2)->Arg(4)->ArgName("layout");

void ButtonSkinLoad(benchmark::State& state) {
    const bool cached = state.range(0) != 0;
    TSkinPictures pictures(QStringLiteral("/nonexistent/"));
    for (auto _ : state) {
        if (!cached)
            pictures.Clear();
        benchmark::DoNotOptimize(pictures.ButtonSkin(TSkinKind::LargeButton, 4));
    }
}
BENCHMARK(ButtonSkinLoad)->Arg(0)->Arg(1)->ArgName("cached");

} // namespace
