#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "game/cellule.h"

namespace drippo::solve {

// A number from lo to hi, both included, the same from one seed on every
// machine (std::uniform_int_distribution is not: each library draws its own way).
int draw(std::mt19937& rng, int lo, int hi);

// Pieces laid along the way of the water from the source down to goals.
struct PathLayout {
  Board cells{};
  std::vector<int> steering;  // cells whose piece steers the water: the ones a player may be asked to set
  std::vector<bool> wet = std::vector<bool>(nb_cases, false);  // cells the water crosses
  std::int16_t most_needed = 0;  // drops of the thirstiest goal
};

// Walks a stream from the source down the board, turning it with diagonals,
// curves and platforms, carrying it along runs of platforms and pipes, and
// sometimes splitting it in a junction, until each branch falls into a goal.
// Nothing when the walk wandered where no goal could end it.
std::optional<PathLayout> lay_path(std::mt19937& rng, bool may_split);

}  // namespace drippo::solve
