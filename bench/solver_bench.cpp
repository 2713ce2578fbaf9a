// Speed of the solver: each shipped level, generated levels needing one to
// five pieces, and proofs that no small set wins a level with a full stock.
// Counters: games run per second and placements left untried, by why.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "level_text.h"
#include "solver/solver.h"
#include "storage/level_file.h"

namespace drippo::solve {
namespace {

namespace fs = std::filesystem;

void solve_and_count(benchmark::State& state, const Problem& problem, const Limits& limits) {
  SolveResult r;
  for (auto _ : state) {
    r = solve(problem, limits);
    benchmark::DoNotOptimize(r);
  }
  const auto per_solve = [&](double x) { return benchmark::Counter(x * static_cast<double>(state.iterations())); };
  state.counters["pieces"] = static_cast<double>(r.placements.size());
  state.counters["shortest"] = r.shortest ? 1 : 0;
  state.counters["none_up_to"] = r.none_up_to;
  state.counters["explored"] = static_cast<double>(r.counters.explored);
  state.counters["games/s"] = benchmark::Counter(per_solve(static_cast<double>(r.counters.explored)), benchmark::Counter::kIsRate);
  state.counters["ticks/s"] = benchmark::Counter(per_solve(static_cast<double>(r.counters.ticks)), benchmark::Counter::kIsRate);
  state.counters["pruned_dry"] = static_cast<double>(r.counters.pruned_dry);
  state.counters["pruned_same"] = static_cast<double>(r.counters.pruned_same);
  state.counters["pruned_seen"] = static_cast<double>(r.counters.pruned_seen);
  if (r.verdict == Verdict::Unknown || r.verdict == Verdict::BadStart) state.SkipWithError("no answer");
}

Problem problem_from_text(const std::string& text) {
  std::string error;
  Problem p;
  p.level = parse_level_text(text, error).value_or(LevelData{});
  return p;
}

void BM_SolveShippedLevel(benchmark::State& state, const std::string& name) {
  Problem p;
  auto level = read_level_file(fs::path(DRIPPO_ASSETS_PATH) / "tab" / (name + ".tab"));
  if (!level) {
    state.SkipWithError("the level cannot be read");
    return;
  }
  p.level = level.value();
  Limits limits;
  limits.max_pieces = 10;
  solve_and_count(state, p, limits);
}
// One benchmark a shipped level, in the pack's order, named by its file.
const bool shipped_levels_registered = [] {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(fs::path(DRIPPO_ASSETS_PATH) / "tab")) {
    names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) {
    benchmark::RegisterBenchmark(("BM_SolveShippedLevel/" + name).c_str(), BM_SolveShippedLevel, name)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

// A glass n columns left of the falling water, diagonals and platforms to
// bring it there, a few other pieces besides: n pieces win.
void BM_SolveGenerated(benchmark::State& state) {
  const auto n = static_cast<int>(state.range(0));
  std::string text = "water: 20\nstock 1: " + std::to_string(n) + "\nstock 3: " + std::to_string(n) +
                     "\nstock 2: 2\nstock 20: 2\n";
  for (int row = 0; row < 11; ++row) text += std::string(19, '.') + "\n";
  std::string last(19, '.');
  last[static_cast<std::size_t>(18 - n)] = 'G';
  text += last + "\n";
  Limits limits;
  limits.max_pieces = 10;
  solve_and_count(state, problem_from_text(text), limits);
}
BENCHMARK(BM_SolveGenerated)->DenseRange(1, 5)->Unit(benchmark::kMillisecond);

// The first shipped level's board with 99 of every piece: no set of at most
// n pieces wins, proven by trying them all.
void BM_ProveNoSolution(benchmark::State& state) {
  std::string text = "water: 40\n";
  for (int t : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 20}) text += "stock " + std::to_string(t) + ": 99\n";
  text += std::string(19, '.') + "\n..........=========\n";
  for (int row = 2; row < 11; ++row) text += std::string(19, '.') + "\n";
  text += "....G....C....P....\n";
  Limits limits;
  limits.max_pieces = static_cast<int>(state.range(0));
  limits.seconds = 600;
  solve_and_count(state, problem_from_text(text), limits);
}
BENCHMARK(BM_ProveNoSolution)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProveNoSolution)->Arg(3)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace drippo::solve
