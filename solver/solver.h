#pragma once

#include <atomic>
#include <cstdint>
#include <optional>

#include "solver/placement.h"
#include "solver/problem.h"

namespace drippo::solve {

struct Limits {
  int max_pieces = 4;
  double seconds = 10.0;
  // At most this many games run (0: no limit): a bound on the work that,
  // unlike the time, gives the same answer on every machine.
  std::int64_t max_games = 0;
  // Besides the rounds that try every set of n pieces, grow first the sets
  // whose water came nearest a win or did something new: answers needing
  // many pieces come far sooner. Off, only the rounds run.
  bool guided = true;
  // Set from another thread to stop the search; it then ends as Unknown
  // (or with the answer it already holds).
  const std::atomic<bool>* cancel = nullptr;
};

enum class Verdict {
  Solved,      // `placements` win with a score of 100
  NoSolution,  // no set of at most max_pieces pieces wins
  Unknown,     // the time ran out, or the search was cancelled, first
  BadStart,    // the problem has no start: see `start_problem`
};

// What the search did.
struct SearchCounters {
  std::int64_t explored = 0;  // sets of pieces whose game was run
  std::int64_t ticks = 0;     // ticks of water run
  // Placements never tried: the piece would never act (no water, blast or
  // teleporter's use reaches its cell); a lower piece in stock moves the
  // drops on that cell alike; the set was tried before in another order;
  // the game refuses it.
  std::int64_t pruned_dry = 0;
  std::int64_t pruned_same = 0;
  std::int64_t pruned_seen = 0;
  std::int64_t refused = 0;
  // Winning sets the replay through the game did not confirm: none, unless
  // the solver is wrong; they are never given as answers.
  std::int64_t rejected = 0;
};

struct SolveResult {
  Verdict verdict = Verdict::Unknown;
  Placements placements;  // when solved, in the order to set them down
  bool shortest = false;  // solved, and no set of fewer pieces wins
  // Every set of at most this many pieces was tried and none wins (-1: none).
  int none_up_to = -1;
  std::int32_t ticks = 0;  // the winning game's ticks
  SearchCounters counters;
  double seconds = 0.0;
  std::optional<StartProblem> start_problem;
};

// Looks for pieces from the stock that win the problem with a score of 100,
// as few as it can within the limits: it proves no smaller set wins before it
// tries larger ones, and meanwhile grows the sets whose water came nearest
// the goals or went somewhere new. Every answer has been replayed through the game.
SolveResult solve(const Problem& problem, const Limits& limits);

}  // namespace drippo::solve
