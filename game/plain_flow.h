#pragma once

#include <array>
#include <cstdint>

#include "game/board_arrays.h"
#include "game/rule_table.h"

namespace drippo {

// The water tick's moves, done a whole board at a time for the common case
// where no drop meets a special piece. Each cell's rules are summed up in a
// mask; the moves are then pulled into each cell from its neighbours, which
// the compiler turns into vector code. The result is exactly the drop-by-drop
// rule table's.
using FlowMask = std::uint16_t;

FlowMask flow_mask(const CellRules& rules, int i);

// The mask of piece p in cell i, computed once for every cell and piece.
FlowMask cell_flow_mask(int i, int p);

// Moves every drop of `now` into `next` (which holds `now` and the drops
// sponges have just released), or returns false and changes nothing when a
// drop meets a piece with rules of its own, or when so few cells are wet that
// the rule table is quicker.
bool move_plain_drops(const BoardArrays& now, BoardArrays& next, const std::array<FlowMask, board_slots>& masks);

}  // namespace drippo
