#include "solver/placing_check.h"

#include <algorithm>

#include "game/control_text.h"

namespace drippo::solve {
namespace {

bool on_last_cell(const Placement& p) { return p.cell == derniere_case && p.piece == piece::teleporteur; }
bool counted_teleporter(const Placement& p) { return p.piece == piece::teleporteur && p.cell != derniere_case; }

}  // namespace

PlacingCheck::PlacingCheck(const Problem& problem) {
  start_problem_ = set_up(game_, problem);
  start_water_ = game_.water();
  // The pieces go down during the countdown: the water starts right after.
  if (problem.moment <= 0) start_water_.start_water();
}

bool PlacingCheck::put(Placement p) { return !place(game_, p).has_value(); }

void PlacingCheck::take_back(Placement p) { game_.placing().reprendre_piece(p.cell); }

bool PlacingCheck::hold(const Placements& set) {
  Placements wanted = set;
  std::sort(wanted.begin(), wanted.end());
  Placements gone, added;
  std::set_difference(held_.begin(), held_.end(), wanted.begin(), wanted.end(), std::back_inserter(gone));
  std::set_difference(wanted.begin(), wanted.end(), held_.begin(), held_.end(), std::back_inserter(added));
  for (const Placement& p : gone) take_back(p);
  Placements kept;
  std::set_difference(held_.begin(), held_.end(), gone.begin(), gone.end(), std::back_inserter(kept));
  // A last-cell teleporter must go down before the counted ones.
  if (std::any_of(added.begin(), added.end(), on_last_cell)) {
    for (const Placement& p : kept) {
      if (counted_teleporter(p)) {
        take_back(p);
        added.push_back(p);
      }
    }
  }
  held_ = wanted;
  bool all = true;
  for (const Placement& p : in_placing_order(added)) all = put(p) && all;
  return all;
}

bool PlacingCheck::allows(Placement p) {
  const auto why = game_.placing().refusal(p.cell, p.piece);
  if (!why) return true;
  if (*why != PlacingRefusal::TwoTeleporters || !on_last_cell(p)) return false;
  // Set down before the held teleporters, it may be taken.
  Placements counted;
  for (const Placement& q : held_) {
    if (counted_teleporter(q)) counted.push_back(q);
  }
  if (counted.empty()) return false;
  for (const Placement& q : counted) take_back(q);
  const bool taken = !game_.placing().refusal(p.cell, p.piece).has_value();
  for (const Placement& q : counted) put(q);
  return taken;
}

int PlacingCheck::stock_left(int t) const {
  const double n = leading_number(game_.table().stock(t));
  return n < 1 ? 0 : n > 1e6 ? 1000000 : static_cast<int>(n);
}

}  // namespace drippo::solve
