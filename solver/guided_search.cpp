#include "solver/guided_search.h"

#include <algorithm>

namespace drippo::solve {
namespace {
// Sets waiting to be grown at most; past it the search stops claiming that
// it has tried everything.
constexpr std::size_t open_limit = 2'000'000;

// A price per piece: without it the search digs ever deeper under a set that
// only looked near, and never comes back to the smaller sets beside it.
constexpr std::int64_t per_piece = 100;

constexpr std::size_t at(int i) { return static_cast<std::size_t>(i); }

int stock_total(PlacingCheck& check) {
  check.hold({});
  int total = 0;
  for (int t = 1; t <= nb_types; ++t) total += check.stock_left(t);
  return total;
}

// What a run may do that no run did before, each fact a place in a row of
// flags: a cell wet one way (three by cell), then a cell's piece gone or
// changed, then a goal filled to 0, 1, 2, 3 or 4 quarters of its need.
constexpr std::size_t first_changed_piece = 3 * nb_cases, first_filling = first_changed_piece + nb_cases;
constexpr std::size_t fillings_by_goal = 5;

}  // namespace

GuidedSearch::GuidedSearch(SearchContext& context, const Simulation& start, Strategy strategy)
    : context_(context),
      start_(start),
      strategy_(strategy),
      most_pieces_(std::min(context.max_pieces, stock_total(context.check))) {
  seen_.add({});
  open_.push(Node{false, 0, 0, 0, pushed_++, {}});
}

bool GuidedSearch::news(const WaterRun& run, std::int64_t distance) {
  std::vector<bool>& done = done_at_[distance];
  if (done.empty()) done.resize(first_filling + fillings_by_goal * context_.goals.cells.size());
  bool any = false;
  const auto note = [&](std::size_t fact) {
    if (done[fact]) return;
    done[fact] = true;
    any = true;
  };
  for (std::size_t way = 0; way < 3; ++way) {
    for (int c = 0; c < nb_cases; ++c) {
      if (run.first_drop[way][at(c)] != never) note(way * nb_cases + at(c));
    }
  }
  for (int c = 0; c < nb_cases; ++c) {
    if (run.end_piece[at(c)] != start_.cell(c).piece) note(first_changed_piece + at(c));
  }
  for (std::size_t k = 0; k < context_.goals.cells.size(); ++k) {
    const int need = std::max<int>(1, context_.goals.need[k]);
    const int left = std::max<int>(0, run.end_besoin[at(context_.goals.cells[k])]);
    note(first_filling + k * fillings_by_goal + at((fillings_by_goal - 1) * (need - left) / need));
  }
  return any;
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
    if (!seen_.add(set)) {
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
    if (static_cast<int>(set.size()) >= most_pieces_) continue;
    if (open_.size() >= open_limit) {
      dropped_ = true;
      continue;
    }
    const Measure measure = strategy_ == Strategy::Nearest ? Measure::Columns : Measure::Way;
    const std::int64_t distance = distance_to_win(child_, context_.goals, measure);
    const bool stale = strategy_ == Strategy::Novel && !news(child_, distance);
    const auto pieces = static_cast<std::int64_t>(set.size());
    open_.push(Node{stale, distance + per_piece * pieces, pieces, x.spare, pushed_++, std::move(set)});
  }
  return Progress::Going;
}

}  // namespace drippo::solve
