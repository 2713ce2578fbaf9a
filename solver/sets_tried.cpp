#include "solver/sets_tried.h"

#include "game/board_geometry.h"
#include "game/pieces.h"

namespace drippo::solve {
namespace {

// A placement in 13 bits: the cell times 32, plus the piece (1 to 20).
constexpr int bits_per_placement = 13;
static_assert(nb_cases * 32 <= (1 << bits_per_placement) && nb_types < 32);
constexpr std::size_t packed_most = 2 * 64 / bits_per_placement;  // nine

std::uint64_t code_of(const Placement& p) { return static_cast<std::uint64_t>(p.cell * 32 + p.piece); }

std::uint64_t mix(std::uint64_t x) {
  x ^= x >> 33;
  x *= 0xff51afd7ed558ccdULL;
  x ^= x >> 33;
  x *= 0xc4ceb9fe1a85ec53ULL;
  return x ^ (x >> 33);
}

}  // namespace

bool SetsTried::add(const Placements& sorted) {
  if (sorted.empty()) {
    const bool fresh = !empty_set_;
    empty_set_ = true;
    return fresh;
  }
  if (sorted.size() > packed_most) {
    std::u16string key;
    for (const Placement& p : sorted) key.push_back(static_cast<char16_t>(code_of(p)));
    if (large_.count(key) != 0) return false;
    if (size_ < limit_) {
      large_.insert(std::move(key));
      ++size_;
    }
    return true;
  }
  Key key{};
  for (std::size_t k = 0; k < sorted.size(); ++k) {
    const std::size_t bit = k * bits_per_placement;
    key[bit / 64] |= code_of(sorted[k]) << (bit % 64);
    // A code cut by the word's end goes on in the next word.
    if (bit % 64 + bits_per_placement > 64) key[1] |= code_of(sorted[k]) >> (64 - bit % 64);
  }
  return add_packed(key);
}

bool SetsTried::add_packed(const Key& key) {
  if (slots_.empty()) slots_.resize(1 << 12);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = mix(key[0] ^ mix(key[1])) & mask;; i = (i + 1) & mask) {
    if (slots_[i] == key) return false;
    if (slots_[i] != Key{}) continue;
    if (size_ >= limit_) return true;
    slots_[i] = key;
    ++size_;
    // Half full at most, so that a search along the table stays short.
    if (2 * size_ > slots_.size()) grow();
    return true;
  }
}

void SetsTried::grow() {
  std::vector<Key> old(slots_.size() * 2);
  old.swap(slots_);
  const std::size_t mask = slots_.size() - 1;
  for (const Key& key : old) {
    if (key == Key{}) continue;
    std::size_t i = mix(key[0] ^ mix(key[1])) & mask;
    while (slots_[i] != Key{}) i = (i + 1) & mask;
    slots_[i] = key;
  }
}

void SetsTried::clear() {
  std::fill(slots_.begin(), slots_.end(), Key{});
  size_ = 0;
  empty_set_ = false;
  large_.clear();
}

}  // namespace drippo::solve
