// Colours written as one 0xRRGGBB number, and the plain named colours the grid renderer draws
// with (its tests read the same names back from the pixels).
#pragma once

#include <QColor>

#include <cstdint>

namespace sudoku {

constexpr QColor RgbColour(std::uint32_t rgb) {
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

namespace colours {
inline constexpr QColor Yellow = RgbColour(0xFFFF00);
inline constexpr QColor Silver = RgbColour(0xC0C0C0);
inline constexpr QColor Red = RgbColour(0xFF0000);
inline constexpr QColor Navy = RgbColour(0x000080);
inline constexpr QColor White = RgbColour(0xFFFFFF);
inline constexpr QColor PaleGrey = RgbColour(0xCBCBCB);
inline constexpr QColor Grey = RgbColour(0x808080);
inline constexpr QColor Black = RgbColour(0x000000);
} // namespace colours

} // namespace sudoku
