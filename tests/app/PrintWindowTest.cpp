// Print and Clipboard through the window, headless: the page goes to a PDF file through the
// print dialog or, without printers, the save dialog, and poppler's tools read it back.
#include "../ui/UiTestSupport.h"
#include "GameWindowTestSupport.h"
#include "PdfFacts.h"
#include "TEnterNDesignBinding.h"
#include "TGridPrinter.h"
#include "TSuDoKuGrid.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QPageSize>
#include <QPrinter>
#include <QScreen>

namespace sudoku {
namespace {

// Bounding box of the pixels that are not white inside area.
QRect InkBox(const QImage& image, const QRect& area) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                box |= QRect(x, y, 1, 1);
    return box;
}

int CountColour(const QImage& image, QRgb colour) {
    return test::CountPixels(image, image.rect(),
                             [colour](QRgb p) { return ((p ^ colour) & 0xFFFFFF) == 0; });
}

class PrintWindow : public test::GameWindow {
protected:
    void SetUp() override {
        GameWindow::SetUp();
        Form->GridPrinter().PrintersInstalled = [this] { return Printers; };
        Options().OptionsTimeLimitedChkBox->setChecked(false);
        NewGame("S3X3");
    }

    QString File(const QString& name) const { return Temp.filePath(name); }
    // The dialogs answer with file (empty: cancel): the save dialog's name, or "Print to File
    // (PDF)" in the print dialog with the paper and resolution given. Both note the flags.
    void AnswerWith(const QString& file, QPageSize::PageSizeId paper = QPageSize::A4,
                    int dpi = 1200) {
        Answers->Files = {TFileDialogAnswer{file, 0}};
        Answers->WhileFileOpen = [this] { NoteFlags(); };
        Answers->PrintSetup = [this, file, paper, dpi](QPrinter& printer) {
            NoteFlags();
            printer.setOutputFileName(file);
            printer.setPageSize(QPageSize(paper));
            printer.setResolution(dpi);
            return !file.isEmpty();
        };
    }
    void NoteFlags() { Seen = {Form->Shared.SuDoKuState, Grid().DrawState().SuDoKuState}; }
    // Prints the game to a PDF file through the Print button and reads it back.
    test::TPdfFacts PrintGame(const QString& name) {
        AnswerWith(File(name));
        Click(Sheet().PlayNSolvePrintBtn);
        return test::ReadPdf(File(name), Temp.path());
    }
    QImage CopyGame() {
        Click(Sheet().PlayNSolveClipboardBtn);
        return QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    }

