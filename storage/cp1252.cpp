#include "storage/cp1252.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace drippo {
namespace {

// Characters of bytes 0x80..0x9F; every other byte is its own code point.
constexpr std::array<char32_t, 32> block_80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t character_of(std::uint8_t byte) {
  return byte >= 0x80 && byte <= 0x9F ? block_80[byte - 0x80] : char32_t{byte};
}

char byte_of(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t k = 0; k < block_80.size(); ++k) {
    if (block_80[k] == c) return static_cast<char>(0x80 + k);
  }
  return '?';
}

void append_utf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {  // the code page reaches no further than U+2122
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

struct Decoded {
  char32_t character = 0;
  std::size_t length = 0;  // 0: the byte at the position starts no valid sequence
};

Decoded decode_utf8(std::string_view s, std::size_t i) {
  const auto lead = static_cast<std::uint8_t>(s[i]);
  if (lead < 0x80) return {lead, 1};
  std::size_t length = 0;
  char32_t c = 0;
  char32_t smallest = 0;  // below this the sequence is overlong
  if ((lead & 0xE0) == 0xC0) {
    length = 2, c = lead & 0x1F, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, c = lead & 0x0F, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, c = lead & 0x07, smallest = 0x10000;
  } else {
    return {};
  }
  if (s.size() - i < length) return {};
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<std::uint8_t>(s[i + k]);
    if ((next & 0xC0) != 0x80) return {};
    c = (c << 6) | (next & 0x3F);
  }
  if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return {};
  return {c, length};
}

}  // namespace

std::string utf8_from_cp1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char b : bytes) append_utf8(out, character_of(static_cast<std::uint8_t>(b)));
  return out;
}

std::string cp1252_from_utf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const Decoded d = decode_utf8(utf8, i);
    if (d.length == 0) {
      out += '?';
      ++i;
    } else {
      out += byte_of(d.character);
      i += d.length;
    }
  }
  return out;
}

}  // namespace drippo
