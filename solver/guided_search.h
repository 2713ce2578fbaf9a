#pragma once

#include <cstdint>
#include <queue>
#include <unordered_set>
#include <vector>

#include "solver/search_context.h"

namespace drippo::solve {

// Best first: the set whose run brought the water nearest to a win is grown
// next, by every placement that can change its run. It finds answers that
// need many pieces long before the exhaustive rounds get there; it proves
// nothing unless it runs out of sets.
class GuidedSearch {
 public:
  GuidedSearch(SearchContext& context, const Simulation& start);

  Progress advance(std::int64_t runs);
  const Placements& found() const { return found_; }
  // Done, and no set was left out for want of room: no set of at most
  // max_pieces pieces wins.
  bool exhausted() const { return open_.empty() && !expanding_ && !dropped_; }

 private:
  struct Node {
    std::int64_t distance;
    std::int64_t pieces;
    std::int64_t order;
    Placements set;
  };
  struct Later {
    bool operator()(const Node& a, const Node& b) const {
      if (a.distance != b.distance) return a.distance > b.distance;
      if (a.pieces != b.pieces) return a.pieces > b.pieces;
      return a.order > b.order;
    }
  };

  SearchContext& context_;
  const Simulation& start_;
  std::priority_queue<Node, std::vector<Node>, Later> open_;
  std::int64_t pushed_ = 0;
  bool dropped_ = false;
  std::unordered_set<std::u16string> seen_;
  WaterRun run_;    // the set being grown
  WaterRun child_;  // one more piece
  std::vector<Candidate> candidates_;
  std::size_t next_ = 0;
  bool expanding_ = false;
  Placements found_;
};

}  // namespace drippo::solve
