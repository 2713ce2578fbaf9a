#pragma once

#include <array>
#include <cstdint>

#include "game/board_arrays.h"
#include "game/pieces.h"
#include "game/rule_table.h"

namespace drippo {

// Each cell's rules summed up in a mask of bits: where a drop of each
// direction goes (down, right, left) when its rule is a plain move or a
// platform's heading. The tick's moves on sets of cells are built from these
// masks; the pieces whose rules are code are told by their rules.
using FlowMask = std::uint16_t;

namespace flow {
// What a drop does in a cell, by its direction (b falling, d right, g left).
enum : FlowMask {
  b_down = 1 << 0,
  b_right = 1 << 1,
  b_left = 1 << 2,
  d_down = 1 << 3,
  d_right = 1 << 4,
  d_left = 1 << 5,
  g_down = 1 << 6,
  g_right = 1 << 7,
  g_left = 1 << 8,
  b_heading = 1 << 9,        // a flat platform: left or right by the cell's heading
  b_heading_left = 1 << 10,  // ... and the side it may leave by
  b_heading_right = 1 << 11,
};

// The move bits by WaterField.
inline constexpr FlowMask down[3] = {b_down, d_down, g_down};
inline constexpr FlowMask right[3] = {b_right, d_right, g_right};
inline constexpr FlowMask left[3] = {b_left, d_left, g_left};
}  // namespace flow

// The mask of piece p in cell i, computed once for every cell and piece.
FlowMask cell_flow_mask(int i, int p);

}  // namespace drippo
