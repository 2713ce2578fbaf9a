#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/sens.h"

namespace drippo {

// A drop held by a sponge.
struct Retenue {
  std::int16_t position = 0;  // the sponge's cell
  std::int32_t depart = 0;    // tick counter when the drop was absorbed
  std::int16_t delai = 0;     // ticks the drop is held
  Sens sens;                  // heading given to the drop when it falls out

  bool operator==(const Retenue&) const = default;
};

// The drops sponges hold, in the order they were absorbed (the order they
// fall out in when several are due at once). A level has a few sponges, so
// the first drops live inside the object and copying it allocates nothing;
// a board covered in sponges spills the rest to the heap.
class HeldDrops {
 public:
  std::size_t size() const { return count_ + spill_.size(); }
  bool empty() const { return count_ == 0; }
  const Retenue& operator[](std::size_t j) const { return j < count_ ? kept_[j] : spill_[j - count_]; }

  void push_back(const Retenue& r);
  void erase(std::size_t j);
  void clear();
  std::vector<Retenue> to_vector() const;

 private:
  static constexpr std::size_t kept_capacity = 16;

  std::array<Retenue, kept_capacity> kept_{};
  std::size_t count_ = 0;  // drops in kept_; spill_ is used only when kept_ is full
  std::vector<Retenue> spill_;
};

}  // namespace drippo
