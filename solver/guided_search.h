#pragma once

#include <cstdint>
#include <queue>
#include <unordered_map>
#include <vector>

#include "solver/search_context.h"
#include "solver/sets_tried.h"

namespace drippo::solve {

// Two ways of choosing the set to grow next. Each finds quickly answers the
// other is slow to: levels whose water comes nearer to the goals piece by
// piece suit the first; levels where it must first go round walls, blow a
// door or pass by the cat, with no goal nearer for several pieces, the second.
enum class Strategy {
  Nearest,  // the set whose water came nearest, by the columns it fell in
  Novel,    // first the sets whose water did something no set as near did
            // before (a cell wet a new way, a piece gone, a goal fuller),
            // nearest by the steps round the walls
};

// Best first: the chosen set is grown by every placement that can change its
// run. It finds answers that need many pieces long before the exhaustive
// rounds get there; it proves nothing unless it runs out of sets.
class GuidedSearch {
 public:
  GuidedSearch(SearchContext& context, const Simulation& start, Strategy strategy);

  Progress advance(std::int64_t runs);
  const Placements& found() const { return found_; }
  // Done, and no set was left out for want of room: no set of at most
  // max_pieces pieces wins.
  bool exhausted() const { return open_.empty() && !expanding_ && !dropped_; }

 private:
  struct Node {
    bool stale;           // Novel: nothing new at its distance
    std::int64_t cost;    // its distance to a win, and a price per piece
    std::int64_t pieces;
    int spare;            // left in stock of the last piece's kind
    std::int64_t order;
    Placements set;
  };
  struct Later {
    bool operator()(const Node& a, const Node& b) const {
      if (a.stale != b.stale) return a.stale;
      if (a.cost != b.cost) return a.cost > b.cost;
      if (a.pieces != b.pieces) return a.pieces > b.pieces;
      // Of pieces that did as well, the one the stock holds more of: the
      // scarce one may be needed further on.
      if (a.spare != b.spare) return a.spare < b.spare;
      return a.order > b.order;
    }
  };

  // Whether the run did something no run at this distance did before; notes it.
  bool news(const WaterRun& run, std::int64_t distance);

  SearchContext& context_;
  const Simulation& start_;
  const Strategy strategy_;
  const int most_pieces_;  // no larger set is grown: the limit, or all the stock
  std::priority_queue<Node, std::vector<Node>, Later> open_;
  std::int64_t pushed_ = 0;
  bool dropped_ = false;
  SetsTried seen_{8'000'000};
  std::unordered_map<std::int64_t, std::vector<bool>> done_at_;  // by distance, what runs did
  WaterRun run_;    // the set being grown
  WaterRun child_;  // one more piece
  std::vector<Candidate> candidates_;
  std::size_t next_ = 0;
  bool expanding_ = false;
  Placements found_;
};

}  // namespace drippo::solve
