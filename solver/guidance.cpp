#include "solver/guidance.h"

#include <algorithm>
#include <cstdlib>

#include "game/pieces.h"

namespace drippo::solve {
namespace {

constexpr std::size_t at(int i) { return static_cast<std::size_t>(i); }
constexpr int row(int i) { return i / nb_colonnes; }
constexpr int column(int i) { return i % nb_colonnes; }

bool unfilled(const WaterRun& run, int goal) {
  return is_goal(run.end_piece[at(goal)]) && run.end_besoin[at(goal)] > 0;
}

}  // namespace

Goals goals_of(const Simulation& water) {
  Goals g;
  for (int i = 0; i < nb_cases; ++i) {
    const Cellule c = water.cell(i);
    if (!is_goal(c.piece)) continue;
    g.cells.push_back(i);
    g.need.push_back(c.besoin);
  }
  return g;
}

std::int64_t distance_to_win(const WaterRun& run, const Goals& goals) {
  constexpr std::int64_t per_goal = 1000, per_step = 10, no_fall_near = 200, cat = 5000, lost_goal = 1000000;
  std::int64_t d = run.cat ? cat : 0;
  for (std::size_t k = 0; k < goals.cells.size(); ++k) {
    const int g = goals.cells[k];
    if (!is_goal(run.end_piece[at(g)])) {
      d += lost_goal;
      continue;
    }
    const std::int16_t left = run.end_besoin[at(g)];
    if (left <= 0) continue;
    d += per_goal * left / std::max<std::int16_t>(goals.need[k], 1);
    // Water falls on by itself: a column away counts more than a row above.
    std::int64_t nearest = no_fall_near;
    for (int c = 0; c < (row(g) + 1) * nb_colonnes; ++c) {
      if (run.first_drop[falling][at(c)] == never) continue;
      nearest = std::min<std::int64_t>(nearest, 4 * std::abs(column(c) - column(g)) + row(g) - row(c));
    }
    d += per_step * nearest;
  }
  return d;
}

int cell_order(const WaterRun& run, const Goals& goals, int cell) {
  constexpr int far = nb_colonnes;
  int best = far;
  for (int g : goals.cells) {
    if (row(g) >= row(cell) && unfilled(run, g)) best = std::min(best, std::abs(column(g) - column(cell)));
  }
  return best;
}

}  // namespace drippo::solve
