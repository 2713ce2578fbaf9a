#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace drippo {

// Cells as bits, ascending: four words cover the board and the lost-drop cell.
struct CellSet {
  std::array<std::uint64_t, 4> words{};

  void add(int i) { words[static_cast<std::size_t>(i >> 6)] |= std::uint64_t{1} << (i & 63); }
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
