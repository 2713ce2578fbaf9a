#include <bit>
#include <cstring>

#include "game/plain_flow.h"
#include "game/water_step.h"

namespace drippo {

namespace {
constexpr std::size_t at(int i) { return static_cast<std::size_t>(i); }
constexpr std::int32_t counter_period = 30001;  // the tick counter runs 0..30000
constexpr int bs = board_slots;

// Calls f(i) for every board cell of the set, ascending.
template <class F>
void for_each_cell(const CellSet& set, F f) {
  for (std::size_t w = 0; w < set.words.size(); ++w) {
    std::uint64_t bits = set.words[w];
    while (bits != 0) {
      const int i = static_cast<int>(w * 64) + std::countr_zero(bits);
      if (i >= nb_cases) return;
      f(i);
      bits &= bits - 1;
    }
  }
}

// The cells holding a drop in any direction, and how many they are. Flags a
// byte per cell first, which the compiler does a vector at a time, then packs
// eight flags into a byte with one multiplication.
int find_wet_cells(const BoardArrays& b, CellSet& wet) {
  alignas(64) std::array<std::uint8_t, 256> flag{};
  for (std::size_t k = 0; k < nb_cases; ++k) {
    flag[k] = static_cast<std::uint8_t>(int{b.eau[k] > 0} | int{b.eau[bs + k] > 0} | int{b.eau[2 * bs + k] > 0});
  }
  int count = 0;
  for (std::size_t w = 0; w < wet.words.size(); ++w) {
    std::uint64_t word = 0;
    for (std::size_t byte = 0; byte < 8; ++byte) {
      std::uint64_t eight;
      std::memcpy(&eight, &flag[w * 64 + byte * 8], sizeof eight);
      word |= ((eight * 0x0102040810204080ULL) >> 56) << (byte * 8);
    }
    wet.words[w] = word;
    count += std::popcount(word);
  }
  return count;
}

// A cell's water after the tick: its own drops leave, the arrivals come in
// (in 16 bits, as the level file holds them), and several drops are one.
inline bool settle_slot(std::int16_t& eau, std::int16_t arrivals) {
  const auto e = static_cast<std::int16_t>(eau - int{eau > 0} + arrivals);
  eau = e > 0 ? std::int16_t{1} : e;
  return e > 0;
}
}  // namespace

void Simulation::Step::release_due_drops() {
  HeldDrops& held = sim_.held_;
  for (std::size_t j = 0; j < held.size();) {
    const Retenue& r = held[j];
    // The counter wraps to 0 after 30000, so the release tick wraps with it.
    if (sim_.tick_counter_ == (r.depart + r.delai) % counter_period) relacher(j);
    else ++j;
  }
}

void Simulation::Step::move_drops() {
  const int wet_cells = find_wet_cells(board_, wet_);
  if (wet_cells == 0) return;
  if (sim_.plain_flow_ && move_plain()) return;
  for_each_cell(wet_, [&](int i) {
    const int p = board_.piece[at(i)];
    const CellRules& rules = cell_rules(i, p);
    if (board_.eau_b(i) > 0) apply(i, p, rules.by_direction[falling], falling);
    if (board_.eau_d(i) > 0) apply(i, p, rules.by_direction[going_right], going_right);
    if (board_.eau_g(i) > 0) apply(i, p, rules.by_direction[going_left], going_left);
  });
}

bool Simulation::Step::move_plain() {
  bool special = false;
  for_each_cell(wet_, [&](int i) {
    const CellRules& rules = cell_rules(i, board_.piece[at(i)]);
    for (int f = 0; f < 3; ++f) {
      special |= board_.eau[at(f * bs + i)] > 0 && rules.by_direction[at(f)].kind == RuleKind::special;
    }
  });
  if (special) return false;

  std::array<FlowMask, board_slots> masks{};
  for (int i = 0; i < nb_cases; ++i) masks[at(i)] = cell_flow_mask(i, board_.piece[at(i)]);
  BoardArrays next = board_;  // the headings already carry the drops sponges let go
  for_each_cell(touched_, [&](int i) {
    for (int f = 0; f < 3; ++f) next.eau[at(f * bs + i)] = static_cast<std::int16_t>(next.eau[at(f * bs + i)] + arrivals_[at(f * bs + i)]);
  });
  if (!move_plain_drops(board_, next, masks)) return false;

  for (std::size_t f = 0; f < 3; ++f) {
    for (std::size_t k = f * bs + nb_cases; k < (f + 1) * bs; ++k) next.eau[k] = 0;
  }
  std::memcpy(&board_, &next, sizeof board_);
  plain_moved_ = true;
  return true;
}

void Simulation::Step::apply(int i, int p, const DirectionRule& r, WaterField direction) {
  switch (r.kind) {
    case RuleKind::plain:
      step(r.first);
      step(r.second);
      break;
    case RuleKind::by_heading: {
      // The heading is read at the moment of the move: a drop that fell into
      // this cell earlier in the tick may already have changed it.
      const Sens s = board_.sens[at(i)];
      if (s.is_gauche()) step(r.first);
      else if (s.is_droite()) step(r.second);
      break;
    }
    case RuleKind::special: special_rule(i, p, direction); break;
  }
}

bool Simulation::Step::settle() {
  if (plain_moved_) {
    std::int16_t any_water = 0;
    for (std::size_t k = 0; k < 3 * bs; ++k) {
      const std::int16_t e = board_.eau[k];
      any_water |= static_cast<std::int16_t>(e > 0);
      board_.eau[k] = e > 0 ? std::int16_t{1} : e;
    }
    return any_water == 0;
  }
  for_each_cell(powered_, [&](int i) { board_.compteur[at(i)] = mill_power_ticks; });
  if (blown_up_) board_.piece = pieces_after_;
  bool any_water = false;
  for_each_cell(wet_ | touched_, [&](int i) {
    for (int f = 0; f < 3; ++f) any_water |= settle_slot(board_.eau[at(f * bs + i)], arrivals_[at(f * bs + i)]);
  });
  return !any_water;
}

}  // namespace drippo
