#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string_view>

#include "game/level_data.h"
#include "solver/placement.h"
#include "solver/solver.h"

namespace drippo::solve {

enum class Difficulty { Easy, Medium, Hard };

// "easy", "medium" or "hard", as drippo-solve takes it.
std::optional<Difficulty> difficulty_from_text(std::string_view text);

// How many pieces from the stock a level of that difficulty needs at the
// least, and how many its own solution uses at the most.
struct PieceRange {
  int least = 1;
  int most = 1;
};
PieceRange pieces_needed(Difficulty difficulty);

// A level made from a seed, with the pieces that win it: never a level alone.
struct GeneratedLevel {
  LevelData level;
  Placements solution;     // in the order to set them down; wins with a score of 100
  std::int32_t ticks = 0;  // the winning game's ticks
  int candidates = 0;      // boards laid before this one passed
  SearchCounters proof;    // the work of proving no fewer pieces win
  double seconds = 0.0;    // the whole making, every candidate's proof included
};

// Lays a winnable board from the seed and keeps it only once the solver has
// proven that no set of fewer pieces than its solution wins. The same seed
// gives the same level wherever it runs, as long as each proof ends within
// its time; nothing when no board passed within `seconds`, or once `cancel`
// is set.
inline constexpr double generation_seconds = 2.5;
std::optional<GeneratedLevel> generate(Difficulty difficulty, std::uint32_t seed, double seconds = generation_seconds,
                                       const std::atomic<bool>* cancel = nullptr);

}  // namespace drippo::solve
