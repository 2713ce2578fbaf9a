#pragma once

#include <compare>
#include <vector>

namespace drippo::solve {

// A piece from the stock set down on an empty cell: what a player does, and
// what the solver answers with ("CELL:PIECE" on drippo-sim's command line).
struct Placement {
  int cell = 0;
  int piece = 0;
  auto operator<=>(const Placement&) const = default;
};

using Placements = std::vector<Placement>;

// The same set in an order the game takes it in. The limit of two
// teleporters counts cells 0..226 only, so a teleporter for the last cell goes
// down first: after two others it would be refused.
Placements in_placing_order(Placements set);

}  // namespace drippo::solve
