// Print and Clipboard of both puzzle pages: the grid is captured through its own drawing with
// the interactive decorations left out, then printed centred at its screen size under the
// puzzle's name, or copied to the clipboard as a picture with a footer line.
#pragma once

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>

#include <functional>

class QPainter;
class QPrinter;

namespace sudoku {

class TMainForm;
class TSuDoKuGridWidget;

class TGridPrinter {
public:
    explicit TGridPrinter(TMainForm& form);

    // "Generated with Sudoku Atelier 1.0", below the grid on paper and on the clipboard.
    static QString FooterText();

    // Prints the grid on one page headed by recordName (the page record's whole Name). With a
    // printer installed the print dialog offers the printers and a PDF file; without one a
    // save dialog asks for the PDF file. Nothing is printed when the dialog is cancelled.
    void Print(TSuDoKuGridWidget& grid, const QString& recordName);
    // Puts a picture of the grid with the footer line below it on the clipboard.
    void CopyToClipboard(TSuDoKuGridWidget& grid);

    // Whether any printer is installed; tests replace it.
    std::function<bool()> PrintersInstalled;

    // The printed page: header at the top left, footer at the bottom left, and the capture
    // centred at the size it has on a screen of screenDpi dots per inch.
    static void DrawPage(QPainter& painter, const QImage& capture, const QPointF& screenDpi,
                         const QFont& textFont, const QString& header);
    // The clipboard picture: the capture over a white band holding the centred footer, whose
    // font shrinks until the footer fits the width.
    static QImage ClipboardPicture(const QImage& capture, const QFont& textFont);

private:
    // Header and footer font: the window caption's family, 10 points, regular.
    QFont TextFont() const;
    // Asks where the page goes; false when the user cancelled.
    bool SetUpPrinter(QPrinter& printer, const QString& recordName);
    QString PdfFileSuggestion(const QString& recordName) const;
    void ShowWriteError(const QPrinter& printer);

    TMainForm& Form;
};

} // namespace sudoku
