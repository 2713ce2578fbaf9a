#pragma once

#include <algorithm>

#include "solver/candidates.h"
#include "solver/guidance.h"
#include "solver/placing_check.h"
#include "solver/solver.h"
#include "solver/water_run.h"

namespace drippo::solve {

// What the two searches share.
struct SearchContext {
  PlacingCheck& check;
  const Goals& goals;
  int max_pieces;
  SearchCounters& counters;

  void count(const Pruned& p) {
    counters.pruned_dry += p.dry;
    counters.pruned_same += p.same;
    counters.refused += p.refused;
  }
};

enum class Progress { Going, Found, Done };

inline Placements with(Placements sorted, Placement p) {
  sorted.insert(std::upper_bound(sorted.begin(), sorted.end(), p), p);
  return sorted;
}

}  // namespace drippo::solve
