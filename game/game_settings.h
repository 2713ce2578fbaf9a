#pragma once

#include <cstdint>

namespace drippo {

// The player's choices that the game reads while it runs.
struct GameSettings {
  std::int16_t langue = 0;  // 0 French, 1 English
  bool bruitages = true;    // sound effects on
  std::int16_t difficulte = 100;  // 200 doubles a level's time and water
};

}  // namespace drippo
