// skinpaint: "skinpaint paint DIR" draws every skin picture into DIR (the built-in set lives in
// resources/skins); "skinpaint sheet DIR" renders the skinned controls, built from the pictures
// compiled into the program, into the documentation pictures of DIR; "skinpaint icons DIR" draws
// the program's icon in the hicolor sizes (resources/icons/hicolor).
#include "TBaseBtn.h"
#include "TBkControl.h"
#include "TSkinPainter.h"
#include "TSkinPictures.h"

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>

#include <cstdio>
#include <memory>

using sudoku::TSkinPainter;

namespace {

struct TLayoutName {
    int layout;
    double factor;
    const char* suffix;
    const char* title;
};

const TLayoutName kLayouts[] = {
    {2, 1.0, "", "640 x 480"}, {3, 1.25, "_sm8x6", "800 x 600"}, {4, 1.6, "_sm10x7", "1024 x 768"}};

bool Save(const QImage& image, const QString& dir, const QString& name) {
    const QString path = QDir(dir).filePath(name + QStringLiteral(".png"));
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "skinpaint: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), image.width(), image.height());
    return true;
}

int Paint(const QString& dir) {
    QDir().mkpath(dir);
    using Shape = TSkinPainter::TButtonShape;
    using State = TSkinPainter::TButtonState;
    const struct {
        Shape shape;
        const char* name;
    } shapes[] = {{Shape::Large, "but"}, {Shape::Small, "but85x15"}, {Shape::Title, "but14x14"}};
    const struct {
        State state;
        const char* name;
    } states[] = {{State::Up, "_up"}, {State::Down, "_down"}, {State::Disabled, "_disabled"}};
    bool ok = true;
    for (const TLayoutName& layout : kLayouts) {
        const QString suffix = QString::fromLatin1(layout.suffix);
        ok &= Save(TSkinPainter::Background(layout.factor), dir,
                   QStringLiteral("player_background") + suffix);
        for (const auto& shape : shapes)
            for (const auto& state : states)
                ok &= Save(TSkinPainter::Button(shape.shape, state.state, layout.factor), dir,
                           QString::fromLatin1(shape.name) + QString::fromLatin1(state.name) +
                               suffix);
    }
    ok &= Save(TSkinPainter::Intro(), dir, QStringLiteral("player_intro"));
    ok &= Save(TSkinPainter::About(), dir, QStringLiteral("player_about"));
    return ok ? 0 : 1;
}

// The emblem as the program's icon, DIR/<N>x<N>/apps/sudoku-atelier.png; the margin leaves
// room for its shadow, as icon themes expect a little space around a square icon.
int Icons(const QString& dir) {
    bool ok = true;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QString folder = QDir(dir).filePath(QStringLiteral("%1x%1/apps").arg(size));
        QDir().mkpath(folder);
        QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        const qreal margin = size * 0.06;
        TSkinPainter::DrawEmblem(
            painter, QRectF(margin, margin * 0.7, size - 2 * margin, size - 2 * margin));
        painter.end();
        ok &= Save(icon, folder, QStringLiteral("sudoku-atelier"));
    }
    return ok ? 0 : 1;
}

// A button set up as the main window sets up its page, page-area and title buttons, at a
// layout's size, skinned from the built-in pictures.
std::unique_ptr<sudoku::TBaseBtn> SheetButton(sudoku::TSkinKind kind, const TLayoutName& layout,
                                              const QString& caption, int state) {
    auto button = std::make_unique<sudoku::TBaseBtn>();
    const QSize base = kind == sudoku::TSkinKind::LargeButton   ? QSize(120, 35)
                       : kind == sudoku::TSkinKind::SmallButton ? QSize(85, 15)
                                                                : QSize(14, 14);
    button->resize(TSkinPainter::ScaledSize(base, layout.factor));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8 * layout.factor);
    font.setBold(kind != sudoku::TSkinKind::SmallButton);
    button->setFont(font);
    button->SetFontColor(QColor(0xFF, 0xFF, 0xF2));
    button->SetCaption(caption);
    const QFontMetrics metrics(font);
    const double w = button->width();
    const double h = button->height();
    button->SetCaptionXOffset((w * 0.97 - metrics.horizontalAdvance(caption)) / 2.0 / w);
    button->SetCaptionYOffset((h * 0.94 - metrics.height()) / 2.0 / h);
    if (!sudoku::ApplySkin(*button, kind, layout.layout))
        std::fprintf(stderr, "skinpaint: no built-in skin for %s\n", qPrintable(caption));
    button->SetButtonIsDown(state == 1);
    button->setEnabled(state != 2);
    return button;
}

