#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/sens.h"

namespace drippo {

// The tick counter runs 0..30000, then starts again from 0.
inline constexpr std::int32_t tick_counter_wrap = 30000;

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
// the first drops live inside the object, in a ring that the oldest leaves
// without moving the others, and copying it allocates nothing; a board
// covered in sponges spills the rest to the heap.
class HeldDrops {
 public:
  std::size_t size() const { return count_ + spill_.size(); }
  bool empty() const { return count_ == 0; }

  void push_back(const Retenue& r) {
    if (count_ < kept_capacity && spill_.empty()) {
      keep(r);
      return;
    }
    spill(r);
  }
  // Calls fall_out(drop) for every drop due at tick `now`, oldest first, and
  // takes them out; the others keep their order.
  template <class F>
  void take_due(std::int32_t now, F fall_out);
  void clear();
  std::vector<Retenue> to_vector() const;

 private:
  static constexpr std::size_t kept_capacity = 16;
  // The tick counter's value when a drop falls out: its release tick, wrapped
  // as the counter wraps.
  static std::int32_t due_tick(const Retenue& r) {
    constexpr std::int32_t period = tick_counter_wrap + 1;
    // One subtraction does for the ticks the game itself counts.
    const std::int32_t sum = r.depart + r.delai;
    return sum >= 0 && sum < 2 * period ? (sum >= period ? sum - period : sum) : sum % period;
  }
  void spill(const Retenue& r);
  // The slot of the j-th oldest kept drop.
  std::size_t slot(std::size_t j) const { return (first_ + j) & (kept_capacity - 1); }
  void keep(const Retenue& r) {
    due_[slot(count_)] = due_tick(r);
    kept_[slot(count_++)] = r;
  }
  // Whether some drop may fall out at tick `now`: one look at the kept drops
  // (a vector compare), and yes whenever some have spilled.
  bool any_due(std::int32_t now) const {
    int hit = 0;
    for (std::size_t k = 0; k < kept_capacity; ++k) hit |= int{due_[k] == now};
    return hit != 0 || !spill_.empty();
  }
  void take_spilled_due(std::int32_t now, void (*fall_out)(const Retenue&, void*), void* context);

  std::array<Retenue, kept_capacity> kept_{};
  std::array<std::int32_t, kept_capacity> due_ = unused_dues();  // -1 in a free slot: never due
  static constexpr std::array<std::int32_t, kept_capacity> unused_dues() {
    std::array<std::int32_t, kept_capacity> d{};
    d.fill(-1);
    return d;
  }
  static_assert(std::has_single_bit(kept_capacity));
  std::size_t first_ = 0;  // the slot of the oldest kept drop
  std::size_t count_ = 0;  // drops in kept_; spill_ is used only when kept_ is full
  std::vector<Retenue> spill_;
};

template <class F>
void HeldDrops::take_due(std::int32_t now, F fall_out) {
  if (!any_due(now)) return;
  // The oldest drops fall out first: most ticks, only they do.
  std::size_t j = 0;
  for (; j < count_ && due_[slot(j)] == now; ++j) {
    fall_out(kept_[slot(j)]);
    due_[slot(j)] = -1;
  }
  first_ = slot(j);
  count_ -= j;
  // Any others due: the rest close up behind them.
  std::size_t kept = 0;
  for (j = 0; j < count_; ++j) {
    const std::size_t from = slot(j);
    const bool due = due_[from] == now;
    if (due) fall_out(kept_[from]);
    if (!due && kept != j) {
      kept_[slot(kept)] = kept_[from];
      due_[slot(kept)] = due_[from];
    }
    if (!due) ++kept;
  }
  for (j = kept; j < count_; ++j) due_[slot(j)] = -1;
  count_ = kept;
  if (spill_.empty()) return;
  take_spilled_due(now, [](const Retenue& r, void* f) { (*static_cast<F*>(f))(r); }, &fall_out);
}

}  // namespace drippo
