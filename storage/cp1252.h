#pragma once

#include <string>
#include <string_view>

namespace drippo {

// Level, score and settings files store text one byte per character in the
// Windows-1252 code page, so that levels exchanged between players keep their
// accents. The game itself works in UTF-8.

// Every byte maps to one character; the five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to U+0081 etc., as Windows does.
std::string utf8_from_cp1252(std::string_view bytes);

// A character with no Windows-1252 byte becomes '?', and so does each byte of
// malformed UTF-8 (stray continuation, truncated or overlong sequence,
// surrogate, code point beyond U+10FFFF).
std::string cp1252_from_utf8(std::string_view utf8);

}  // namespace drippo
