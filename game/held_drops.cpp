#include "game/held_drops.h"

#include <algorithm>

namespace drippo {

void HeldDrops::spill(const Retenue& r) {
  // A board soaked in sponges: room for many at once.
  if (spill_.empty()) spill_.reserve(8 * kept_capacity);
  spill_.push_back(r);
}

void HeldDrops::take_spilled_due(std::int32_t now, void (*fall_out)(const Retenue&, void*), void* context) {
  std::erase_if(spill_, [&](const Retenue& r) {
    if (due_tick(r) != now) return false;
    fall_out(r, context);
    return true;
  });
  // Keep the order: the oldest spilled drops move into the freed room.
  std::size_t moved = 0;
  while (count_ < kept_capacity && moved < spill_.size()) keep(spill_[moved++]);
  spill_.erase(spill_.begin(), spill_.begin() + static_cast<std::ptrdiff_t>(moved));
}

void HeldDrops::clear() {
  first_ = count_ = 0;
  due_ = unused_dues();
  spill_.clear();
}

std::vector<Retenue> HeldDrops::to_vector() const {
  std::vector<Retenue> out;
  out.reserve(size());
  for (std::size_t j = 0; j < count_; ++j) out.push_back(kept_[slot(j)]);
  out.insert(out.end(), spill_.begin(), spill_.end());
  return out;
}

}  // namespace drippo
