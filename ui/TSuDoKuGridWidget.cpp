// Grid widget: cell storage, selection, change tracking into the off-screen buffer, and the
// mouse and keyboard signals the pages connect to.
#include "TSuDoKuGridWidget.h"

#include "TCellInput.h"
#include "TFormBuilder.h"
#include "TSuDoKuGrid.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStringList>
#include <QToolTip>

namespace sudoku {

namespace {

const std::string NoText;
// The buffer is drawn at 96 dots per inch so point sizes come out as on the reference screen.
constexpr int DotsPerMeter96 = 3780;

} // namespace

TSuDoKuGridWidget::TSuDoKuGridWidget(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(245, 245);
    UpdateCellSize();
}

bool TSuDoKuGridWidget::InGrid(int col, int row) const {
    return col >= 0 && row >= 0 && col < ColCount() && row < RowCount();
}

void TSuDoKuGridWidget::SetGridSize(int boxCols, int boxRows) {
    if (boxCols < 1 || boxRows < 1 || boxCols * boxRows > MaxGridSize)
        return;
    Draw.BoxCols = boxCols;
    Draw.BoxRows = boxRows;
    SelCol = qMin(SelCol, ColCount() - 1);
    SelRow = qMin(SelRow, RowCount() - 1);
    UpdateCellSize();
}

void TSuDoKuGridWidget::UpdateCellSize() {
    ColWidth = width() / ColCount();
    RowHeight = height() / RowCount();
    Buffer = QImage(qMax(1, width()), qMax(1, height()), QImage::Format_RGB32);
    Buffer.setDotsPerMeterX(DotsPerMeter96);
    Buffer.setDotsPerMeterY(DotsPerMeter96);
    // The window colour shows in the few pixels that cells do not cover.
    Buffer.fill(TFormBuilder::WindowColor());
    RefreshAll();
}

QString TSuDoKuGridWidget::Cell(int col, int row) const {
    return QString::fromStdString(CellText(col, row));
}

const std::string& TSuDoKuGridWidget::CellText(int col, int row) const {
    if (col < 0 || row < 0 || col >= MaxGridSize || row >= MaxGridSize)
        return NoText;
    return Texts[CellIndex(col + 1, row + 1)];
}

void TSuDoKuGridWidget::SetCell(int col, int row, const std::string& text) {
    if (col < 0 || row < 0 || col >= MaxGridSize || row >= MaxGridSize)
        return;
    std::string& cell = Texts[CellIndex(col + 1, row + 1)];
    if (cell == text)
        return;
    cell = text;
    RefreshCell(col, row);
}

void TSuDoKuGridWidget::SetCells(const TSuDoKuStrings& cells) {
    for (int col = 0; col < MaxGridSize; ++col)
        for (int row = 0; row < MaxGridSize; ++row)
            SetCell(col, row, cells[CellIndex(col + 1, row + 1)]);
}

void TSuDoKuGridWidget::ClearCells() {
    SetCells(TSuDoKuStrings{});
}

void TSuDoKuGridWidget::SetSelection(int col, int row) {
    if (!InGrid(col, row) || (col == SelCol && row == SelRow))
        return;
    const int oldCol = SelCol;
    const int oldRow = SelRow;
    SelCol = col;
    SelRow = row;
    RefreshAroundSelection(oldCol, oldRow);
    RefreshAroundSelection(col, row);
    emit CellSelected(col, row);
}

void TSuDoKuGridWidget::RefreshAroundSelection(int col, int row) {
    if (!GridLook.ShowRuler) {
        RefreshCell(col, row);
        return;
    }
    const int bc = col / Draw.BoxCols;
    const int br = row / Draw.BoxRows;
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r)
            if (c == col || r == row || (c / Draw.BoxCols == bc && r / Draw.BoxRows == br))
                RefreshCell(c, r);
}

void TSuDoKuGridWidget::SetLook(const TGridLook& look) {
    if (look == GridLook)
        return;
    GridLook = look;
    RefreshAll();
}

void TSuDoKuGridWidget::SetDrawState(const TGridDrawState& state) {
    if (state == Draw)
        return;
    const bool whole = state.BoxCols != Draw.BoxCols || state.BoxRows != Draw.BoxRows ||
                       state.SuDoKuState != Draw.SuDoKuState;
    const TGridDrawState old = Draw;
    Draw = state;
    if (whole) {
        SelCol = qMin(SelCol, ColCount() - 1);
        SelRow = qMin(SelRow, RowCount() - 1);
        UpdateCellSize();
        return;
    }
    // Same shape and flags: redraw the cells whose solution, given or highlight changed.
    for (int col = 0; col < ColCount(); ++col)
        for (int row = 0; row < RowCount(); ++row) {
            const int index = CellIndex(col + 1, row + 1);
            const int value = TextToValue(Texts[index]);
            const bool highlightChanged =
                old.HighlightValue != state.HighlightValue &&
                (value == old.HighlightValue || value == state.HighlightValue);
            if (highlightChanged || old.SolutionValues[index] != state.SolutionValues[index] ||
                old.GivenStrings[index] != state.GivenStrings[index])
                RefreshCell(col, row);
        }
}

