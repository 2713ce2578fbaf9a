#pragma once

#include <array>
#include <cstdint>

#include "game/board_arrays.h"

namespace drippo {

// One way out of a cell for a drop, with the board's edges already applied: the
// drop is added to water slot `slot` (field * board_slots + cell), and the
// heading of cell `cell` is copied from the heading of cell `heading_from`
// (the cell itself, or one of the two slots that always hold "D" and "G").
// A drop that would leave the board goes to the lost-drop cell.
struct DropStep {
  std::int16_t slot = lost_drop_cell;
  std::int16_t cell = lost_drop_cell;
  std::int16_t heading_from = lost_drop_cell;
};

enum class RuleKind : std::uint8_t {
  plain,       // both steps, always
  by_heading,  // first when the cell heads left, second when it heads right
  special,     // the game decides: teleporter, bomb, mill, door, sponge, goal, cat
};

struct DirectionRule {
  DropStep first;
  DropStep second;
  RuleKind kind = RuleKind::plain;
};

// What a drop does in a cell holding a given piece, for each of its three
// directions (indexed by WaterField).
struct CellRules {
  std::array<DirectionRule, 3> by_direction{};
};

// The rules of piece p in cell i. Pieces outside the catalogue move nothing.
CellRules compile_rules(int i, int p);

// The same, compiled once for every cell and piece.
const CellRules& cell_rules(int i, int p);

}  // namespace drippo
