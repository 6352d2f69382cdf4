// The grid, symbol strip, alternatives picture and file name label of a puzzle page.
#include "TPuzzleGridPanel.h"

#include "TCellInput.h"
#include "TFormBuilder.h"
#include "TGridOptions.h"
#include "TMainForm.h"
#include "TScreenLayout.h"
#include "TStatusUpdate.h"
#include "TSuDoKuGridWidget.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace sudoku {

TPuzzleGridPanel::TPuzzleGridPanel(TMainForm& form, TSuDoKuGridWidget& grid, QWidget& strip,
                                   QLabel& alternativesLbl, QWidget& alternativesImg,
                                   QLabel& fileNameLbl)
    : Form(form), Grid(grid), Strip(strip), AlternativesLbl(alternativesLbl),
      AlternativesImg(alternativesImg), FileNameLbl(fileNameLbl) {
    DisplaySets.FillDisplaySetList(Form.AppDir);
}

void TPuzzleGridPanel::ApplyDisplaySet() {
    DisplaySets.Apply(DisplaySets.IndexOf(QString::fromStdString(Form.Shared.Options.DisplaySet)),
                      GridSize());
    Strip.update();
}

bool TPuzzleGridPanel::HasSmallPicture(int value) const {
    const auto& icons = DisplaySets.IconList16x16();
    return value >= 0 && value < icons.size() && !icons[value].isNull();
}

void TPuzzleGridPanel::ShowBoard(const TGridDrawState& draw, const TSuDoKuStrings& cells,
                                 const std::function<void(TGridLook&)>& adjust) {
    Grid.SetDrawState(draw);
    Grid.SetCells(cells);
    TGridLook look = WithOptions(Grid.Look(), Form.Shared.Options, Form.ScreenLayout);
    look.DisplaySet = DisplaySets.DisplaySet();
    look.PictureSet = DisplaySets.PictureSetSelected() && draw.GridSize() < 10;
    look.IconList16x16 = DisplaySets.IconList16x16();
    look.IconList32x32 = DisplaySets.IconList32x32();
    if (adjust)
        adjust(look);
    if (!(look == Grid.Look()))
        Grid.SetLook(look);
}

void TPuzzleGridPanel::ShowAlternatives(const TAlternativesDisplay& display) {
    AlternativesLbl.setText(QString::fromStdString(display.Caption));
    AlternativePictures = display.PictureValues;
    AlternativesImg.setVisible(display.PictureVisible);
    AlternativesImg.update();
}

void TPuzzleGridPanel::ShowFileName(const std::string& caption) {
    const QString text = QString::fromStdString(caption);
    FileNameLbl.setText(text);
    FileNameLbl.setToolTip(text);
    FileNameLbl.setFont(TFormBuilder::ShrinkToFit(TScreenLayout::PlacedFont(&FileNameLbl), text,
                                                  FileNameLbl.width(), 5));
}

bool TPuzzleGridPanel::HandleEvent(QObject* watched, QEvent* event) {
    if (watched == &Strip) {
        if (event->type() == QEvent::Paint) {
            PaintStrip();
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            StripClicked({.X = static_cast<int>(mouse->position().x()),
                          .Width = Strip.width(),
                          .Factor = TScreenLayout::Factor(Form.ScreenLayout),
                          .Shift = mouse->modifiers().testFlag(Qt::ShiftModifier),
                          .Ctrl = mouse->modifiers().testFlag(Qt::ControlModifier)});
            return true;
        }
    } else if (watched == &AlternativesImg && event->type() == QEvent::Paint) {
        PaintAlternatives();
        return true;
    }
    return false;
}

void TPuzzleGridPanel::PaintStrip() {
    QPainter painter(&Strip);
    const int n = GridSize();
    // The clicks on the strip are read back with the same step.
    const int step =
        TCellInput::StripStep(Strip.width(), n, TScreenLayout::Factor(Form.ScreenLayout));
    DisplaySets.DrawDisplaySetImg(painter, Strip.width(), Strip.height(), n,
                                  TFormBuilder::WindowColor(), Form.font(), step,
                                  SymbolsToPlace ? SymbolsToPlace() : std::vector<int>{});
}

void TPuzzleGridPanel::PaintAlternatives() {
    QPainter painter(&AlternativesImg);
    painter.fillRect(AlternativesImg.rect(), TFormBuilder::WindowColor());
    const auto& icons = DisplaySets.IconList16x16();
    int drawn = 0;
    for (int v : AlternativePictures)
        if (v < icons.size() && !icons[v].isNull())
            painter.drawPixmap(9 * drawn++, 2, icons[v]);
}

int TPuzzleGridPanel::VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (qtKey >= Qt::Key_1 && qtKey <= Qt::Key_9)
        return keypad ? vk::Numpad1 + (qtKey - Qt::Key_1) : '1' + (qtKey - Qt::Key_1);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    switch (qtKey) {
    case Qt::Key_Delete:
        return vk::Delete;
    case Qt::Key_Backspace:
        return vk::Back;
    case Qt::Key_Space:
        return vk::Space;
    case Qt::Key_Clear:
        return vk::Clear;
    default:
        return 0;
    }
}

} // namespace sudoku
