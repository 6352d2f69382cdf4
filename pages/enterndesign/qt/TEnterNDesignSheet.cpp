// The "Enter & Design" page of the notebook.
#include "TEnterNDesignSheet.h"

#include "TBaseBtn.h"
#include "TFormBuilder.h"
#include "TPageLayout.h"
#include "TPieGauge.h"
#include "TSuDoKuGridWidget.h"

#include <QLabel>

namespace sudoku {

TEnterNDesignSheet::TEnterNDesignSheet(QWidget* parent, int layout) : QWidget(parent) {
    setObjectName(QString::fromLatin1(PageName));
    setWindowTitle(QString::fromLatin1(PageName));
    using L = TPageLayout;
    using K = TFormBuilder::TButtonKind;
    const TFormBuilder form(this, layout);

    EnterNDesignHeaderLbl = form.Label(QStringLiteral("EnterNDesignHeaderLbl"), 610,
                                       QStringLiteral("Enter & Design"), L::Header(), 13, true);
    EnterNDesignSuDoKuGrid = new TSuDoKuGridWidget(this);
    form.Adopt(EnterNDesignSuDoKuGrid, QStringLiteral("EnterNDesignSuDoKuGrid"), 0, L::Grid());
    EnterNDesignDisplaySetImg =
        form.Area(QStringLiteral("EnterNDesignDisplaySetImg"), 0, L::SymbolStrip());

    EnterNDesignFileNameLbl =
        form.Label(QStringLiteral("EnterNDesignFileNameLbl"), 0, QString(), L::Info(0), 8, true);
    EnterNDesignStatusLbl = form.Label(QStringLiteral("EnterNDesignStatusLbl"), 675,
                                       QStringLiteral("Puzzle Mode"), L::Info(1));
    EnterNDesignValidateLbl = form.Label(QStringLiteral("EnterNDesignValidateLbl"), 670,
                                         QStringLiteral("Puzzle Invalid"), L::Info(2));
    EnterNDesignAlternativesLbl = form.Label(QStringLiteral("EnterNDesignAlternativesLbl"), 665,
                                             QStringLiteral("Alternatives"), L::Info(3, 2));
    EnterNDesignAlternativesLbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    EnterNDesignAlternativesLbl->setWordWrap(true);
    EnterNDesignAlternativesImg =
        form.Area(QStringLiteral("EnterNDesignAlternativesImg"), 0, QRect(266, 90, 90, 16));
    EnterNDesignGauge = new TPieGauge(this);
    form.Adopt(EnterNDesignGauge, QStringLiteral("EnterNDesignGauge"), 0, QRect(268, 140, 36, 36));
    EnterNDesignGauge->hide();

    const auto button = [&](const char* name, int tag, const char* caption, const char* hint,
                            int row, int gaps) {
        return form.Button(QString::fromLatin1(name), tag, QString::fromLatin1(caption),
                           QString::fromLatin1(hint), L::SmallButton(row, gaps, 0, 110), K::Small);
    };
    EnterNDesignNewBtn = button("EnterNDesignNewBtn", 620, "New",
                                "Clear all cells and enter or design a new SuDoku", 0, 0);
    EnterNDesignSaveBtn = button("EnterNDesignSaveBtn", 625, "Save", "Save SuDoku", 1, 0);
    EnterNDesignPlayNSolveBtn = button("EnterNDesignPlayNSolveBtn", 630, "Play & Solve",
                                       "Play & Solve current SuDoku", 2, 0);
    EnterNDesignPrintBtn = button("EnterNDesignPrintBtn", 635, "Print", "Print SuDoku", 3, 0);
    EnterNDesignClipboardBtn = button("EnterNDesignClipboardBtn", 640, "Clipboard",
                                      "Paste SuDoku to the Windows clipboard", 4, 0);
    EnterNDesignModeBtn =
        button("EnterNDesignModeBtn", 645, "Design Mode", "Switch to design mode", 5, 1);
    EnterNDesignCheckPuzzleBtn = button("EnterNDesignCheckPuzzleBtn", 647, "Check Puzzle",
                                        "Check if puzzle can be solved", 6, 1);
    EnterNDesignGenerateBtn =
        button("EnterNDesignGenerateBtn", 650, "Generate", "Generate a new SuDoku", 7, 2);
    EnterNDesignPuzzleBtn = button("EnterNDesignPuzzleBtn", 655, "Puzzle", "Generate Puzzle", 8, 2);
    EnterNDesignCompleteBtn = button("EnterNDesignCompleteBtn", 660, "Complete",
                                     "Fill all cells and complete SuDoku", 9, 2);
    ShowIdleState();
}

void TEnterNDesignSheet::ShowIdleState() {
    // Without a design only a new one can be started: empty or generated.
    EnterNDesignNewBtn->setEnabled(true);
    EnterNDesignGenerateBtn->setEnabled(true);
    for (TBaseBtn* button :
         {EnterNDesignSaveBtn, EnterNDesignPlayNSolveBtn, EnterNDesignPrintBtn,
          EnterNDesignClipboardBtn, EnterNDesignModeBtn, EnterNDesignCheckPuzzleBtn,
          EnterNDesignPuzzleBtn, EnterNDesignCompleteBtn}) {
        button->setEnabled(false);
    }
    EnterNDesignAlternativesLbl->setEnabled(false);
}

} // namespace sudoku
