#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <string>

#include "game/level_data.h"
#include "solver/generator.h"

namespace drippo::ui {

// A level made on demand; no file holds it until the player saves it.
struct MadePuzzle {
  std::string title;
  LevelData level;
};

// The level browser's "new puzzle", in two halves. `make` runs on a worker
// thread and works only on what it was given; nothing when no level came in
// time or `cancel` was set. `put` runs on the window's thread with the
// answer: it puts the level on the board, or tells the player none came, and
// says whether a level was put.
struct PuzzleMaker {
  std::function<std::optional<MadePuzzle>(solve::Difficulty, const std::atomic<bool>& cancel)> make;
  std::function<bool(std::optional<MadePuzzle>)> put;
};

}  // namespace drippo::ui