QRect TSuDoKuGridWidget::cellRect(int col, int row) const {
    return GridCellRect(col, row, ColWidth, RowHeight);
}

QPoint TSuDoKuGridWidget::cellAt(const QPoint& pos) const {
    if (ColWidth <= 0 || RowHeight <= 0 || pos.x() < 0 || pos.y() < 0)
        return {-1, -1};
    const int col = pos.x() / ColWidth;
    const int row = pos.y() / RowHeight;
    if (!InGrid(col, row))
        return {-1, -1};
    return {col, row};
}

void TSuDoKuGridWidget::RefreshCell(int col, int row) {
    if (!InGrid(col, row) || Buffer.isNull())
        return;
    const QRect rect = cellRect(col, row);
    {
        QPainter painter(&Buffer);
        const TGridRenderContext context{GridLook, Draw, Texts, SelCol, SelRow};
        SuDoKuGridDrawCell(painter, context, col, row, rect);
    }
    update(rect);
}

void TSuDoKuGridWidget::RefreshAll() {
    if (Buffer.isNull())
        return;
    {
        QPainter painter(&Buffer);
        const TGridRenderContext context{GridLook, Draw, Texts, SelCol, SelRow};
        SuDoKuGridDrawAll(painter, context, ColWidth, RowHeight);
    }
    update();
}

void TSuDoKuGridWidget::RepaintNow() {
    // Every change has been composed into the buffer already; only the screen lags behind.
    repaint();
}

QString TSuDoKuGridWidget::NotesText(int col, int row) const {
    const std::string& text = CellText(col, row);
    if (!InGrid(col, row) || text.find(',') == std::string::npos)
        return {};
    QStringList symbols;
    for (const int v : TCellInput::ListValues(text, ColCount()))
        symbols << (GridLook.PictureSet && ColCount() < 10 ? QString::number(v)
                                                           : SuDoKuSymbol(GridLook, ColCount(), v));
    return symbols.join(QLatin1Char(' '));
}

bool TSuDoKuGridWidget::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QPoint cell = cellAt(help->pos());
    const QString notes = NotesText(cell.x(), cell.y());
    if (notes.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), notes, this, cellRect(cell.x(), cell.y()));
    return true;
}

void TSuDoKuGridWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area, Buffer, area);
}

void TSuDoKuGridWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    UpdateCellSize();
}

void TSuDoKuGridWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint cell = cellAt(event->position().toPoint());
    if (cell.x() >= 0)
        SetSelection(cell.x(), cell.y());
    emit CellMousePressed(cell.x(), cell.y(), event->button(), event->modifiers());
}

void TSuDoKuGridWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint cell = cellAt(event->position().toPoint());
    emit CellMouseReleased(cell.x(), cell.y(), event->button(), event->modifiers());
}

void TSuDoKuGridWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint cell = cellAt(event->position().toPoint());
    if (cell.x() >= 0)
        emit CellDoubleClicked(cell.x(), cell.y());
}

void TSuDoKuGridWidget::contextMenuEvent(QContextMenuEvent* event) {
    const QPoint cell = cellAt(event->pos());
    if (cell.x() >= 0)
        emit CellContextMenu(cell.x(), cell.y(), event->globalPos());
}

void TSuDoKuGridWidget::keyPressEvent(QKeyEvent* event) {
    // Arrow keys move the selection as in any string grid; other keys go to the page.
    int col = SelCol;
    int row = SelRow;
    switch (event->key()) {
    case Qt::Key_Left:
        --col;
        break;
    case Qt::Key_Right:
        ++col;
        break;
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    case Qt::Key_Home:
        col = 0;
        break;
    case Qt::Key_End:
        col = ColCount() - 1;
        break;
    default:
        // A held key enters its value once; repeating it would toggle a note on and off.
        if (!event->isAutoRepeat())
            emit GridKeyPressed(event->key(), event->modifiers(), event->nativeVirtualKey());
        return;
    }
    SetSelection(col, row);
}

void TSuDoKuGridWidget::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat())
        return;
    emit GridKeyReleased(event->key(), event->modifiers(), event->nativeVirtualKey());
}

} // namespace sudoku
