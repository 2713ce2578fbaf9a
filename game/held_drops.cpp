#include "game/held_drops.h"

#include <algorithm>

namespace drippo {

void HeldDrops::push_back(const Retenue& r) {
  if (count_ < kept_capacity && spill_.empty()) {
    kept_[count_++] = r;
    return;
  }
  // A board soaked in sponges: room for many at once.
  if (spill_.empty()) spill_.reserve(8 * kept_capacity);
  spill_.push_back(r);
}

void HeldDrops::erase(std::size_t j) {
  if (j >= count_) {
    spill_.erase(spill_.begin() + static_cast<std::ptrdiff_t>(j - count_));
    return;
  }
  std::move(kept_.begin() + static_cast<std::ptrdiff_t>(j + 1), kept_.begin() + static_cast<std::ptrdiff_t>(count_),
            kept_.begin() + static_cast<std::ptrdiff_t>(j));
  --count_;
  // Keep the order: the oldest spilled drop moves into the freed room.
  if (!spill_.empty()) {
    kept_[count_++] = spill_.front();
    spill_.erase(spill_.begin());
  }
}

void HeldDrops::clear() {
  count_ = 0;
  spill_.clear();
}

std::vector<Retenue> HeldDrops::to_vector() const {
  std::vector<Retenue> out(kept_.begin(), kept_.begin() + static_cast<std::ptrdiff_t>(count_));
  out.insert(out.end(), spill_.begin(), spill_.end());
  return out;
}

}  // namespace drippo
