// Text bytes from files that may have been written elsewhere: valid UTF-8 is taken as it is,
// anything else is read as Windows-1252, the 8-bit code page such files use. Results are UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace sudoku {

// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past
// U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// Every byte as its Windows-1252 character, in UTF-8. The five bytes the code page leaves
// undefined become the control characters of the same number, as web browsers read them.
std::string Windows1252ToUtf8(std::string_view bytes);

// The bytes themselves when they are valid UTF-8, else their Windows-1252 reading.
std::string DecodeTextBytes(std::string_view bytes);

} // namespace sudoku