    bool Printers = false;
    std::pair<TSuDoKuState, TSuDoKuState> Seen; // shared and drawn flags in the last dialog
};

TEST_F(PrintWindow, OnePageWithNameFooterAndTheGridCentredAtItsScreenSize) {
    struct TCase {
        const char* Name;
        bool Printers;
        bool Design;
        QPageSize::PageSizeId Paper;
        int Dpi;
        const char* Keep;
    };
    const TCase cases[] = {
        {"no printer: a save dialog, then the PDF", false, false, QPageSize::A4, 0,
         "print-game-9x9.png"},
        {"printer dialog, A4 at 300 dpi", true, false, QPageSize::A4, 300, nullptr},
        {"printer dialog, Letter at 1200 dpi", true, false, QPageSize::Letter, 1200, nullptr},
        {"design grid of 16 x 16", false, true, QPageSize::A4, 0, "print-design-16x16.png"},
    };
    const QScreen& screen = *Grid().screen();
    int pageNumber = 0;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Printers = c.Printers;
        Answers->Questions.clear();
        Answers->FileRequests.clear();
        const QString file = File(QStringLiteral("page%1.pdf").arg(++pageNumber));
        // The save dialog's answer has no extension: the PDF gets one.
        AnswerWith(c.Printers ? file : file.chopped(4), c.Paper, c.Dpi);
        QString header = QString::fromStdString(Binding().Page().Record().Name);
        TSuDoKuGridWidget* grid = &Grid();
        if (c.Design) {
            Form->EnterNDesignBtnClick();
            TEnterNDesignBinding& design = EnterNDesignPage(*Form);
            NewPuzzle(design.Sheet().EnterNDesignNewBtn, "S4X4");
            Click(design.Sheet().EnterNDesignGenerateBtn);
            header = QString::fromStdString(design.Page().Record().Name);
            grid = &design.Grid();
            Click(design.Sheet().EnterNDesignPrintBtn);
        } else {
            Click(Sheet().PlayNSolvePrintBtn);
        }
        EXPECT_EQ(Answers->Questions,
                  c.Printers ? QStringList(QStringLiteral("PrintDlg")) : QStringList());
        ASSERT_EQ(Answers->FileRequests.size(), c.Printers ? 0u : 1u);
        const test::TPdfFacts pdf = test::ReadPdf(file, Temp.path());
        EXPECT_EQ(pdf.Pages, 1);
        const QSizeF paper = c.Printers ? QPageSize(c.Paper).size(QPageSize::Point)
                                        : QPrinter().pageLayout().pageSize().size(QPageSize::Point);
        EXPECT_NEAR(pdf.PageSize.width(), paper.width(), 1);
        EXPECT_NEAR(pdf.PageSize.height(), paper.height(), 1);

        // The header at the top left, the footer at the bottom left.
        const test::TPdfLine* top = pdf.Line(header);
        const test::TPdfLine* bottom = pdf.Line(TGridPrinter::FooterText());
        ASSERT_NE(top, nullptr) << header.toStdString();
        ASSERT_NE(bottom, nullptr);
        EXPECT_LT(top->Box.bottom(), 0.1 * paper.height());
        EXPECT_GT(bottom->Box.top(), 0.9 * paper.height());
        EXPECT_LT(top->Box.left(), 0.1 * paper.width());
        EXPECT_NEAR(bottom->Box.left(), top->Box.left(), 1);

        // At 96 dpi the grid measures its screen pixels scaled from the screen's resolution
        // (a 245-pixel grid on a 96-dpi screen is 2.55 inches), centred on the page.
        const QImage& page = pdf.Page96;
        const int height = page.height();
        const QRect ink = InkBox(page, QRect(0, height / 6, page.width(), height * 2 / 3));
        EXPECT_NEAR(ink.width(), grid->width() * 96 / screen.logicalDotsPerInchX(), 1);
        EXPECT_NEAR(ink.height(), grid->height() * 96 / screen.logicalDotsPerInchY(), 1);
        EXPECT_NEAR(ink.left(), page.width() - 1 - ink.right(), 1);
        EXPECT_NEAR(ink.top(), height - 1 - ink.bottom(), 1);
        EXPECT_EQ(pdf.Picture.size(), grid->size());
        if (c.Keep != nullptr)
            Screenshot(page, c.Keep);
    }
}

TEST_F(PrintWindow, RenderingCoversTheDialogEndsAlsoWhenNothingIsPrintedAndTakesNoPlayTime) {
    struct TCase {
        const char* Name;
        bool Printers;
        const char* Answer; // file name, empty to cancel
        bool Printed;
        bool Failed;
    };
    const TCase cases[] = {
        {"print dialog cancelled", true, "", false, false},
        {"save dialog cancelled", false, "", false, false},
        {"folder that does not exist", false, "missing/game.pdf", false, true},
        {"printed", true, "game.pdf", true, false},
    };
    const QImage screen = Grid().GridBuffer().copy();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Printers = c.Printers;
        const QString file = *c.Answer != 0 ? File(QLatin1String(c.Answer)) : QString();
        AnswerWith(file);
        Seen = {};
        Click(Sheet().PlayNSolvePrintBtn);
        EXPECT_TRUE(HasFlag(Seen.first, sfRendering) && HasFlag(Seen.second, sfRendering));
        EXPECT_EQ(Form->Shared.SuDoKuState, sfPlaying);
        EXPECT_EQ(Grid().DrawState().SuDoKuState, sfPlaying);
        EXPECT_EQ(Grid().GridBuffer(), screen); // the selection frame is back
        EXPECT_EQ(!file.isEmpty() && QFile::exists(file), c.Printed);
        EXPECT_EQ(Answers->Questions.last().startsWith(QStringLiteral("Unable to write to ")),
                  c.Failed);
    }
    // The clock counts no time while printing.
    Printers = false;
    Moment = Moment.addSecs(30);
    AnswerWith(File(QStringLiteral("clock.pdf")));
    // Ten minutes in the save dialog with the timer ticking meanwhile, and some seconds more
    // since its last tick.
    Answers->WhileFileOpen = [this] {
        for (int i = 0; i < 10; ++i) {
            Moment = Moment.addSecs(60);
            Form->TimerTimer();
        }
        Moment = Moment.addSecs(20);
    };
    Click(Sheet().PlayNSolvePrintBtn);
    Tick(5);
    EXPECT_EQ(Time(), "Time 00:35");
}

