#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "game/game.h"
#include "game/level_data.h"
#include "solver/solver.h"

namespace drippo::solve {

// What a designer needs to know of a level before letting players at it.
struct LevelCheck {
  SolveResult result;
  int max_pieces = 0;  // the most pieces the search would try
  bool no_goal = false;
  // Goals, or the cat, that no water can ever reach: walled off by bricks,
  // with no teleporter to jump the wall.
  std::vector<int> dry_goals;
  bool dry_cat = false;
  // Pieces with a stock the winning set does not use (only once solved).
  std::vector<int> unneeded_stocks;
};

// The level as the editor holds it, water left out.
LevelData edited_level(const Game& game);

LevelCheck check_level(const LevelData& level, std::int16_t difficulte, double seconds,
                       const std::atomic<bool>* cancel);

}  // namespace drippo::solve
