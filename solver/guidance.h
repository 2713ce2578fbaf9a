#pragma once

#include <cstdint>
#include <vector>

#include "game/simulation.h"
#include "solver/water_run.h"

namespace drippo::solve {

// The goals as the solver's pieces go down, and the drops each still needs.
struct Goals {
  std::vector<int> cells;
  std::vector<std::int16_t> need;
};

Goals goals_of(const Simulation& water);

// How far a run that was not won stayed from a win; lower is nearer. Goals
// still short of drops count most, then how far the falling water passed
// from them; a cat that ended the game, more still.
std::int64_t distance_to_win(const WaterRun& run, const Goals& goals);

// Which cells to try first: the nearer a cell lies to the column of a goal
// the run left unfilled, below it, the sooner.
int cell_order(const WaterRun& run, const Goals& goals, int cell);

}  // namespace drippo::solve
