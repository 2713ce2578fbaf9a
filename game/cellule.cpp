#include "game/cellule.h"

#include "game/pieces.h"

namespace drippo {

int code_image(const Cellule& c) {
  int w = 4 * c.eau_g + 2 * c.eau_d + c.eau_b;
  if (c.piece == piece::porte && c.compteur > 0) w += 8;
  return 100 * w + c.piece;
}

}  // namespace drippo
