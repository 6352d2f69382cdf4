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
                                     const QColor& windowColour, const QFont& font,
                                     int step) const {
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
    p.setPen(QColor(0, 0, 0));
    if (gridSize >= 10) {
        p.setFont(bold);
        const QFontMetrics fm(bold);
        for (int v = 1; v <= gridSize && v <= 16; ++v)
            TextAt(p, (width / gridSize) * (v - 1) + 7, (height - fm.height()) / 2,
                   QString(QLatin1Char(FixedSymbols[v - 1])));
    } else {
        const QFontMetrics fmRegular(regular);
        const QFontMetrics fmBold(bold);
        for (int v = 1; v <= gridSize; ++v) {
            const int x0 = (v - 1) * step + 7;
            const QString number = QString::number(v);
            if (Selected == DigitSet) {
                p.setFont(bold);
                TextAt(p, x0 + 9, (height - fmBold.height()) / 2, number);
                continue;
            }
            const QString label = number + QLatin1Char('=');
            p.setFont(regular);
            TextAt(p, x0, (height - fmRegular.height()) / 2, label);
            if (!PictureSetSelected()) {
                p.setFont(bold);
                TextAt(p, x0 + fmBold.horizontalAdvance(label), (height - fmBold.height()) / 2,
                       Symbol(v, gridSize));
            } else if (v < Icons16.size()) {
                p.drawPixmap(x0 + fmRegular.horizontalAdvance(label), 2, Icons16[v]);
            }
        }
    }
    p.restore();
}

QPixmap TDisplaySets::DrawDisplaySetImg(int width, int height, int gridSize,
                                        const QColor& windowColour, const QFont& font,
                                        int step) const {
    QPixmap strip(qMax(1, width), qMax(1, height));
    strip.fill(windowColour);
    QPainter p(&strip);
    DrawDisplaySetImg(p, width, height, gridSize, windowColour, font, step);
    return strip;
}

} // namespace sudoku
