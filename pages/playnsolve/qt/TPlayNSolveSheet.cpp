// The "Play & Solve" page of the notebook.
#include "TPlayNSolveSheet.h"

#include "TBaseBtn.h"
#include "TFormBuilder.h"
#include "TPageLayout.h"
#include "TPieGauge.h"
#include "TSuDoKuGridWidget.h"

#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QStringList>

#include <initializer_list>

namespace sudoku {

TPlayNSolveSheet::TPlayNSolveSheet(QWidget* parent, int layout) : QWidget(parent) {
    setObjectName(QString::fromLatin1(PageName));
    setWindowTitle(QString::fromLatin1(PageName));
    using L = TPageLayout;
    using K = TFormBuilder::TButtonKind;
    const TFormBuilder form(this, layout);

    PlayNSolveHeaderLbl = form.Label(QStringLiteral("PlayNSolveHeaderLbl"), 510,
                                     QStringLiteral("Play & Solve"), L::Header(), 13, true);
    PlayNSolveSuDoKuGrid = new TSuDoKuGridWidget(this);
    form.Adopt(PlayNSolveSuDoKuGrid, QStringLiteral("PlayNSolveSuDoKuGrid"), 0, L::Grid());
    // Taller than the design page's strip: below each symbol stands how many are to be placed.
    PlayNSolveDisplaySetImg = form.Area(QStringLiteral("PlayNSolveDisplaySetImg"), 580,
                                        L::SymbolStrip().adjusted(0, -5, 0, 5));
    PlayNSolveDisplaySetImg->setToolTip(
        QStringLiteral("Select a cell and click here to enter a value or ctrl + click to enter a "
                       "pencil note or shift + click to highlight a value"));

    PlayNSolveFileNameLbl =
        form.Label(QStringLiteral("PlayNSolveFileNameLbl"), 0, QString(), L::Info(0), 8, true);
    PlayNSolveLevelLbl =
        form.Label(QStringLiteral("PlayNSolveLevelLbl"), 570, QStringLiteral("Level"), L::Info(1));
    PlayNSolveTimeLbl =
        form.Label(QStringLiteral("PlayNSolveTimeLbl"), 575, QStringLiteral("Time"), L::Info(2));
    PlayNSolveAlternativesLbl = form.Label(QStringLiteral("PlayNSolveAlternativesLbl"), 565,
                                           QStringLiteral("Alternatives"), L::Info(3, 2));
    PlayNSolveAlternativesLbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlayNSolveAlternativesLbl->setWordWrap(true);
    PlayNSolveAlternativesImg =
        form.Area(QStringLiteral("PlayNSolveAlternativesImg"), 0, QRect(266, 90, 90, 16));
    PlayNSolveGauge = new TPieGauge(this);
    form.Adopt(PlayNSolveGauge, QStringLiteral("PlayNSolveGauge"), 0, QRect(268, 140, 36, 36));
    PlayNSolveGauge->hide();

    // Eleven buttons in three groups fill the column below the labels: rows 17 pixels
    // apart with 4 more between the groups, from y 106 down to the page's last row. Each has
    // its keys, named in its hint: Alt and a letter (no key that enters a value or a note in
    // any display set does), and the usual keys of Undo, Redo and Pause.
    const auto button = [&](const char* name, int tag, const char* caption, const char* hint,
                            int row, int gaps, std::initializer_list<const char*> keys) {
        const QRect place(L::PageWidth - 85, 106 + row * 17 + gaps * 4, 85, 15);
        QStringList names;
        for (const char* key : keys)
            names << QString::fromLatin1(key);
        TBaseBtn* made =
            form.Button(QString::fromLatin1(name), tag, QString::fromLatin1(caption),
                        QStringLiteral("%1 (%2)").arg(QString::fromLatin1(hint),
                                                      names.join(QStringLiteral(", "))),
                        place, K::Small);
        made->setFocusPolicy(Qt::TabFocus);
        TButtonKeys& entry = ButtonKeys.emplace_back(TButtonKeys{made, {}});
        for (const QString& key : names) {
            entry.Keys << QKeySequence(key, QKeySequence::PortableText);
            auto* shortcut = new QShortcut(entry.Keys.back(), this);
            connect(shortcut, &QShortcut::activated, made, &TBaseBtn::Click);
        }
        return made;
    };
    PlayNSolveNewBtn =
        button("PlayNSolveNewBtn", 520, "New", "Generate a new SuDoku", 0, 0, {"Alt+N"});
    PlayNSolveSaveBtn = button("PlayNSolveSaveBtn", 525, "Save", "Save SuDoku", 1, 0, {"Alt+S"});
    PlayNSolvePrintBtn =
        button("PlayNSolvePrintBtn", 535, "Print", "Print SuDoku", 2, 0, {"Alt+P"});
    PlayNSolveClipboardBtn = button("PlayNSolveClipboardBtn", 540, "Clipboard",
                                    "Paste SuDoku to the Windows clipboard", 3, 0, {"Alt+C"});
    PlayNSolvePauseBtn =
        button("PlayNSolvePauseBtn", 530, "Pause", "Pause solving", 4, 1, {"Pause", "Alt+A"});
    PlayNSolveRestartBtn =
        button("PlayNSolveRestartBtn", 545, "Restart", "Restart solving", 5, 1, {"Alt+R"});
    PlayNSolveUndoBtn =
        button("PlayNSolveUndoBtn", 546, "Undo", "Undo the last entry", 6, 1, {"Ctrl+Z", "Alt+U"});
    PlayNSolveRedoBtn = button("PlayNSolveRedoBtn", 547, "Redo", "Redo the last undone entry", 7, 1,
                               {"Ctrl+Y", "Ctrl+Shift+Z", "Alt+D"});
    PlayNSolveHintBtn = button("PlayNSolveHintBtn", 550, "Hint", "Give one hint", 8, 2, {"Alt+H"});
    PlayNSolveErrorsBtn =
        button("PlayNSolveErrorsBtn", 555, "Errors", "Show errors", 9, 2, {"Alt+E"});
    PlayNSolveSolutionBtn =
        button("PlayNSolveSolutionBtn", 560, "Solution", "Show the solution", 10, 2, {"Alt+O"});
    // Tab runs from the grid down the column of buttons.
    QWidget* previous = PlayNSolveSuDoKuGrid;
    for (const TButtonKeys& entry : ButtonKeys) {
        setTabOrder(previous, entry.Button);
        previous = entry.Button;
    }
    ShowIdleState();
}

void TPlayNSolveSheet::ShowIdleState() {
    PlayNSolveNewBtn->setEnabled(true);
    for (TBaseBtn* button :
         {PlayNSolveSaveBtn, PlayNSolvePrintBtn, PlayNSolveClipboardBtn, PlayNSolvePauseBtn,
          PlayNSolveRestartBtn, PlayNSolveUndoBtn, PlayNSolveRedoBtn, PlayNSolveHintBtn,
          PlayNSolveErrorsBtn, PlayNSolveSolutionBtn}) {
        button->setEnabled(false);
    }
    PlayNSolveAlternativesLbl->setEnabled(false);
}

} // namespace sudoku
