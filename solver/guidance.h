#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/simulation.h"
#include "solver/water_run.h"

namespace drippo::solve {

// The goals as the solver's pieces go down, and the drops each still needs.
struct Goals {
  std::vector<int> cells;
  std::vector<std::int16_t> need;
  // By goal, the fewest steps from each cell to it: down, left or right,
  // never up; a brick costs more (a bomb may clear it); never through the cat.
  std::vector<std::array<std::int16_t, nb_cases>> way;
};

Goals goals_of(const Simulation& water);

// How the water's distance to a goal it left short is counted: by how far
// the falling water passed from the goal's column, or by the fewest steps any
// wet cell's water would need through the level's walls.
enum class Measure { Columns, Way };

// How far a run that was not won stayed from a win; lower is nearer. Goals
// still short of drops count most, then how far the water passed from them.
// A cat that ended the game adds nothing: the water it stopped is counted
// already, and the way to a win often passes by the cat.
std::int64_t distance_to_win(const WaterRun& run, const Goals& goals, Measure measure);

// Which cells to try first: the nearer a cell lies to the column of a goal
// the run left unfilled, below it, the sooner.
int cell_order(const WaterRun& run, const Goals& goals, int cell);

}  // namespace drippo::solve
