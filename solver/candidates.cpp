#include "solver/candidates.h"

#include <algorithm>
#include <array>

#include "game/pieces.h"
#include "game/rule_table.h"

namespace drippo::solve {
namespace {

constexpr std::size_t at(int i) { return static_cast<std::size_t>(i); }

constexpr Directions every_way = 0b111;

bool same_step(const DropStep& a, const DropStep& b) {
  return a.slot == b.slot && a.cell == b.cell && a.heading_from == b.heading_from;
}

// A plain rule takes both its steps, in either order: a junction on the last
// column (right, lost; then left) turns the water as a diagonal does (left).
bool same_rule(const DirectionRule& x, const DirectionRule& y) {
  if (x.kind != y.kind) return false;
  if (same_step(x.first, y.first) && same_step(x.second, y.second)) return true;
  return x.kind == RuleKind::plain && same_step(x.first, y.second) && same_step(x.second, y.first);
}

bool same_rules(const CellRules& a, const CellRules& b, Directions ways = every_way) {
  for (std::size_t f = 0; f < a.by_direction.size(); ++f) {
    if (((ways >> f) & 1) != 0 && !same_rule(a.by_direction[f], b.by_direction[f])) return false;
  }
  return true;
}

// Pieces whose every drop moves by the table alone. The others' codes matter
// to the game beyond the table (partners, blasts, power, held drops, goals).
bool plain(const CellRules& r) {
  return std::none_of(r.by_direction.begin(), r.by_direction.end(),
                      [](const DirectionRule& d) { return d.kind == RuleKind::special; });
}

using Families = std::array<std::array<std::int8_t, nb_types + 1>, nb_cases>;

Families find_families() {
  Families f{};
  for (int c = 0; c < nb_cases; ++c) {
    for (int t = 0; t <= nb_types; ++t) {
      f[at(c)][at(t)] = static_cast<std::int8_t>(t);
      const CellRules& mine = cell_rules(c, t);
      if (!plain(mine)) continue;
      for (int a = 1; a < t; ++a) {
        if (plain(cell_rules(c, a)) && same_rules(cell_rules(c, a), mine)) {
          f[at(c)][at(t)] = static_cast<std::int8_t>(a);
          break;
        }
      }
    }
  }
  return f;
}

}  // namespace

int same_as(int c, int t) {
  static const Families families = find_families();
  return families[at(c)][at(t)];
}

bool moves_alike(int c, int a, int b, Directions ways) {
  const CellRules& x = cell_rules(c, a);
  const CellRules& y = cell_rules(c, b);
  return plain(x) && plain(y) && same_rules(x, y, ways);
}

bool splits(int i, int p) {
  const CellRules& r = cell_rules(i, p);
  return std::any_of(r.by_direction.begin(), r.by_direction.end(), [](const DirectionRule& d) {
    return d.kind == RuleKind::plain && d.first.slot != lost_drop_cell && d.second.slot != lost_drop_cell;
  });
}

std::int32_t first_act(const WaterRun& run, int c, int t) {
  const std::int32_t wet = run.first_wet[at(c)];
  const std::int32_t blast = run.first_blast[at(c)];
  if (t == piece::bombe) return std::min(wet, blast);
  std::int32_t act = wet;
  if (t == piece::teleporteur && c != derniere_case) act = std::min(act, run.first_teleporter_use);
  return blast < act ? never : act;
}

void find_candidates(const WaterRun& run, PlacingCheck& check, const Goals& goals, int pieces_left,
                     std::vector<Candidate>& out, Pruned& pruned) {
  out.clear();
  if (pieces_left <= 0) return;
  check.hold(run.set);
  std::array<int, nb_types + 1> stock{};
  for (int t = 1; t <= nb_types; ++t) stock[at(t)] = check.stock_left(t);

  run.free.for_each([&](int c) {
    std::array<bool, nb_types + 1> allowed{};
    const int order = cell_order(run, goals, c);
    for (int t = 1; t <= nb_types; ++t) {
      // The counters leave out what the stock does not hold.
      const bool in_stock = stock[at(t)] >= 1;
      const std::int32_t act = first_act(run, c, t);
      if (act == never) {
        pruned.dry += in_stock;
        continue;
      }
      if (!check.allows({c, t})) {
        pruned.refused += in_stock;
        continue;
      }
      allowed[at(t)] = true;
      const int family = same_as(c, t);
      bool covered = false;
      for (int a = 1; a < t && !covered; ++a) {
        covered = allowed[at(a)] && same_as(c, a) == family && stock[at(a)] >= pieces_left;
      }
      if (covered) {
        ++pruned.same;
        continue;
      }
      out.push_back({{c, t}, act, order, stock[at(t)]});
    }
  });
  std::stable_sort(out.begin(), out.end(), [](const Candidate& a, const Candidate& b) {
    if (a.order != b.order) return a.order < b.order;
    if (a.act != b.act) return a.act < b.act;
    return a.spare > b.spare;
  });
}

}  // namespace drippo::solve
