// Drawn stand-ins for the splash and about pictures.
#include "TShellArt.h"

#include "TFormBuilder.h"

#include <QPainter>

namespace sudoku {

void TShellArt::PaintTitleCard(QPainter& painter, const QRect& area, const QString& line) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, TFormBuilder::WindowColor());
    const QColor ink = TFormBuilder::FaceColor();
    painter.setPen(QPen(ink, 2));
    painter.drawRect(area.adjusted(1, 1, -2, -2));

    // A 3 x 3 box of cells with a few givens, the program's emblem.
    const int cell = area.width() / 12;
    const QRect box(area.center().x() - cell * 3 / 2, area.top() + area.height() / 8, cell * 3,
                    cell * 3);
    painter.setPen(QPen(ink, 1));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRect r(box.left() + col * cell, box.top() + row * cell, cell, cell);
            painter.fillRect(r, (row + col) % 2 == 0 ? QColor(0xDC, 0xB9, 0xB9).lighter(115)
                                                     : QColor(Qt::white));
            painter.drawRect(r);
        }
    }
    painter.setPen(QPen(ink, 2));
    painter.drawRect(box);
    QFont digits(QStringLiteral("Verdana"));
    digits.setPixelSize(cell * 2 / 3);
    digits.setBold(true);
    painter.setFont(digits);
    const char* givens = "5 3  7 9 ";
    for (int i = 0; i < 9; ++i) {
        if (givens[i] != ' ') {
            const QRect r(box.left() + (i % 3) * cell, box.top() + (i / 3) * cell, cell, cell);
            painter.drawText(r, Qt::AlignCenter, QString(QChar::fromLatin1(givens[i])));
        }
    }

    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(area.width() / 10);
    title.setBold(true);
    painter.setFont(title);
    const int titleTop = box.bottom() + cell;
    painter.drawText(QRect(area.left(), titleTop, area.width(), area.width() / 7),
                     Qt::AlignHCenter | Qt::AlignVCenter, QString::fromLatin1(ProgramTitle));
    QFont small(QStringLiteral("Arial"));
    small.setPixelSize(std::max(9, area.width() / 24));
    painter.setFont(small);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    const int releaseTop = titleTop + area.width() / 7;
    painter.drawText(QRect(area.left(), releaseTop, area.width(), area.width() / 14),
                     Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("Release ") + QString::fromLatin1(ReleaseText));
    painter.drawText(QRect(area.left() + 10, releaseTop + area.width() / 12, area.width() - 20,
                           area.width() / 8),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, line);
    painter.restore();
}

} // namespace sudoku
