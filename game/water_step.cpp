#include <bit>
#include <cstring>

#include "game/water_step.h"

namespace drippo {

namespace {
constexpr std::size_t at(int i) { return static_cast<std::size_t>(i); }
constexpr int bs = board_slots;

// The cells holding a drop in one direction. Flags a byte per cell first,
// which the compiler does a vector at a time, then packs eight flags into a
// byte with one multiplication. `odd` is set when a slot holds neither 0 nor 1.
CellSet wet_cells(const std::int16_t* eau, bool& odd) {
  alignas(64) std::array<std::uint8_t, 256> flag{};
  int odd_slots = 0;
  for (std::size_t k = 0; k < nb_cases; ++k) {
    flag[k] = static_cast<std::uint8_t>(eau[k] > 0);
    odd_slots |= int{eau[k] < 0} | int{eau[k] > 1};
  }
  odd = odd || odd_slots != 0;
  return CellSet::from_flags(flag);
}

// Past a quarter of the board, one pass over every cell is quicker than
// visiting them one by one.
bool many_cells(const CellSet& s) { return s.at_least(nb_cases / 4 + 1); }

// A cell's water after the tick: its own drops leave, the arrivals come in
// (in 16 bits, as the level file holds them), and several drops are one.
inline bool settle_slot(std::int16_t& eau, std::int16_t& arrivals) {
  const auto e = static_cast<std::int16_t>(eau - int{eau > 0} + arrivals);
  arrivals = 0;
  eau = e > 0 ? std::int16_t{1} : e;
  return e > 0;
}
}  // namespace

namespace {
// Cell i's rules and its place in each set, for piece p, whatever it held before.
void learn_cell(PieceRules& known, int i, int p) {
  known.pieces[at(i)] = static_cast<std::int16_t>(p);
  known.rules[at(i)] = cell_rules(i, p);
  const FlowMask m = cell_flow_mask(i, p);
  const auto mark = [i](CellSet& set, bool in) {
    if (in) set.add(i);
    else set.remove(i);
  };
  for (std::size_t f = 0; f < 3; ++f) {
    mark(known.special[f], known.rules[at(i)].by_direction[f].kind == RuleKind::special);
    mark(known.down[f], (m & flow::down[f]) != 0);
    mark(known.right[f], (m & flow::right[f]) != 0);
    mark(known.left[f], (m & flow::left[f]) != 0);
  }
  mark(known.mills, p == piece::moulin);
  mark(known.doors, p == piece::porte);
  mark(known.platforms, (m & flow::b_heading) != 0);
  mark(known.platform_left, (m & flow::b_heading_left) != 0);
  mark(known.platform_right, (m & flow::b_heading_right) != 0);
}
}  // namespace

const PieceRules& piece_rules(const BoardArrays& board, std::uint64_t stamp) {
  thread_local PieceRules known;
  thread_local bool filled = false;
  thread_local std::uint64_t known_stamp = 0;
  if (filled && stamp != 0 && stamp == known_stamp) return known;
  const bool same = filled && std::memcmp(known.pieces.data(), board.piece.data(), sizeof known.pieces) == 0;
  known_stamp = stamp;
  if (same) return known;
  // A board seldom differs from the last one by more than a few pieces (a
  // piece placed, taken back, blown up; the solver's next try): only those
  // cells are learnt again.
  for (int i = 0; i < nb_cases; ++i) {
    if (!filled || known.pieces[at(i)] != board.piece[at(i)]) learn_cell(known, i, board.piece[at(i)]);
  }
  filled = true;
  known.teleporters[0] = known.teleporters[1] = -1;
  for (int j = 0, found = 0; j < derniere_case && found < 2; ++j) {
    if (board.piece[at(j)] == piece::teleporteur) known.teleporters[found++] = j;
  }
  // A mill's falling drops and every drop of a door move as sets.
  known.in_turn[falling] = known.special[falling].without(known.mills | known.doors);
  known.in_turn[going_right] = known.special[going_right].without(known.doors);
  known.in_turn[going_left] = known.special[going_left].without(known.doors);
  return known;
}

namespace {
// The arrivals of the tick running on this thread: zeroed as they are added.
std::array<std::int16_t, 3 * board_slots>& arrivals_scratch() {
  alignas(64) thread_local std::array<std::int16_t, 3 * board_slots> arrivals{};
  return arrivals;
}
}  // namespace

Simulation::Step::Step(Simulation& sim, TickReport& report)
    : sim_(sim), board_(sim.board_), report_(report), arrivals_(arrivals_scratch()) {
  if (!sim_.wet_known_) sim_.find_wet_cells();
  by_sets_ = sim_.moves_by_sets_ && !sim_.odd_water_;
}

void Simulation::find_wet_cells() {
  odd_water_ = false;
  for (int f = 0; f < 3; ++f) wet_[at(f)] = wet_cells(&board_.eau[at(f * bs)], odd_water_);
  wet_known_ = true;
}

void Simulation::Step::release_due_drops() {
  sim_.held_.take_due(sim_.tick_counter_, [this](const Retenue& r) { relacher(r); });
}

void Simulation::Step::move_drops() {
  wet_ = sim_.wet_[0] | sim_.wet_[1] | sim_.wet_[2];
  if (wet_.empty()) return;
  pieces_ = &piece_rules(board_, sim_.pieces_stamp_);
  if (by_sets_) {
    move_by_sets();
    return;
  }
  wet_.for_each([&](int i) {
    const int p = board_.piece[at(i)];
    const CellRules& rules = pieces_->rules[at(i)];
    if (board_.eau_b(i) > 0) apply(i, p, rules.by_direction[falling], falling);
    if (board_.eau_d(i) > 0) apply(i, p, rules.by_direction[going_right], going_right);
    if (board_.eau_g(i) > 0) apply(i, p, rules.by_direction[going_left], going_left);
  });
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

void Simulation::Step::settle_power_and_pieces() {
  if (!powered_.empty()) {
    powered_.for_each([&](int i) { board_.compteur[at(i)] = mill_power_ticks; });
    sim_.powered_ = sim_.powered_ | powered_;
  }
  if (blown_up_) {
    board_.piece = pieces_after_;
    sim_.pieces_changed();
  }
}

bool Simulation::Step::settle() {
  if (by_sets_) return settle_sets();
  arrivals_[lost_drop_cell] = 0;  // drops that left the board are forgotten
  settle_power_and_pieces();
  // Drops arrive in the wet cells, their neighbours, and where teleporters and
  // sponges put them.
  const CellSet reached = wet_ | far_ | wet_.shifted_right() | wet_.shifted_left() | wet_.shifted_down();
  if (many_cells(reached)) {
    int any_water = 0;
    for (std::size_t f = 0; f < 3; ++f) {
      for (std::size_t k = f * bs; k < f * bs + nb_cases; ++k) any_water |= int{settle_slot(board_.eau[k], arrivals_[k])};
    }
    sim_.wet_known_ = false;
    return any_water == 0;
  }
  std::array<CellSet, 3> wet_after{};
  reached.for_each([&](int i) {
    for (int f = 0; f < 3; ++f) {
      if (settle_slot(board_.eau[at(f * bs + i)], arrivals_[at(f * bs + i)])) wet_after[at(f)].add(i);
    }
  });
  sim_.wet_ = wet_after;
  sim_.wet_known_ = true;
  return (wet_after[0] | wet_after[1] | wet_after[2]).empty();
}

}  // namespace drippo
