#include "solver/exhaustive_search.h"

#include <algorithm>

namespace drippo::solve {

ExhaustiveSearch::ExhaustiveSearch(SearchContext& context, const WaterRun& root)
    : context_(context), root_(root), base_splits_(any_splitter(context.check.start_water().arrays())) {}

void ExhaustiveSearch::begin(int pieces) {
  pieces_ = pieces;
  seen_.clear();
  if (levels_.size() < static_cast<std::size_t>(pieces) + 1) levels_.resize(static_cast<std::size_t>(pieces) + 1);
  for (std::size_t d = 1; d < levels_.size(); ++d) {
    if (!levels_[d].own) levels_[d].own = std::make_unique<WaterRun>();
    levels_[d].run = levels_[d].own.get();
  }
  Level& top = levels_[0];
  top.run = &root_;
  Pruned pruned;
  find_candidates(root_, context_.check, context_.goals, pieces, top.candidates, pruned);
  context_.count(pruned);
  top.next = 0;
  depth_ = 0;
  tried_cell_ = -1;
}

bool ExhaustiveSearch::runs_as_before(const Level& top, Placement x) const {
  const int c = x.cell;
  Directions ways = 0;
  for (std::size_t f = 0; f < 3; ++f) ways |= static_cast<Directions>((top.run->first_drop[f][static_cast<std::size_t>(c)] != never) << f);
  // The cell is empty in the top level's run, which was not won.
  if (moves_alike(c, piece::vide, x.piece, ways)) return true;
  if (c != tried_cell_) return false;
  return std::any_of(tried_.begin(), tried_.end(), [&](const Tried& t) {
    return moves_alike(c, t.piece, x.piece, t.ways) && !(t.short_of_drops && splits(c, x.piece));
  });
}

Progress ExhaustiveSearch::advance(std::int64_t runs) {
  SearchCounters& counters = context_.counters;
  while (runs > 0) {
    if (depth_ < 0) return Progress::Done;
    Level& level = levels_[static_cast<std::size_t>(depth_)];
    if (level.next == level.candidates.size()) {
      --depth_;
      continue;
    }
    const Candidate& x = level.candidates[level.next++];
    Placements set = with(level.run->set, x.placement);
    if (!seen_.add(set)) {
      ++counters.pruned_seen;
      continue;
    }

    const int depth = depth_ + 1;
    if (depth == pieces_ && runs_as_before(level, x.placement)) {
      ++counters.pruned_same;
      continue;
    }
    std::int32_t from = 0;
    Simulation water = resume_state(*level.run, x.placement, x.act, from);
    --runs;
    ++counters.explored;
    if (depth == pieces_) {
      const Goals* stop_short = base_splits_ || any_splitter(set) ? nullptr : &context_.goals;
      counters.ticks += run_water(std::move(water), from, last_, Detail::Outcome, stop_short, x.placement.cell);
      if (last_.won) {
        found_ = std::move(set);
        return Progress::Found;
      }
      if (tried_cell_ != x.placement.cell) tried_.clear();
      tried_cell_ = x.placement.cell;
      tried_.push_back({x.placement.piece, last_.watched, last_.hopeless});
      continue;
    }
    Level& next = levels_[static_cast<std::size_t>(depth)];
    WaterRun& child = *next.own;
    begin_child(child, *level.run, x.placement, from);
    counters.ticks += run_water(std::move(water), from, child, Detail::Resumable);
    if (child.won) {
      found_ = std::move(set);
      return Progress::Found;
    }
    Pruned pruned;
    find_candidates(child, context_.check, context_.goals, pieces_ - depth, next.candidates, pruned);
    context_.count(pruned);
    next.next = 0;
    depth_ = depth;
    tried_cell_ = -1;
  }
  return depth_ < 0 ? Progress::Done : Progress::Going;
}

}  // namespace drippo::solve
