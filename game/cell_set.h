#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "game/board_geometry.h"

namespace drippo {

// Cells of the board as bits, a row at a time: each word holds three rows of
// 19 cells, 21 bits apart, so that a row is one shift away, a move to the
// right or left never crosses into another row, and a move down is a shift
// by one row.
struct CellSet {
  static constexpr int row_stride = 21;
  static constexpr int rows_per_word = 3;
  static constexpr std::uint64_t row_mask = (std::uint64_t{1} << nb_colonnes) - 1;
  // Every cell's bit in a word, the padding between rows left out.
  static constexpr std::uint64_t cells_mask =
      row_mask | (row_mask << row_stride) | (row_mask << (2 * row_stride));
  static_assert(nb_colonnes < row_stride && row_stride * rows_per_word <= 64);
  static_assert(nb_lignes % rows_per_word == 0);

  std::array<std::uint64_t, nb_lignes / rows_per_word> words{};

  // i / 19 for a cell, with a multiplication: exact below 19 * 12.
  static constexpr int row_of(int i) { return (i * 3450) >> 16; }
  // The word and the bit of a cell.
  struct Place {
    std::size_t word;
    int bit;
  };
  static constexpr Place place_of(int i) {
    const std::uint8_t at = places[static_cast<std::size_t>(i)];
    return {static_cast<std::size_t>(at >> 6), at & 63};
  }
  // Word (top two bits) and bit of every cell, looked up rather than worked out.
  static constexpr std::array<std::uint8_t, nb_cases> places = [] {
    std::array<std::uint8_t, nb_cases> table{};
    for (int i = 0; i < nb_cases; ++i) {
      const int r = i / nb_colonnes;
      const int w = r / rows_per_word;
      table[static_cast<std::size_t>(i)] =
          static_cast<std::uint8_t>(w << 6 | (row_stride * (r - rows_per_word * w) + i % nb_colonnes));
    }
    return table;
  }();
  // The cell of a bit of word w.
  static constexpr int cell_at(std::size_t w, int bit) {
    const int row_in_word = (bit * 3121) >> 16;  // bit / 21 below 63
    return static_cast<int>(w) * rows_per_word * nb_colonnes + bit - (row_stride - nb_colonnes) * row_in_word;
  }

  void add(int i) {
    const Place p = place_of(i);
    words[p.word] |= std::uint64_t{1} << p.bit;
  }
  void remove(int i) {
    const Place p = place_of(i);
    words[p.word] &= ~(std::uint64_t{1} << p.bit);
  }
  // The cells of a row, column c at bit c.
  std::uint64_t row(int r) const {
    const auto k = static_cast<std::size_t>(r);
    return (words[row_words[k]] >> row_shifts[k]) & row_mask;
  }
  static constexpr std::array<std::uint8_t, nb_lignes> row_words = {0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3};
  static constexpr std::array<std::uint8_t, nb_lignes> row_shifts = {0, 21, 42, 0, 21, 42, 0, 21, 42, 0, 21, 42};
  static_assert(row_shifts[1] == row_stride && row_words[nb_lignes - 1] == nb_lignes / rows_per_word - 1);

  CellSet operator|(const CellSet& o) const {
    CellSet s;
    for (std::size_t w = 0; w < words.size(); ++w) s.words[w] = words[w] | o.words[w];
    return s;
  }
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
  CellSet without(const CellSet& o) const {
    CellSet s;
    for (std::size_t w = 0; w < words.size(); ++w) s.words[w] = words[w] & ~o.words[w];
    return s;
  }
  bool operator==(const CellSet&) const = default;
  bool empty() const { return (words[0] | words[1] | words[2] | words[3]) == 0; }
  // Whether the set holds at least n cells, counting no further: a few
  // steps for the small sets a tick mostly meets.
  bool at_least(int n) const {
    for (std::uint64_t w : words) {
      for (; w != 0; w &= w - 1) {
        if (--n <= 0) return true;
      }
    }
    return n <= 0;
  }

  // The cells one step further: to the right, to the left, a row down. A step
  // off the board's side or bottom is dropped.
  CellSet shifted_right() const {
    CellSet s;
    for (std::size_t w = 0; w < words.size(); ++w) s.words[w] = (words[w] << 1) & cells_mask;
    return s;
  }
  CellSet shifted_left() const {
    CellSet s;
    for (std::size_t w = 0; w < words.size(); ++w) s.words[w] = (words[w] >> 1) & cells_mask;
    return s;
  }
  CellSet shifted_down() const {
    constexpr int last_row = row_stride * (rows_per_word - 1);
    CellSet s;
    for (std::size_t w = 0; w < words.size(); ++w) {
      s.words[w] = (words[w] << row_stride) & cells_mask;
      if (w > 0) s.words[w] |= words[w - 1] >> last_row;
    }
    return s;
  }

  // The cells whose byte is 1 (every other byte 0), eight packed into a byte
  // with one multiplication; the bytes past the board are read as padding.
  static CellSet from_flags(const std::array<std::uint8_t, 256>& flag) {
    static_assert(nb_cases + 8 <= 256);
    CellSet set;
    for (int r = 0; r < nb_lignes; ++r) {
      std::uint64_t bits = 0;
      for (int c = 0; c < nb_colonnes; c += 8) {
        std::uint64_t eight;
        std::memcpy(&eight, &flag[static_cast<std::size_t>(r * nb_colonnes + c)], sizeof eight);
        bits |= ((eight * 0x0102040810204080ULL) >> 56) << c;
      }
      set.words[static_cast<std::size_t>(r / rows_per_word)] |= (bits & row_mask) << (row_stride * (r % rows_per_word));
    }
    return set;
  }

  // Calls f(i) for every cell of the set, ascending.
  template <class F>
  void for_each(F f) const {
    for (std::size_t w = 0; w < words.size(); ++w) {
      for (std::uint64_t bits = words[w]; bits != 0; bits &= bits - 1) f(cell_at(w, std::countr_zero(bits)));
    }
  }
};

}  // namespace drippo