void DrawButton(QPainter& painter, sudoku::TBaseBtn& button, QPoint at) {
    painter.save();
    painter.translate(at);
    button.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.restore();
}

int Sheet(const QString& dir) {
    QDir().mkpath(dir);
    const QColor cream(0xFF, 0xFF, 0xF2);
    const QColor ink(0x5A, 0x42, 0x32);
    QFont labelFont(QStringLiteral("DejaVu Sans"));
    labelFont.setPixelSize(12);
    QFont headFont = labelFont;
    headFont.setBold(true);

    QImage sheet(QSize(900, 800), QImage::Format_ARGB32_Premultiplied);
    sheet.fill(cream);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const char* stateNames[3] = {"up", "down", "disabled"};
    const int columns[3] = {120, 360, 640};
    painter.setFont(headFont);
    painter.setPen(ink);
    painter.drawText(QPoint(columns[0], 24), QStringLiteral("page buttons"));
    painter.drawText(QPoint(columns[1], 24), QStringLiteral("page-area buttons"));
    painter.drawText(QPoint(columns[2], 24), QStringLiteral("title buttons"));
    int y = 44;
    for (const TLayoutName& layout : kLayouts) {
        painter.setFont(headFont);
        painter.setPen(ink);
        painter.drawText(QPoint(12, y + 14), QString::fromLatin1(layout.title));
        for (int state = 0; state < 3; ++state) {
            const int rowY = y + state * static_cast<int>(std::lround(40 * layout.factor));
            painter.setFont(labelFont);
            painter.setPen(ink);
            painter.drawText(QPoint(12, rowY + 30), QString::fromLatin1(stateNames[state]));
            auto large = SheetButton(sudoku::TSkinKind::LargeButton, layout,
                                     QStringLiteral("Play & Solve"), state);
            DrawButton(painter, *large, QPoint(columns[0], rowY + 4));
            auto small =
                SheetButton(sudoku::TSkinKind::SmallButton, layout, QStringLiteral("Hint"), state);
            DrawButton(painter, *small, QPoint(columns[1], rowY + 10));
            int x = columns[2];
            for (const char* caption : {"?", "i", "_", "x"}) {
                auto title = SheetButton(sudoku::TSkinKind::TitleButton, layout,
                                         QString::fromLatin1(caption), state);
                DrawButton(painter, *title, QPoint(x, rowY + 10));
                x += title->width() + 4;
            }
        }
        y += static_cast<int>(std::lround(3 * 40 * layout.factor)) + 12;
        painter.setPen(QColor(0xDD, 0xC9, 0xA6));
        painter.drawLine(12, y - 8, 888, y - 8);
    }
    painter.end();
    bool ok = Save(sheet.copy(0, 0, 900, y), dir, QStringLiteral("skin-buttons"));

    const struct {
        QPixmap picture;
        QSize size;
        const char* name;
    } windows[] = {{sudoku::TSkinPictures::Shared().Intro(), {280, 280}, "skin-splash"},
                   {sudoku::TSkinPictures::Shared().About(), {325, 325}, "skin-about"}};
    for (const auto& window : windows) {
        sudoku::TBkControl background;
        background.resize(window.size);
        background.Background().SetBrush(Qt::NoBrush);
        background.Background().SetPen(Qt::NoPen);
        background.Background().SetImageDrawStyle(sudoku::idsCenter);
        background.Background().SetImage(window.picture);
        ok &= Save(background.grab().toImage(), dir, QString::fromLatin1(window.name));
    }
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const QStringList modes = {QStringLiteral("paint"), QStringLiteral("sheet"),
                               QStringLiteral("icons")};
    if (args.size() != 3 || !modes.contains(args[1])) {
        std::fprintf(stderr,
                     "usage: skinpaint paint DIR | skinpaint sheet DIR | skinpaint icons DIR\n");
        return 2;
    }
    if (args[1] == modes[0])
        return Paint(args[2]);
    return args[1] == modes[1] ? Sheet(args[2]) : Icons(args[2]);
}
