#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "solver/search_context.h"
#include "solver/sets_tried.h"

namespace drippo::solve {

// Every set of at most n pieces that can change the run, depth first, each
// set once whatever the order its pieces were added in: a round that ends
// without a win proves that no such set wins. Each set's run resumes from
// its parent's state just before the new piece can first act.
class ExhaustiveSearch {
 public:
  ExhaustiveSearch(SearchContext& context, const WaterRun& root);

  void begin(int pieces);  // a new round, for sets of at most `pieces` pieces
  int pieces() const { return pieces_; }
  // Runs at most `runs` games. Found: found() wins; the next call goes on.
  Progress advance(std::int64_t runs);
  const Placements& found() const { return found_; }

 private:
  struct Level {
    const WaterRun* run = nullptr;
    std::unique_ptr<WaterRun> own;
    std::vector<Candidate> candidates;
    std::size_t next = 0;
  };

  // Whether the set one piece on from the top level, x added, surely runs
  // as a set already run: on the top level's own set, or with another piece on
  // the same cell that moves the drops there alike.
  bool runs_as_before(const Level& top, Placement x) const;

  SearchContext& context_;
  const WaterRun& root_;
  const bool base_splits_;  // some drop splits in two on the board before any piece goes down
  int pieces_ = 0;
  std::vector<Level> levels_;
  int depth_ = -1;  // the level being tried, -1 when the round is over
  WaterRun last_;   // a run of the deepest sets, whose outcome is all that counts
  // The pieces last run on one cell on top of the top level's set, and the
  // ways drops moved in that cell in their runs. A run stopped for want of
  // drops is the same run only with a piece that splits no drop either.
  struct Tried {
    int piece;
    Directions ways;
    bool short_of_drops;
  };
  int tried_cell_ = -1;
  std::vector<Tried> tried_;
  SetsTried seen_{4'000'000};
  Placements found_;
};

}  // namespace drippo::solve
