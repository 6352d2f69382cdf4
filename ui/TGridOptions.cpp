// The Options record applied to a grid's look.
#include "TGridOptions.h"

#include "TScreenLayout.h"

namespace sudoku {

QColor RecordColour(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

std::uint32_t RecordColour(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) |
           static_cast<std::uint32_t>(colour.green()) << 8 |
           static_cast<std::uint32_t>(colour.blue()) << 16;
}

TGridLook WithOptions(TGridLook look, const TSuDoKuData& options, int screenLayout) {
    look.BackgroundColor = RecordColour(options.BackgroundColor);
    look.ContrastColor = RecordColour(options.ContrastColor);
    look.RulerColor = RecordColour(options.RulerColor);
    look.FontColor = RecordColour(options.FontColor);
    look.ContrastPuzzle = options.ContrastPuzzle;
    look.ShowRuler = (options.SolveOptions & soRuler) != 0;
    look.FontName = QString::fromStdString(options.FontName);
    look.ValueFontSize = TScreenLayout::ScaleValue(12, screenLayout);
    look.LargeGridValueFontSize = TScreenLayout::ScaleValue(10, screenLayout);
    look.NoteFontSize = TScreenLayout::ScaleValue(6, screenLayout);
    look.LargeGridNoteFontSize = TScreenLayout::ScaleValue(4, screenLayout);
    return look;
}

} // namespace sudoku
