#pragma once

#include <cstdint>
#include <vector>

#include "solver/guidance.h"
#include "solver/placing_check.h"
#include "solver/water_run.h"

namespace drippo::solve {

// A placement worth trying on top of a run's set, and the first tick in
// which its piece can act: the run with it is the same run until then.
struct Candidate {
  Placement placement;
  std::int32_t act = never;
  int order = 0;  // lower is tried first
  int spare = 0;  // left in stock of the piece's kind: of pieces alike, the
                  // one the stock holds more of is tried first
};

// Placements left out, by why.
struct Pruned {
  std::int64_t dry = 0;      // the piece would never act: no water, no blast, no teleporter's use reach it
  std::int64_t same = 0;     // a piece of a lower code moves the drops on that cell alike, and is in stock
  std::int64_t refused = 0;  // the game would not take it
};

// The first tick in which piece t on free cell c can act in `run`, or never.
// A piece acts on the drops in its cell; a bomb also when a blast reaches
// it; a teleporter on cells 0..226 also as the partner a drop leaves another
// teleporter by. A piece blown away before that never acts.
std::int32_t first_act(const WaterRun& run, int c, int t);

// The lowest piece code that moves every drop on cell c as piece t does, and
// does nothing else (plain pieces only; t itself when there is none lower).
int same_as(int c, int t);

// Whether pieces a and b on cell c do the same with drops moving the ways
// given and nothing else (plain pieces, the empty cell among them): a run
// in which the drops on c only move those ways is the same run with either.
bool moves_alike(int c, int a, int b, Directions ways);

// Whether piece p on cell i sends some drop two ways at once.
bool splits(int i, int p);

// Every placement on top of run's set that can change its run and that the
// game allows, except that of pieces moving drops alike on a cell only the
// lowest code in stock for `pieces_left` more pieces is kept: any answer
// using another could use that one instead. Best first.
void find_candidates(const WaterRun& run, PlacingCheck& check, const Goals& goals, int pieces_left,
                     std::vector<Candidate>& out, Pruned& pruned);

}  // namespace drippo::solve