TEST_F(PrintWindow, OutputLeavesOutRulerSelectionAndPauseButKeepsHighlightAndSolution) {
    OptionsPage(*Form).Sheet().OptionsShowRulerChkBox->setChecked(true);
    QTest::mouseClick(&Grid(), Qt::LeftButton, {}, Grid().cellRect(4, 4).center());
    const QImage onScreen = Grid().GridBuffer().copy();
    const QImage printed = PrintGame(QStringLiteral("plain.pdf")).Picture;
    ASSERT_EQ(printed.size(), Grid().size());
    EXPECT_NE(printed, onScreen.convertToFormat(printed.format()));
    const QImage copied = CopyGame();
    EXPECT_EQ(copied.copy(Grid().rect()), printed.convertToFormat(QImage::Format_RGB32));

    // Another cell selected and the game paused: the same picture, values and all.
    QTest::mouseClick(&Grid(), Qt::LeftButton, {}, Grid().cellRect(0, 8).center());
    Click(Sheet().PlayNSolvePauseBtn);
    ASSERT_TRUE(HasFlag(Form->Shared.SuDoKuState, sfPaused));
    EXPECT_EQ(PrintGame(QStringLiteral("paused.pdf")).Picture, printed);
    EXPECT_EQ(CopyGame(), copied);
    Click(Sheet().PlayNSolvePauseBtn);

    // A highlighted value shows yellow; a shown solution its red marks.
    const QRgb yellow = qRgb(0xFF, 0xFF, 0x00);
    const QRgb red = qRgb(0xFF, 0x00, 0x00);
    EXPECT_EQ(CountColour(printed, yellow), 0);
    EXPECT_EQ(CountColour(printed, red), 0);
    // The symbol of a given in the left three columns.
    int given = 0;
    for (int cell = 0; given == 0; ++cell)
        given = TextToValue(Grid().CellText(cell % 3, cell / 3));
    ClickStrip(given, Qt::ShiftModifier);
    ASSERT_EQ(Grid().DrawState().HighlightValue, given);
    EXPECT_GT(CountColour(PrintGame(QStringLiteral("highlight.pdf")).Picture, yellow), 0);
    Click(Sheet().PlayNSolveSolutionBtn);
    ASSERT_TRUE(HasFlag(Form->Shared.SuDoKuState, sfSolved));
    EXPECT_GT(CountColour(PrintGame(QStringLiteral("solution.pdf")).Picture, red), 0);
}

TEST_F(PrintWindow, ClipboardPictureIsTheGridOverAFooterBand) {
    const int wide = Grid().width();
    int wideText = 0;
    // The last grid is narrower than the footer at 1 point: the font stops shrinking there.
    for (const int width : {wide, 120, 10}) {
        SCOPED_TRACE(width);
        Grid().resize(width, width);
        const QImage picture = CopyGame();
        EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasText());
        QFont font(Form->CaptionLbl->font().family());
        font.setPointSize(10);
        const int band = 2 * QFontMetrics(font, &Grid().GridBuffer()).height();
        ASSERT_EQ(picture.size(), QSize(width, width + band));
        // The footer is centred in the band and fits it; on a narrow grid it is smaller.
        const QRect text = InkBox(picture, QRect(0, width, width, band));
        ASSERT_FALSE(text.isEmpty());
        EXPECT_NEAR(text.left(), width - 1 - text.right(), 2);
        if (width == wide) {
            wideText = text.height();
            Screenshot(picture, "clipboard-game.png");
        } else {
            EXPECT_LT(text.height(), wideText);
        }
    }
}

} // namespace
} // namespace sudoku
