#include "solver/guided_search.h"

namespace drippo::solve {
namespace {
// Sets waiting to be grown at most; past it the search stops claiming that
// it has tried everything.
constexpr std::size_t open_limit = 2'000'000;
}  // namespace

GuidedSearch::GuidedSearch(SearchContext& context, const Simulation& start) : context_(context), start_(start) {
  seen_.insert(key_of({}));
  open_.push(Node{0, 0, pushed_++, {}});
}

Progress GuidedSearch::advance(std::int64_t runs) {
  SearchCounters& counters = context_.counters;
  while (runs > 0) {
    if (!expanding_) {
      if (open_.empty()) return Progress::Done;
      const Placements set = open_.top().set;
      open_.pop();
      // Its run was not kept: run it again, keeping states to resume from.
      begin_run(run_, start_, set);
      counters.ticks += run_water(with_pieces(start_, set), 0, run_, Detail::Resumable);
      --runs;
      Pruned pruned;
      find_candidates(run_, context_.check, context_.goals, context_.max_pieces - static_cast<int>(set.size()),
                      candidates_, pruned);
      context_.count(pruned);
      next_ = 0;
      expanding_ = true;
      continue;
    }
    if (next_ == candidates_.size()) {
      expanding_ = false;
      continue;
    }
    const Candidate& x = candidates_[next_++];
    Placements set = with(run_.set, x.placement);
    if (!seen_.insert(key_of(set)).second) {
      ++counters.pruned_seen;
      continue;
    }
    std::int32_t from = 0;
    Simulation water = resume_state(run_, x.placement, x.act, from);
    begin_child(child_, run_, x.placement, from);
    counters.ticks += run_water(std::move(water), from, child_, Detail::Cells);
    --runs;
    ++counters.explored;
    if (child_.won) {
      found_ = std::move(set);
      return Progress::Found;
    }
    if (static_cast<int>(set.size()) >= context_.max_pieces) continue;
    if (open_.size() >= open_limit) {
      dropped_ = true;
      continue;
    }
    open_.push(Node{distance_to_win(child_, context_.goals), static_cast<std::int64_t>(set.size()), pushed_++,
                    std::move(set)});
  }
  return Progress::Going;
}

}  // namespace drippo::solve
