// Print and Clipboard: the rendering flag around the capture, the printer or PDF file, the
// printed page and the clipboard picture.
#include "TGridPrinter.h"

#include "TDialogAnswerer.h"
#include "TMainForm.h"
#include "TShellArt.h"
#include "TSuDoKuGridWidget.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QStandardPaths>

namespace sudoku {

namespace {

constexpr int TextPointSize = 10;

// From construction to destruction the grid is drawn for output (no ruler, pause greying or
// selection frame) and the game clock counts no time. The clock is brought up to date on both
// edges, so exactly the time in between is left out.
class TRenderingScope {
public:
    TRenderingScope(TMainForm& form, TSuDoKuGridWidget& grid) : Form(form), Grid(grid) {
        Form.TimerTimer();
        SetRendering(true);
    }
    ~TRenderingScope() {
        Form.TimerTimer();
        SetRendering(false);
    }
    TRenderingScope(const TRenderingScope&) = delete;
    TRenderingScope& operator=(const TRenderingScope&) = delete;

    // The grid's client area drawn for output. The flag is given to the grid again, in case
    // its page handed it a new draw state while a dialog was open.
    QImage Capture() const {
        DrawGrid(true);
        return Grid.GridBuffer().copy();
    }

private:
    static TSuDoKuState With(TSuDoKuState state, bool on) {
        return on ? static_cast<TSuDoKuState>(state | sfRendering)
                  : static_cast<TSuDoKuState>(state & ~sfRendering);
    }
    void SetRendering(bool on) {
        Form.Shared.SuDoKuState = With(Form.Shared.SuDoKuState, on);
        DrawGrid(on);
    }
    void DrawGrid(bool on) const {
        TGridDrawState draw = Grid.DrawState();
        draw.SuDoKuState = With(draw.SuDoKuState, on);
        Grid.SetDrawState(draw);
        Grid.RepaintNow();
    }

    TMainForm& Form;
    TSuDoKuGridWidget& Grid;
};

// Text placed by the top left corner of its line, as the header and footer are measured.
void DrawTextAt(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

} // namespace

TGridPrinter::TGridPrinter(TMainForm& form)
    : PrintersInstalled([] { return !QPrinterInfo::availablePrinterNames().isEmpty(); }),
      Form(form) {}

QString TGridPrinter::FooterText() {
    return QStringLiteral("Generated with %1 %2")
        .arg(QLatin1String(TShellArt::ProgramTitle), QLatin1String(TShellArt::ReleaseText));
}

QFont TGridPrinter::TextFont() const {
    QFont font(Form.CaptionLbl->font().family());
    font.setPointSize(TextPointSize);
    return font;
}

void TGridPrinter::Print(TSuDoKuGridWidget& grid, const QString& recordName) {
    if (HasFlag(Form.Shared.SuDoKuState, sfRendering))
        return;
    QPrinter printer(QPrinter::HighResolution);
    // The job title; the print dialog also names its PDF file after it.
    printer.setDocName(QLatin1String(TShellArt::ProgramTitle));
    bool printed = true;
    {
        const TRenderingScope rendering(Form, grid);
        if (!SetUpPrinter(printer, recordName))
            return;
        const QImage capture = rendering.Capture();
        const QScreen* screen = grid.screen();
        const QPointF screenDpi(screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY());
        QPainter painter;
        printed = painter.begin(&printer);
        if (printed) {
            DrawPage(painter, capture, screenDpi, TextFont(), recordName);
            printed = painter.end();
        }
    }
    // The message comes once the grid shows its decorations again.
    if (!printed)
        ShowWriteError(printer);
}

bool TGridPrinter::SetUpPrinter(QPrinter& printer, const QString& recordName) {
    TDialogAnswerer& dialogs = Form.Dialogs();
    if (PrintersInstalled())
        return dialogs.PrintDlg(printer);
    TFileDialogRequest request;
    request.Save = true;
    request.Title = Form.TranslateText(535, QStringLiteral("Print"));
    request.FileName = PdfFileSuggestion(recordName);
    request.Filters = {QStringLiteral("PDF (*.pdf)")};
    QString fileName = dialogs.FileDlg(request).FileName;
    if (fileName.isEmpty())
        return false;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".pdf");
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    return true;
}

QString TGridPrinter::PdfFileSuggestion(const QString& recordName) const {
    QString name = recordName.trimmed();
    for (QChar& c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    if (name.isEmpty())
        name = QLatin1String(TShellArt::ProgramTitle);
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

void TGridPrinter::ShowWriteError(const QPrinter& printer) {
    const QString target =
        printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    Form.MsgDlg(QStringLiteral("Unable to write to %1").arg(target),
                Form.TranslateText(20, QStringLiteral("Ok")), QString());
}

void TGridPrinter::DrawPage(QPainter& painter, const QImage& capture, const QPointF& screenDpi,
                            const QFont& textFont, const QString& header) {
    const QPaintDevice& page = *painter.device();
    painter.setFont(textFont);
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);
    const QFontMetrics metrics = painter.fontMetrics();
    const int hW = metrics.horizontalAdvance(QLatin1Char('H'));
    const int hH = metrics.height();
    DrawTextAt(painter, 2 * hW, 2 * hH, header);
    DrawTextAt(painter, 2 * hW, page.height() - 2 * hH, FooterText());
    if (capture.width() <= 0 || capture.height() <= 0 || screenDpi.x() <= 0 || screenDpi.y() <= 0)
        return;
    // The grid keeps its size in inches whatever the printer's resolution.
    const int w = qRound(capture.width() * page.logicalDpiX() / screenDpi.x());
    const int h = qRound(capture.height() * page.logicalDpiY() / screenDpi.y());
    const QRect target(qRound((page.width() - w) / 2.0), qRound((page.height() - h) / 2.0), w, h);
    // The pixels as they are: no lossy compression, no smoothing of the stretch.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, capture);
}

QImage TGridPrinter::ClipboardPicture(const QImage& capture, const QFont& textFont) {
    if (capture.width() <= 0 || capture.height() <= 0)
        return {};
    QFont font = textFont;
    // The white band below the grid is two lines of the text font high.
    const int band = 2 * QFontMetrics(font, &capture).height();
    QImage picture(capture.width(), capture.height() + band, QImage::Format_RGB32);
    if (picture.isNull())
        return {};
    picture.setDotsPerMeterX(capture.dotsPerMeterX());
    picture.setDotsPerMeterY(capture.dotsPerMeterY());
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawImage(0, 0, capture);
    const QString footer = FooterText();
    while (font.pointSize() > 1 &&
           QFontMetrics(font, &picture).horizontalAdvance(footer) > picture.width())
        font.setPointSize(font.pointSize() - 1);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);
    const QFontMetrics metrics = painter.fontMetrics();
    DrawTextAt(painter, (picture.width() - metrics.horizontalAdvance(footer)) / 2,
               picture.height() - 2 * metrics.height(), footer);
    return picture;
}

void TGridPrinter::CopyToClipboard(TSuDoKuGridWidget& grid) {
    if (HasFlag(Form.Shared.SuDoKuState, sfRendering))
        return;
    const TRenderingScope rendering(Form, grid);
    const QImage picture = ClipboardPicture(rendering.Capture(), TextFont());
    if (!picture.isNull())
        QGuiApplication::clipboard()->setImage(picture);
}

} // namespace sudoku
