#include "solver/solver.h"

#include <algorithm>
#include <array>
#include <chrono>

#include "solver/exhaustive_search.h"
#include "solver/guided_search.h"

namespace drippo::solve {
namespace {

using Clock = std::chrono::steady_clock;

// Games each search runs before the next takes its turn.
constexpr std::int64_t turn_runs = 64;
// After a guided search found an answer, the rounds go on a quarter as long
// again, and at least this long, to find a smaller one or prove there is
// none: longer rarely pays, since the guided searches' answers, trimmed of
// every piece they win without, are seldom beaten, and the next round
// usually costs many times the last.
constexpr std::int64_t polish_runs = 2000;

// A guided search, and whether it still has its turns.
struct Guide {
  GuidedSearch search;
  bool going;
};

class Solver {
 public:
  Solver(const Problem& problem, const Limits& limits) : problem_(problem), limits_(limits), begun_(Clock::now()) {}

  SolveResult run() {
    result_.verdict = Verdict::Unknown;
    if (stopped()) return finish();
    PlacingCheck check(problem_);
    if (check.start_problem()) {
      result_.verdict = Verdict::BadStart;
      result_.start_problem = check.start_problem();
      return finish();
    }
    const Simulation& start = check.start_water();
    const Goals goals = goals_of(start);
    const int max_pieces = std::max(0, limits_.max_pieces);
    SearchContext context{check, goals, max_pieces, result_.counters};

    WaterRun root;
    begin_run(root, start, {});
    result_.counters.ticks += run_water(start, 0, root, Detail::Resumable);
    ++result_.counters.explored;
    if (root.won && confirm({})) return solved(0);
    result_.none_up_to = 0;
    if (max_pieces == 0) return no_solution();

    ExhaustiveSearch exhaustive(context, root);
    exhaustive.begin(1);
    const bool guide = limits_.guided && max_pieces > 1;
    std::array<Guide, 2> guides{Guide{GuidedSearch(context, start, Strategy::Nearest), guide},
                                Guide{GuidedSearch(context, start, Strategy::Novel), guide}};
    std::int64_t polish_until = 0;
    while (!stopped()) {
      switch (exhaustive.advance(turn_runs)) {
        case Progress::Found:
          if (confirm(exhaustive.found())) return solved(exhaustive.pieces() - 1);
          break;
        case Progress::Done:
          result_.none_up_to = exhaustive.pieces();
          if (!result_.placements.empty()) {
            if (result_.none_up_to + 1 >= static_cast<int>(result_.placements.size())) return solved(result_.none_up_to);
          } else if (result_.none_up_to >= max_pieces) {
            return no_solution();
          }
          exhaustive.begin(result_.none_up_to + 1);
          // The last round tries every set the guided searches could find.
          if (exhaustive.pieces() == max_pieces && result_.placements.empty()) {
            for (Guide& g : guides) g.going = false;
          }
          break;
        case Progress::Going: break;
      }
      for (Guide& g : guides) {
        if (!g.going) continue;
        switch (g.search.advance(turn_runs)) {
          case Progress::Found:
            if (confirm(fewest(g.search.found(), start))) {
              for (Guide& other : guides) other.going = false;
              if (result_.none_up_to + 1 >= static_cast<int>(result_.placements.size())) return solved(result_.none_up_to);
              polish_until = result_.counters.explored + std::max(result_.counters.explored / 4, polish_runs);
            }
            break;
          case Progress::Done:
            g.going = false;
            if (g.search.exhausted()) {
              result_.none_up_to = max_pieces;
              return no_solution();
            }
            break;
          case Progress::Going: break;
        }
      }
      if (!result_.placements.empty() && result_.counters.explored >= polish_until) return solved(result_.none_up_to);
    }
    if (!result_.placements.empty()) return solved(result_.none_up_to);
    return finish();
  }

 private:
  bool stopped() const {
    if (limits_.cancel != nullptr && limits_.cancel->load(std::memory_order_relaxed)) return true;
    if (limits_.max_games > 0 && result_.counters.explored >= limits_.max_games) return true;
    return std::chrono::duration<double>(Clock::now() - begun_).count() >= limits_.seconds;
  }

  // Leaves out every piece the answer wins without, one at a time.
  Placements fewest(Placements set, const Simulation& start) {
    WaterRun run;
    for (std::size_t k = 0; k < set.size();) {
      Placements fewer = set;
      fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(k));
      result_.counters.ticks += run_water(with_pieces(start, fewer), 0, run, Detail::Outcome);
      ++result_.counters.explored;
      if (run.won) {
        set = std::move(fewer);
      } else {
        ++k;
      }
    }
    return set;
  }

  // The answer only stands once the ordinary game, played from scratch with
  // it, wins.
  bool confirm(const Placements& set) {
    Placements ordered = in_placing_order(set);
    if (!result_.placements.empty() && ordered.size() >= result_.placements.size()) return false;
    const Replay r = replay(problem_, ordered);
    if (!r.won) {
      ++result_.counters.rejected;
      return false;
    }
    result_.placements = std::move(ordered);
    result_.ticks = r.ticks;
    return true;
  }

  SolveResult solved(int none_up_to) {
    result_.verdict = Verdict::Solved;
    result_.none_up_to = std::max(result_.none_up_to, none_up_to);
    result_.shortest = result_.none_up_to + 1 >= static_cast<int>(result_.placements.size());
    return finish();
  }

  SolveResult no_solution() {
    result_.verdict = Verdict::NoSolution;
    return finish();
  }

  SolveResult finish() {
    result_.seconds = std::chrono::duration<double>(Clock::now() - begun_).count();
    return result_;
  }

  const Problem& problem_;
  const Limits& limits_;
  const Clock::time_point begun_;
  SolveResult result_;
};

}  // namespace

SolveResult solve(const Problem& problem, const Limits& limits) { return Solver(problem, limits).run(); }

}  // namespace drippo::solve
