#include "solver/water_run.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "game/piece_placing.h"
#include "solver/candidates.h"
#include "solver/guidance.h"

namespace drippo::solve {
namespace {

constexpr std::size_t at(int i) { return static_cast<std::size_t>(i); }

// The cells holding a drop, and those holding one moving each way, in the
// tick about to run: the board's drops and the one the source pours into its
// cell. A byte per cell first, which the compiler does a vector at a time,
// then eight bytes of 0 or 1 packed into a byte with one multiplication.
void drops_of(const Simulation& water, CellMask& wet, std::array<CellMask, 3>& by_way) {
  const BoardArrays& a = water.arrays();
  alignas(64) std::array<std::array<std::uint8_t, 256>, 3> flags{};
  for (std::size_t f = 0; f < 3; ++f) {
    for (std::size_t k = 0; k < nb_cases; ++k) flags[f][k] = static_cast<std::uint8_t>(a.eau[f * board_slots + k] > 0);
  }
  for (std::size_t f = 0; f < 3; ++f) {
    CellMask& m = by_way[f];
    for (std::size_t w = 0; w < m.words.size(); ++w) {
      std::uint64_t bits = 0;
      for (std::size_t b = 0; b < 8; ++b) {
        std::uint64_t eight;
        std::memcpy(&eight, &flags[f][w * 64 + b * 8], sizeof eight);
        bits |= ((eight * 0x0102040810204080ULL) >> 56) << (b * 8);
      }
      m.words[w] = bits;
    }
  }
  if (water.water_left() > 0) by_way[going_left].add(case_source);
  wet = by_way[0];
  wet |= by_way[1];
  wet |= by_way[2];
}

Directions ways_in(const Simulation& water, int cell) {
  const BoardArrays& a = water.arrays();
  Directions d = 0;
  for (std::size_t f = 0; f < 3; ++f) d |= static_cast<Directions>((a.eau[f * board_slots + at(cell)] > 0) << f);
  return d;
}

CellMask cells_of(const BoardArrays& a, std::int16_t p) {
  CellMask m;
  for (int i = 0; i < nb_cases; ++i) {
    if (a.piece[at(i)] == p) m.add(i);
  }
  return m;
}

CellMask seen_by(const std::array<std::int32_t, nb_cases>& first) {
  CellMask m;
  for (int i = 0; i < nb_cases; ++i) {
    if (first[at(i)] != never) m.add(i);
  }
  return m;
}

void forget_from(std::array<std::int32_t, nb_cases>& first, std::int32_t from) {
  for (auto& t : first) t = t >= from ? never : t;
}

// The water on two boards is the same and does the same from now on: every
// field a tick reads (a sponge's lock it only writes).
bool same_water(const BoardArrays& a, const BoardArrays& b) {
  return a.eau == b.eau && a.piece == b.piece && a.compteur == b.compteur && a.besoin == b.besoin && a.sens == b.sens;
}

// Once the source is dry and no sponge holds a drop, the water's next state
// depends on its state alone. A state met again means it goes round and round
// filling nothing (a goal's need would have changed) until the time runs out:
// the end is known. Met again is looked for against states saved at growing
// distances, so that a round of any length is found.
class RoundFinder {
 public:
  bool round_again(const Simulation& water, std::int32_t index) {
    if (water.water_left() > 0 || !water.held_drops().empty()) return false;
    if (saved_at_ >= 0 && same_water(saved_, water.arrays())) return true;
    if (saved_at_ < 0 || index - saved_at_ >= span_) {
      saved_ = water.arrays();
      saved_at_ = index;
      span_ *= 2;
    }
    return false;
  }

