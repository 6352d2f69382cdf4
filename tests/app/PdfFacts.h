// What poppler's command-line tools read from a PDF file the printer wrote: the page count and
// size, the words with their boxes, the page rendered at 96 dots per inch and the embedded
// picture as it was stored.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <map>
#include <vector>

namespace sudoku::test {

struct TPdfLine {
    QString Text;
    QRectF Box; // points, from the top left corner of the page
};

struct TPdfFacts {
    int Pages = 0;
    QSizeF PageSize; // points
    std::vector<TPdfLine> Lines;
    QImage Page96;
    QImage Picture;

    const TPdfLine* Line(const QString& text) const {
        const auto it = std::find_if(Lines.begin(), Lines.end(),
                                     [&](const TPdfLine& line) { return line.Text == text; });
        return it == Lines.end() ? nullptr : &*it;
    }
};

inline QString RunPoppler(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    const bool ran = process.waitForFinished(30000) && process.exitCode() == 0;
    EXPECT_TRUE(ran) << program.toStdString()
                     << " failed; poppler-utils is installed by scripts/deps.sh";
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Reads file; scratch is a folder for the rendered page and the extracted picture.
inline TPdfFacts ReadPdf(const QString& file, const QString& scratch) {
    TPdfFacts facts;
    const QString info = RunPoppler(QStringLiteral("pdfinfo"), {file});
    const auto pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    facts.Pages = pages.captured(1).toInt();
    const auto size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
    facts.PageSize = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());

    // Words with their boxes, joined into lines by their top edge.
    const QString words = RunPoppler(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">(.*?)</word>"));
    std::map<int, TPdfLine> lines;
    for (auto it = word.globalMatch(words); it.hasNext();) {
        const auto m = it.next();
        const QRectF box(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                         QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
        TPdfLine& line = lines[qRound(box.top())];
        line.Text += (line.Text.isEmpty() ? QString() : QStringLiteral(" ")) + m.captured(5);
        line.Box = line.Box.isNull() ? box : line.Box.united(box);
    }
    for (const auto& [top, line] : lines)
        facts.Lines.push_back(line);

    const QString page = QDir(scratch).filePath(QStringLiteral("page"));
    RunPoppler(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
                QStringLiteral("-singlefile"), file, page});
    facts.Page96.load(page + QStringLiteral(".png"));
    const QString picture = QDir(scratch).filePath(QStringLiteral("picture"));
    RunPoppler(QStringLiteral("pdfimages"), {QStringLiteral("-png"), file, picture});
    facts.Picture.load(picture + QStringLiteral("-000.png"));
    return facts;
}

} // namespace sudoku::test
