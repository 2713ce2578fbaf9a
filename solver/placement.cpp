#include "solver/placement.h"

#include <algorithm>

#include "game/board_geometry.h"
#include "game/pieces.h"

namespace drippo::solve {

Placements in_placing_order(Placements set) {
  const auto last_cell_teleporter = [](const Placement& p) {
    return p.cell == derniere_case && p.piece == piece::teleporteur;
  };
  std::sort(set.begin(), set.end(), [&](const Placement& a, const Placement& b) {
    if (last_cell_teleporter(a) != last_cell_teleporter(b)) return last_cell_teleporter(a);
    return a < b;
  });
  return set;
}

}  // namespace drippo::solve
