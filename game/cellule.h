#pragma once

#include <array>
#include <cstdint>

#include "game/board_geometry.h"
#include "game/sens.h"

namespace drippo {

// One board cell, in the field order of the level file.
struct Cellule {
  std::int16_t piece = 0;
  std::int16_t eau_g = 0;  // drop moving left
  std::int16_t eau_d = 0;  // drop moving right
  std::int16_t eau_b = 0;  // drop falling
  std::int16_t compteur = 0;  // power countdown; a door is open while > 0
  std::int16_t modifiable = 1;  // > 0: the player may take or move the piece
  Sens sens;
  std::int16_t besoin = 0;  // drops a goal still needs

  bool operator==(const Cellule&) const = default;
  bool has_water() const { return eau_g > 0 || eau_d > 0 || eau_b > 0; }
};

using Board = std::array<Cellule, nb_cases>;

// The picture index of a cell: 100 * water code + piece, the water code being
// 4*left + 2*right + down, plus 8 for a powered door.
inline int code_image(const Cellule& c) {
  int w = 4 * c.eau_g + 2 * c.eau_d + c.eau_b;
  if (c.piece == 14 && c.compteur > 0) w += 8;  // a powered electric door
  return 100 * w + c.piece;
}

}  // namespace drippo
