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

// Few cells and small costs: relaxing until nothing changes is quick, and it
// runs once a search.
std::array<std::int16_t, nb_cases> way_to(const Simulation& water, int goal) {
  constexpr std::int16_t step = 1, brick = 6, none = 10000;
  std::array<std::int16_t, nb_cases> cost;
  cost.fill(none);
  cost[at(goal)] = 0;
  for (bool changed = true; changed;) {
    changed = false;
    for (int i = nb_cases - 1; i >= 0; --i) {
      if (i == goal || water.cell(i).piece == piece::chat) continue;
      const int next[3] = {row(i) + 1 < nb_lignes ? i + nb_colonnes : -1, column(i) > 0 ? i - 1 : -1,
                           column(i) + 1 < nb_colonnes ? i + 1 : -1};
      for (const int n : next) {
        if (n < 0 || cost[at(n)] == none) continue;
        const std::int16_t through = cost[at(n)] + (water.cell(n).piece == piece::brique ? brick : step);
        if (through < cost[at(i)]) {
          cost[at(i)] = through;
          changed = true;
        }
      }
    }
  }
  return cost;
}

// How near the water came to goal k, in steps.
std::int64_t nearest_water(const WaterRun& run, const Goals& goals, std::size_t k, Measure measure) {
  constexpr std::int64_t far = 200;
  const int g = goals.cells[k];
  std::int64_t nearest = far;
  if (measure == Measure::Way) {
    for (int c = 0; c < nb_cases; ++c) {
      if (run.first_wet[at(c)] != never) nearest = std::min<std::int64_t>(nearest, goals.way[k][at(c)]);
    }
    return nearest;
  }
  // Water falls on by itself: a column away counts more than a row above.
  for (int c = 0; c < (row(g) + 1) * nb_colonnes; ++c) {
    if (run.first_drop[falling][at(c)] == never) continue;
    nearest = std::min<std::int64_t>(nearest, 4 * std::abs(column(c) - column(g)) + row(g) - row(c));
  }
  return nearest;
}

}  // namespace

Goals goals_of(const Simulation& water) {
  Goals g;
  for (int i = 0; i < nb_cases; ++i) {
    const Cellule c = water.cell(i);
    if (!is_goal(c.piece)) continue;
    g.cells.push_back(i);
    g.need.push_back(c.besoin);
    g.way.push_back(way_to(water, i));
  }
  return g;
}

std::int64_t distance_to_win(const WaterRun& run, const Goals& goals, Measure measure) {
  constexpr std::int64_t per_goal = 1000, per_step = 10, lost_goal = 1000000;
  std::int64_t d = 0;
  for (std::size_t k = 0; k < goals.cells.size(); ++k) {
    const int g = goals.cells[k];
    if (!is_goal(run.end_piece[at(g)])) {
      d += lost_goal;
      continue;
    }
    const std::int16_t left = run.end_besoin[at(g)];
    if (left <= 0) continue;
    d += per_goal * left / std::max<std::int16_t>(goals.need[k], 1);
    d += per_step * nearest_water(run, goals, k, measure);
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
