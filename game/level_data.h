#pragma once

#include <array>
#include <string>

#include "game/cellule.h"
#include "game/pieces.h"

namespace drippo {

// Everything a level file holds. Texts are UTF-8 here; the file stores them in
// Windows-1252.
struct LevelData {
  Board cells{};
  // stocks[t] is the text of the stock box of piece t, for t = 1..nb_types;
  // stocks[0] is unused (the empty cell has no stock).
  std::array<std::string, nb_types + 1> stocks{};
  std::string time;   // preparation time in seconds, as text
  std::string water;  // drops the source releases, as text
  std::string author;

  bool operator==(const LevelData&) const = default;
};

}  // namespace drippo
