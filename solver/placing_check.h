#pragma once

#include <optional>

#include "game/simulation.h"
#include "solver/placement.h"
#include "solver/problem.h"

namespace drippo::solve {

// The game's own placing rule, asked of a game that stands at the problem's
// moment and holds the pieces of the set being tried, so that stocks, taken
// cells and the teleporter limit are the game's to judge.
class PlacingCheck {
 public:
  explicit PlacingCheck(const Problem& problem);
  PlacingCheck(const PlacingCheck&) = delete;
  PlacingCheck& operator=(const PlacingCheck&) = delete;

  // Why the problem has no start, if it has none; nothing else works then.
  const std::optional<StartProblem>& start_problem() const { return start_problem_; }

  // The water as the solver's pieces go down, running.
  const Simulation& start_water() const { return start_water_; }

  // Makes the game hold exactly this set, placed in the game's order. False
  // when the game refuses part of it.
  bool hold(const Placements& set);
  const Placements& held() const { return held_; }

  // Whether the game takes p on top of the held set (put down in the game's order).
  bool allows(Placement p);

  // Pieces of kind t the stock still gives.
  int stock_left(int t) const;

 private:
  bool put(Placement p);
  void take_back(Placement p);

  HeadlessGame headless_;
  Game& game_ = headless_.game;
  std::optional<StartProblem> start_problem_;
  Simulation start_water_;
  Placements held_;  // sorted
};

}  // namespace drippo::solve
