#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "game/board_geometry.h"

namespace drippo::solve {

// A set of board cells, cell i at bit i.
struct CellMask {
  std::array<std::uint64_t, (nb_cases + 63) / 64> words{};

  void add(int i) { words[static_cast<std::size_t>(i >> 6)] |= std::uint64_t{1} << (i & 63); }
  void remove(int i) { words[static_cast<std::size_t>(i >> 6)] &= ~(std::uint64_t{1} << (i & 63)); }
  bool has(int i) const { return (words[static_cast<std::size_t>(i >> 6)] >> (i & 63)) & 1; }
  bool empty() const {
    std::uint64_t any = 0;
    for (std::uint64_t w : words) any |= w;
    return any == 0;
  }
  CellMask operator&(const CellMask& o) const {
    CellMask m;
    for (std::size_t k = 0; k < words.size(); ++k) m.words[k] = words[k] & o.words[k];
    return m;
  }
  CellMask without(const CellMask& o) const {
    CellMask m;
    for (std::size_t k = 0; k < words.size(); ++k) m.words[k] = words[k] & ~o.words[k];
    return m;
  }
  CellMask& operator|=(const CellMask& o) {
    for (std::size_t k = 0; k < words.size(); ++k) words[k] |= o.words[k];
    return *this;
  }
  // Calls f(i) for every cell of the set, ascending.
  template <class F>
  void for_each(F f) const {
    for (std::size_t k = 0; k < words.size(); ++k) {
      for (std::uint64_t bits = words[k]; bits != 0; bits &= bits - 1) f(static_cast<int>(k * 64) + std::countr_zero(bits));
    }
  }
};

}  // namespace drippo::solve