 private:
  BoardArrays saved_;
  std::int32_t saved_at_ = -1;
  std::int32_t span_ = 1;
};

bool is_end(TickEvent::Kind k) {
  using K = TickEvent::Kind;
  return k == K::Win || k == K::TimeOut || k == K::GameOver || k == K::CatWetted || k == K::BlastEndsGame;
}

}  // namespace

void begin_run(WaterRun& run, const Simulation& start, const Placements& set) {
  run.set = set;
  std::sort(run.set.begin(), run.set.end());
  run.free = cells_of(start.arrays(), piece::vide);
  for (const Placement& p : run.set) run.free.remove(p.cell);
  run.first_wet.fill(never);
  for (auto& way : run.first_drop) way.fill(never);
  run.first_blast.fill(never);
  run.first_teleporter_use = never;
  run.parent = nullptr;
  run.start = 0;
  run.snapshots.clear();
}

void begin_child(WaterRun& child, const WaterRun& parent, Placement p, std::int32_t from) {
  child.set = parent.set;
  child.set.insert(std::upper_bound(child.set.begin(), child.set.end(), p), p);
  child.free = parent.free;
  child.free.remove(p.cell);
  child.first_wet = parent.first_wet;
  child.first_drop = parent.first_drop;
  child.first_blast = parent.first_blast;
  forget_from(child.first_wet, from);
  for (auto& way : child.first_drop) forget_from(way, from);
  forget_from(child.first_blast, from);
  child.first_teleporter_use = parent.first_teleporter_use >= from ? never : parent.first_teleporter_use;
  child.parent = &parent;
  child.start = from;
  child.snapshots.clear();
}

Simulation with_pieces(Simulation water, const Placements& set) {
  for (const Placement& p : set) set_piece_down(water, p.cell, p.piece);
  return water;
}

// A state saved by a run up the chain is good for a run further down as long
// as no piece added on the way down had acted yet: before the start of every
// run in between.
Simulation resume_state(const WaterRun& parent, Placement p, std::int32_t at, std::int32_t& from) {
  std::int32_t limit = at;
  for (const WaterRun* r = &parent; r != nullptr; r = r->parent) {
    const auto later = std::upper_bound(r->snapshots.begin(), r->snapshots.end(), limit,
                                        [](std::int32_t t, const Snapshot& s) { return t < s.index; });
    if (later != r->snapshots.begin()) {
      const Snapshot& s = *std::prev(later);
      from = s.index;
      Simulation water = s.water;
      for (const Placement& q : parent.set) {
        if (!std::binary_search(r->set.begin(), r->set.end(), q)) set_piece_down(water, q.cell, q.piece);
      }
      set_piece_down(water, p.cell, p.piece);
      return water;
    }
    limit = std::min(limit, r->start);
  }
  // Every resumable run keeps the state it started from, so the first run of
  // the chain always answers; this is never reached.
  from = 0;
  return Simulation{};
}

bool any_splitter(const BoardArrays& a) {
  for (int i = 0; i < nb_cases; ++i) {
    if (splits(i, a.piece[at(i)])) return true;
  }
  return false;
}

bool any_splitter(const Placements& set) {
  return std::any_of(set.begin(), set.end(), [](const Placement& p) { return splits(p.cell, p.piece); });
}

bool short_of_drops(const Simulation& water, const Goals& goals) {
  const BoardArrays& a = water.arrays();
  std::int64_t needed = 0;
  for (int g : goals.cells) {
    const std::int16_t left = a.besoin[at(g)];
    if (left <= 0) continue;
    if (!is_goal(a.piece[at(g)])) return true;  // blown away before it was full
    needed += left;
  }
  if (needed == 0) return false;
  // Each drop fills a goal by one at most; drops only ever merge, go or wait.
  std::int64_t drops = static_cast<std::int64_t>(std::ceil(water.water_left())) +
                       static_cast<std::int64_t>(water.held_drops().size());
  // Asked every tick: while the source alone holds enough, the board need not be counted.
  if (needed <= drops) return false;
  // Fewer than 2^31 even were every cell full: 32 bits let the sum go eight cells at a time.
  std::int32_t on_board = 0;
  for (std::size_t f = 0; f < 3; ++f) {
    for (std::size_t k = f * board_slots; k < f * board_slots + nb_cases; ++k) {
      on_board += std::max<std::int32_t>(a.eau[k], 0);
    }
  }
  return needed > drops + on_board;
}

std::int64_t run_water(Simulation water, std::int32_t index, WaterRun& run, Detail detail, const Goals* stop_short,
                       int watch) {
  const bool cells = detail != Detail::Outcome;
  const bool keep = detail == Detail::Resumable;
  const std::int32_t first_index = index;
  CellMask seen_wet, teleporters;
  std::array<CellMask, 3> seen_way;
  bool bombs = false;
  if (cells) {
    seen_wet = seen_by(run.first_wet);
    for (std::size_t f = 0; f < 3; ++f) seen_way[f] = seen_by(run.first_drop[f]);
    teleporters = cells_of(water.arrays(), piece::teleporteur);
    bombs = !cells_of(water.arrays(), piece::bombe).empty();
  }
  // Only a run whose outcome is all that counts may stop before the end.
  const bool may_stop = stop_short != nullptr && !cells;
  const auto save = [&](const Simulation& state) {
    if (run.snapshots.empty() || run.snapshots.back().index != index) run.snapshots.push_back({index, state});
  };
  if (keep) save(water);

  TickReport report;
  Simulation before;  // the state a blast in the tick about to run started from
  RoundFinder rounds;
  TickEvent::Kind last_end = TickEvent::Kind::Explosion;
  run.hopeless = false;
  run.watched = 0;
  while (water.running()) {
    if ((may_stop && short_of_drops(water, *stop_short)) || rounds.round_again(water, index)) {
      run.hopeless = true;
      break;
    }
    if (watch >= 0) run.watched |= ways_in(water, watch);
    if (cells) {
      CellMask wet;
      std::array<CellMask, 3> way;
      drops_of(water, wet, way);
      const CellMask new_wet = wet.without(seen_wet);
      if (!new_wet.empty()) {
        new_wet.for_each([&](int i) { run.first_wet[at(i)] = index; });
        seen_wet |= new_wet;
        if (keep && !(new_wet & run.free).empty()) save(water);
      }
      for (std::size_t f = 0; f < 3; ++f) {
        way[f].without(seen_way[f]).for_each([&](int i) { run.first_drop[f][at(i)] = index; });
        seen_way[f] |= way[f];
      }
      if (run.first_teleporter_use == never && !(wet & teleporters).empty()) {
        run.first_teleporter_use = index;
        if (keep) save(water);
      }
      if (keep && bombs) before = water;
    }
    water.tick(report);
    for (const TickEvent& e : report.events) {
      if (is_end(e.kind)) last_end = e.kind;
      if (e.kind != TickEvent::Kind::Explosion || !cells) continue;
      for (Direction d : blast_order) {
        const int n = neighbour(e.cell, d);
        if (n < 0 || run.first_blast[at(n)] != never) continue;
        run.first_blast[at(n)] = index;
        if (keep && run.free.has(n)) save(before);
      }
    }
    ++index;
  }
  run.won = !run.hopeless && last_end == TickEvent::Kind::Win;
  run.cat = last_end == TickEvent::Kind::CatWetted || last_end == TickEvent::Kind::BlastEndsGame;
  if (cells) {
    run.end_piece = water.arrays().piece;
    run.end_besoin = water.arrays().besoin;
  }
  return index - first_index;
}

}  // namespace drippo::solve
