#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "solver/placement.h"

namespace drippo::solve {

// The sets of placements a search has run, so that a set reached again in
// another order is not run again. Looked up for every try: sets of up to
// nine placements are packed into two words in one flat table, the rare
// larger ones kept as strings.
class SetsTried {
 public:
  // At most this many sets are remembered; past it a set is always new,
  // which costs time but never an answer.
  explicit SetsTried(std::size_t limit) : limit_(limit) {}

  // Whether the set (sorted) had not been tried; it is remembered now.
  bool add(const Placements& sorted);
  void clear();

 private:
  using Key = std::array<std::uint64_t, 2>;
  bool add_packed(const Key& key);
  void grow();

  std::size_t limit_;
  std::size_t size_ = 0;
  std::vector<Key> slots_;  // a power of two of them, {0, 0} for none
  bool empty_set_ = false;  // the one set that packs to {0, 0}
  std::unordered_set<std::u16string> large_;
};

}  // namespace drippo::solve
