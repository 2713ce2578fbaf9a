#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace drippo {

// Cells as bits, ascending: four words cover the board and the lost-drop cell.
struct CellSet {
  std::array<std::uint64_t, 4> words{};

  void add(int i) { words[static_cast<std::size_t>(i >> 6)] |= std::uint64_t{1} << (i & 63); }
  void remove(int i) { words[static_cast<std::size_t>(i >> 6)] &= ~(std::uint64_t{1} << (i & 63)); }
  bool has(int i) const { return ((words[static_cast<std::size_t>(i >> 6)] >> (i & 63)) & 1) != 0; }
  CellSet operator&(const CellSet& o) const {
    CellSet s;
    for (std::size_t w = 0; w < words.size(); ++w) s.words[w] = words[w] & o.words[w];
    return s;
  }
  CellSet operator^(const CellSet& o) const {
    CellSet s;
    for (std::size_t w = 0; w < words.size(); ++w) s.words[w] = words[w] ^ o.words[w];
    return s;
  }
  // Counted with shifts and one multiplication a word: the processors the
  // game is built for need not have a counting instruction.
  int count() const {
    int n = 0;
    for (std::uint64_t w : words) {
      w -= (w >> 1) & 0x5555555555555555ULL;
      w = (w & 0x3333333333333333ULL) + ((w >> 2) & 0x3333333333333333ULL);
      w = (w + (w >> 4)) & 0x0f0f0f0f0f0f0f0fULL;
      n += static_cast<int>((w * 0x0101010101010101ULL) >> 56);
    }
    return n;
  }
  bool operator==(const CellSet&) const = default;
  // The cells one step further on the board: +1, -1, or a row down.
  CellSet shifted_right() const {
    CellSet s;
    for (std::size_t w = 0; w < words.size(); ++w) s.words[w] = (words[w] << 1) | (w > 0 ? words[w - 1] >> 63 : 0);
    return s;
  }
  CellSet shifted_left() const {
    CellSet s;
    for (std::size_t w = 0; w < words.size(); ++w) s.words[w] = (words[w] >> 1) | (w + 1 < words.size() ? words[w + 1] << 63 : 0);
    return s;
  }
  CellSet shifted_down(int rows_of) const {
    CellSet s;
    for (std::size_t w = 0; w < words.size(); ++w) s.words[w] = (words[w] << rows_of) | (w > 0 ? words[w - 1] >> (64 - rows_of) : 0);
    return s;
  }
  // The bits [first, first + count) as the low bits of a word (count < 64).
  std::uint64_t slice(int first, int count) const {
    const auto w = static_cast<std::size_t>(first >> 6);
    const int b = first & 63;
    std::uint64_t v = words[w] >> b;
    if (b != 0 && w + 1 < words.size()) v |= words[w + 1] << (64 - b);
    return v & ((std::uint64_t{1} << count) - 1);
  }
  CellSet operator|(const CellSet& o) const {
    CellSet s;
    for (std::size_t w = 0; w < words.size(); ++w) s.words[w] = words[w] | o.words[w];
    return s;
  }
  bool meets(const CellSet& o) const {
    std::uint64_t common = 0;
    for (std::size_t w = 0; w < words.size(); ++w) common |= words[w] & o.words[w];
    return common != 0;
  }
  bool empty() const { return (words[0] | words[1] | words[2] | words[3]) == 0; }
};

}  // namespace drippo
