#pragma once

#include "game/cellule.h"
#include "game/pieces.h"

// The picture index of the game (code_image) read the other way: which piece
// a picture shows, and in which water state. The weights are taken from
// code_image itself, so the art cannot drift from the board's formula.
namespace drippo::ui {

// One step of water state in a picture index.
inline constexpr int water_step = code_image(piece::vide, 0, 0, 1, 0) - code_image(piece::vide, 0, 0, 0, 0);

// The bits of a water state.
namespace water {
inline constexpr int falling = code_image(piece::vide, 0, 0, 1, 0) / water_step;
inline constexpr int moving_right = code_image(piece::vide, 0, 1, 0, 0) / water_step;
inline constexpr int moving_left = code_image(piece::vide, 1, 0, 0, 0) / water_step;
inline constexpr int powered = code_image(piece::porte, 0, 0, 0, 1) / water_step;
// The states without the powered bit.
inline constexpr int flowing = falling | moving_right | moving_left;
}  // namespace water

constexpr int picture_piece(int picture) { return picture % water_step; }
constexpr int picture_water(int picture) { return picture / water_step; }

// The picture of piece p holding the water of state w; the powered bit counts
// only for a door, as on the board.
constexpr int picture_code(int p, int w) {
  const auto bit = [w](int b) { return (w & b) != 0 ? 1 : 0; };
  return code_image(p, bit(water::moving_left), bit(water::moving_right), bit(water::falling), bit(water::powered));
}

}  // namespace drippo::ui
