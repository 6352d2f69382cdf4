// Display sets: the three built-in text sets and the picture sets found in "Display Sets",
// loading of a set's pictures, the captions of the grid popup menu and the symbol-key strip.
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;

namespace sudoku {

class TDisplaySets {
public:
    static constexpr int BuiltInCount = 3;
    static constexpr int DigitSet = 0;
    static constexpr int PictureCount = 10; // pictures 0 to 9
    static const QStringList BuiltInNames;  // "123456789", "ABCDEFGHI", "SINGAPORE"

    TDisplaySets();

    // The built-in sets followed by every sub-folder of appDir + "Display Sets".
    void FillDisplaySetList(const QString& appDir);
    const QStringList& Entries() const { return List; }

    // Puts entry index in force for a grid of gridSize symbols. A picture set is loaded only
    // below 10 symbols; when any of its pictures is missing the digit set is put in force.
    void Apply(int index, int gridSize);
    int SelectedIndex() const { return Selected; }
    // Index of the entry whose text is name, or 0.
    int IndexOf(const QString& name) const;
    // Name of the set in force, which is also its symbol string.
    const QString& DisplaySet() const { return Name; }
    bool PictureSetSelected() const { return Selected >= BuiltInCount; }

    // Fills both picture lists from folder (ending in a separator); all twenty files or none.
    bool LoadDisplaySetIcons(const QString& folder);
    const QList<QPixmap>& IconList32x32() const { return Icons32; }
    const QList<QPixmap>& IconList16x16() const { return Icons16; }

    // Symbol of value v on a grid of gridSize symbols, empty when there is none.
    QString Symbol(int value, int gridSize) const;
    // Captions of the popup menu's value and pencil-note items for value v.
    QString ValueCaption(int value, int gridSize) const;
    QString NoteCaption(int value, int gridSize) const;
    // Item v of either menu is shown exactly when v <= gridSize.
    static bool ItemVisible(int value, int gridSize) { return value >= 1 && value <= gridSize; }

    // Paints a symbol-key strip of the given size; step is the distance between symbols below
    // 10 of them, from 10 on the width is shared out. toPlace, when given, holds for each value
    // how many of it are still to be placed: shown below its symbol, which is greyed at 0.
    void DrawDisplaySetImg(QPainter& painter, int width, int height, int gridSize,
                           const QColor& windowColour, const QFont& font, int step,
                           const std::vector<int>& toPlace = {}) const;
    QPixmap DrawDisplaySetImg(int width, int height, int gridSize, const QColor& windowColour,
                              const QFont& font, int step,
                              const std::vector<int>& toPlace = {}) const;

private:
    QString AppDir;
    QStringList List;
    int Selected = DigitSet;
    QString Name;
    QList<QPixmap> Icons32;
    QList<QPixmap> Icons16;
};

} // namespace sudoku
