#pragma once

#include <array>
#include <cstdint>

#include "game/board_geometry.h"
#include "game/pieces.h"
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
// 4*left + 2*right + down, plus 8 for a powered door. Branch-free, so that the
// tick's whole-board pass over the arrays stays vectorised.
constexpr int code_image(int piece_code, int eau_g, int eau_d, int eau_b, int compteur) {
  const int powered_door = int{piece_code == piece::porte} & int{compteur > 0};
  return 100 * (4 * eau_g + 2 * eau_d + eau_b + 8 * powered_door) + piece_code;
}

inline int code_image(const Cellule& c) { return code_image(c.piece, c.eau_g, c.eau_d, c.eau_b, c.compteur); }

}  // namespace drippo
