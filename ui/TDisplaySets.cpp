// Listing and loading of display sets, menu captions and the symbol-key strip painting.
#include "TDisplaySets.h"

#include "GridRenderer.h"
#include "TCellInput.h"
#include "TIconFile.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>

namespace sudoku {

namespace {

void TextAt(QPainter& p, int x, int y, const QString& text) {
    p.drawText(QPoint(x, y + QFontMetrics(p.font()).ascent()), text);
}

} // namespace

const QStringList TDisplaySets::BuiltInNames = {
    QStringLiteral("123456789"), QStringLiteral("ABCDEFGHI"), QStringLiteral("SINGAPORE")};

TDisplaySets::TDisplaySets() : List(BuiltInNames), Name(BuiltInNames.first()) {}

void TDisplaySets::FillDisplaySetList(const QString& appDir) {
    AppDir = appDir;
    List = BuiltInNames;
    const QDir folder(QDir(appDir).filePath(QStringLiteral("Display Sets")));
    if (!folder.exists())
        return;
    const auto entries = folder.entryInfoList(
        QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QFileInfo& info : entries)
        List.append(info.fileName());
}

int TDisplaySets::IndexOf(const QString& name) const {
    const qsizetype index = List.indexOf(name);
    return index < 0 ? DigitSet : static_cast<int>(index);
}

void TDisplaySets::Apply(int index, int gridSize) {
    Selected = (index >= 0 && index < List.size()) ? index : DigitSet;
    Name = List[Selected];
    Icons32.clear();
    Icons16.clear();
    if (gridSize < 10 && PictureSetSelected()) {
        const QString folder =
            QDir(AppDir).filePath(QStringLiteral("Display Sets/") + Name) + QLatin1Char('/');
        if (!LoadDisplaySetIcons(folder)) {
            Selected = DigitSet;
            Name = List[DigitSet];
        }
    }
}

bool TDisplaySets::LoadDisplaySetIcons(const QString& folder) {
    Icons32.clear();
    Icons16.clear();
    bool complete = true;
    for (int d = 0; d < PictureCount; ++d) {
        const QPixmap large = TIconFile::Load(folder + QStringLiteral("0%1.ico").arg(d), 32);
        if (large.isNull())
            complete = false;
        else
            Icons32.append(large);
    }
    for (int d = 0; d < PictureCount; ++d) {
        const QPixmap small = TIconFile::Load(folder + QStringLiteral("0%1s.ico").arg(d), 16);
        if (small.isNull())
            complete = false;
        else
            Icons16.append(small);
    }
    if (!complete) {
        Icons32.clear();
        Icons16.clear();
    }
    return complete;
}

QString TDisplaySets::Symbol(int value, int gridSize) const {
    TGridLook look;
    look.DisplaySet = Name;
    return SuDoKuSymbol(look, gridSize, value);
}

QString TDisplaySets::ValueCaption(int value, int gridSize) const {
    if (value < 1 || value > 16)
        return {};
    if (value >= 10 || gridSize >= 10 || PictureSetSelected())
        return QString(QLatin1Char(FixedSymbols[value - 1]));
    return Symbol(value, gridSize);
}

QString TDisplaySets::NoteCaption(int value, int gridSize) const {
    const QString symbol = ValueCaption(value, gridSize);
    if (symbol.isEmpty())
        return {};
    return symbol + QStringLiteral("  (Ctrl + ") + symbol + QLatin1Char(')');
}

void TDisplaySets::DrawDisplaySetImg(QPainter& p, int width, int height, int gridSize,
                                     const QColor& windowColour, const QFont& font, int step,
                                     const std::vector<int>& toPlace) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(0, 0, width - 1, height - 1), windowColour);
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(0, 0, width - 2, height - 2));

    QFont regular = font;
    regular.setBold(false);
    QFont bold = font;
    bold.setBold(true);
    QFont small = regular;
    small.setPointSizeF(regular.pointSizeF() * 0.85);
    const QFontMetrics fmRegular(regular);
    const QFontMetrics fmBold(bold);
    const QFontMetrics fmSmall(small);
    // With counts the symbols take the upper line and below each stands how many of it are
    // still to be placed; a symbol with none left is greyed.
    const bool counts = !toPlace.empty();
    const auto left = [&toPlace](int v) {
        return v < static_cast<int>(toPlace.size()) ? toPlace[static_cast<std::size_t>(v)] : 0;
    };
    const auto top = [counts, height](const QFontMetrics& fm) {
        return counts ? 1 : (height - fm.height()) / 2;
    };
    const auto symbolColour = [&](int v) {
        return counts && left(v) == 0 ? QColor(0xA8, 0xA8, 0xA8) : QColor(0, 0, 0);
    };
    // The count of v centred under what shows v, from x to x + w.
    const auto count = [&](int v, int x, int w) {
        if (!counts || left(v) == 0)
            return;
        const QString text = QString::number(left(v));
        p.setFont(small);
        p.setPen(QColor(0x60, 0x60, 0x60));
        TextAt(p, x + (w - fmSmall.horizontalAdvance(text)) / 2, height - fmSmall.height() - 1,
               text);
    };
    if (gridSize >= 10) {
        for (int v = 1; v <= gridSize && v <= 16; ++v) {
            const QString symbol(QLatin1Char(FixedSymbols[v - 1]));
            const int x = (width / gridSize) * (v - 1) + 7;
            p.setFont(bold);
            p.setPen(symbolColour(v));
            TextAt(p, x, top(fmBold), symbol);
            count(v, x, fmBold.horizontalAdvance(symbol));
        }
    } else {
        for (int v = 1; v <= gridSize; ++v) {
            const int x0 = (v - 1) * step + 7;
            const QString number = QString::number(v);
            if (Selected == DigitSet) {
                p.setFont(bold);
                p.setPen(symbolColour(v));
                TextAt(p, x0 + 9, top(fmBold), number);
                count(v, x0 + 9, fmBold.horizontalAdvance(number));
                continue;
            }
            const QString label = number + QLatin1Char('=');
            p.setFont(regular);
            p.setPen(symbolColour(v));
            TextAt(p, x0, top(fmRegular), label);
            const int x = x0 + fmRegular.horizontalAdvance(label);
            if (!PictureSetSelected()) {
                const QString symbol = Symbol(v, gridSize);
                p.setFont(bold);
                TextAt(p, x0 + fmBold.horizontalAdvance(label), top(fmBold), symbol);
                count(v, x0 + fmBold.horizontalAdvance(label), fmBold.horizontalAdvance(symbol));
            } else if (v < Icons16.size()) {
                p.setOpacity(counts && left(v) == 0 ? 0.35 : 1.0);
                p.drawPixmap(x, counts ? 0 : 2, Icons16[v]);
                p.setOpacity(1.0);
                count(v, x, Icons16[v].width());
            }
        }
    }
    p.restore();
}

QPixmap TDisplaySets::DrawDisplaySetImg(int width, int height, int gridSize,
                                        const QColor& windowColour, const QFont& font, int step,
                                        const std::vector<int>& toPlace) const {
    QPixmap strip(qMax(1, width), qMax(1, height));
    strip.fill(windowColour);
    QPainter p(&strip);
    DrawDisplaySetImg(p, width, height, gridSize, windowColour, font, step, toPlace);
    return strip;
}

} // namespace sudoku
