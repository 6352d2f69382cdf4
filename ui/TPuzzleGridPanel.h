// The grid of a puzzle page with what stands beside it on both puzzle pages: the symbol strip
// of the display set in force, the picture of a cell's alternatives and the file name label.
// A page's binding holds one and hands it the events of the strip and the picture.
#pragma once

#include "GridRenderer.h"
#include "TDisplaySets.h"

#include <qnamespace.h>

#include <functional>
#include <string>
#include <vector>

class QEvent;
class QLabel;
class QObject;
class QWidget;

namespace sudoku {

class TMainForm;
class TSuDoKuGridWidget;
struct TAlternativesDisplay;

class TPuzzleGridPanel {
public:
    // A click on the symbol strip: where, on a strip how wide, at which screen factor, with
    // which keys held.
    struct TStripClick {
        int X = 0;
        int Width = 0;
        double Factor = 1;
        bool Shift = false;
        bool Ctrl = false;
    };

    TPuzzleGridPanel(TMainForm& form, TSuDoKuGridWidget& grid, QWidget& strip,
                     QLabel& alternativesLbl, QWidget& alternativesImg, QLabel& fileNameLbl);

    // What the strip needs from the page: the grid size of its board, how many of each symbol
    // are still to be placed (nothing shown when empty), and where its clicks go.
    std::function<int()> GridSize;
    std::function<std::vector<int>()> SymbolsToPlace;
    std::function<void(const TStripClick&)> StripClicked;

    // The display set the options name, put in force for the page's grid size; the set in
    // force, and which values its small pictures cover.
    void ApplyDisplaySet();
    const TDisplaySets& Sets() const { return DisplaySets; }
    bool HasSmallPicture(int value) const;

    // The board on the grid (a new shape comes with the draw state), in the look of the options
    // and the display set, which adjust may change further.
    void ShowBoard(const TGridDrawState& draw, const TSuDoKuStrings& cells,
                   const std::function<void(TGridLook&)>& adjust = {});
    void ShowAlternatives(const TAlternativesDisplay& display);
    // A long name (a default name holds the date and time) is drawn smaller rather than cut
    // off; the size the screen layout gives the label is the largest.
    void ShowFileName(const std::string& caption);

    // Paints the strip and the picture and reads a click on the strip: true for those events,
    // which are then done.
    bool HandleEvent(QObject* watched, QEvent* event);

    // Virtual-key code of the keys both grids take: digits, keypad digits, letters, Delete,
    // Backspace, Space and Clear; 0 for the others.
    static int VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers);

private:
    void PaintStrip();
    void PaintAlternatives();

    TMainForm& Form;
    TSuDoKuGridWidget& Grid;
    QWidget& Strip;
    QLabel& AlternativesLbl;
    QWidget& AlternativesImg;
    QLabel& FileNameLbl;
    TDisplaySets DisplaySets;
    std::vector<int> AlternativePictures;
};

} // namespace sudoku
