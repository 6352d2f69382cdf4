// Text helpers of the record store and the settings: integer parsing with the "$" and "0x"
// hexadecimal forms, HexToInt, IntToStrRight, ChangeCase and TrimBlanks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sudoku {

// A 32-bit integer from decimal text, or hexadecimal text after "$", "0x" or "0X" (an optional
// sign first, leading blanks allowed). Hexadecimal of up to 8 digits wraps to 32 bits as it
// does in the files ("$FFFFFFFF" is -1). Anything else, or a value out of range: nothing.
std::optional<std::int32_t> TextToInt(std::string_view text);
std::int32_t TextToIntDef(std::string_view text, std::int32_t defaultValue);

// The first 8 characters of `text` read as hexadecimal; 0 when they are not valid.
std::int32_t HexToInt(std::string_view text);

// Decimal text of value with spaces in front until it is at least width characters long.
std::string IntToStrRight(std::int32_t value, int width);

// Mode 1: lower case; 2: upper case; 3: first character upper case; other modes: unchanged.
std::string ChangeCase(std::string_view text, int mode);

// The text without the spaces and tabs before and after it (a name as the user typed it).
std::string TrimBlanks(std::string_view text);

} // namespace sudoku
