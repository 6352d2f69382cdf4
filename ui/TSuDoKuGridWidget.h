// The owner-drawn string grid of both puzzle pages: one text per cell, a selected cell, cell
// sizes from the widget size, and every cell composed off-screen through GridRenderer.
#pragma once

#include "GridRenderer.h"

#include <QImage>
#include <QWidget>

namespace sudoku {

class TSuDoKuGridWidget : public QWidget {
    Q_OBJECT

public:
    explicit TSuDoKuGridWidget(QWidget* parent = nullptr);

    // ColCount = RowCount = the grid size; cell sizes follow from the widget size.
    void SetGridSize(int boxCols, int boxRows);
    int ColCount() const { return Draw.GridSize(); }
    int RowCount() const { return Draw.GridSize(); }
    int DefaultColWidth() const { return ColWidth; }
    int DefaultRowHeight() const { return RowHeight; }

    // Cells are addressed 0-based here, as the grid control counts them.
    QString Cell(int col, int row) const;
    const std::string& CellText(int col, int row) const;
    void SetCell(int col, int row, const std::string& text);
    // Replaces every text; only the cells whose text changed are redrawn.
    void SetCells(const TSuDoKuStrings& cells);
    const TSuDoKuStrings& Cells() const { return Texts; }
    void ClearCells();

    int Col() const { return SelCol; }
    int Row() const { return SelRow; }
    void SetSelection(int col, int row);

    // Settings and puzzle state the drawing reads; only the affected cells are redrawn.
    void SetLook(const TGridLook& look);
    void SetDrawState(const TGridDrawState& state);
    const TGridLook& Look() const { return GridLook; }
    const TGridDrawState& DrawState() const { return Draw; }

    // Pixel rectangle of a cell, the same for painting and hit-testing.
    QRect cellRect(int col, int row) const;
    // Cell under a point, or (-1, -1).
    QPoint cellAt(const QPoint& pos) const;

    // Recomposes cells in GridBuffer and schedules them for the screen.
    void RefreshCell(int col, int row);
    void RefreshAll();
    // Paints what changed at once instead of at the next event loop (the undo replay uses this).
    void RepaintNow();

    // The notes of a cell as the player reads them ("1 5 Q"); empty for a cell without notes.
    // Shown as the cell's tooltip, since small cells have room for only some of them.
    QString NotesText(int col, int row) const;

    // The off-screen composition of the grid as it stands.
    const QImage& GridBuffer() const { return Buffer; }

signals:
    void CellSelected(int col, int row);
    void CellMousePressed(int col, int row, Qt::MouseButton button, Qt::KeyboardModifiers mods);
    void CellMouseReleased(int col, int row, Qt::MouseButton button, Qt::KeyboardModifiers mods);
    void CellDoubleClicked(int col, int row);
    void CellContextMenu(int col, int row, const QPoint& globalPos);
    void GridKeyPressed(int key, Qt::KeyboardModifiers mods, quint32 nativeVirtualKey);
    void GridKeyReleased(int key, Qt::KeyboardModifiers mods, quint32 nativeVirtualKey);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void UpdateCellSize();
    // Cells whose drawing depends on the selection: the cell, and its ruler when the ruler shows.
    void RefreshAroundSelection(int col, int row);
    bool InGrid(int col, int row) const;

    TSuDoKuStrings Texts{};
    TGridLook GridLook;
    TGridDrawState Draw;
    int SelCol = 0;
    int SelRow = 0;
    int ColWidth = 0;
    int RowHeight = 0;
    QImage Buffer;
};

} // namespace sudoku
