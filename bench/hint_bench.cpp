// How long a player waits for a hint on each shipped level: asked in the
// countdown, and after 30 ticks of water with no piece placed. Each level is
// run several times; the median and the worst time are reported.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "solver/hint_search.h"
#include "solver/problem.h"
#include "storage/level_file.h"

namespace drippo::solve {
namespace {

namespace fs = std::filesystem;

constexpr std::int32_t water_ticks = 30;

void hint_latency(benchmark::State& state, const LevelData& level, std::int32_t moment) {
  HeadlessGame headless;
  Problem problem;
  problem.level = level;
  problem.moment = moment;
  if (set_up(headless.game, problem)) {
    state.SkipWithError("the game is over before the hint");
    return;
  }
  const LiveStart live = live_start_of(headless.game);
  Hint hint;
  for (auto _ : state) {
    hint = find_hint(live, 100, {});
    benchmark::DoNotOptimize(hint);
  }
  state.counters["found"] = hint.kind == Hint::Kind::Place || hint.kind == Hint::Kind::NothingToAdd ? 1 : 0;
}

double worst(const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); }

int register_shipped_levels() {
  const fs::path tab = fs::path(DRIPPO_ASSETS_PATH) / "tab";
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(tab, ignored)) {
    if (entry.path().extension() != ".tab") continue;
    const auto level = read_level_file(entry.path());
    if (!level) continue;
    const std::string name = entry.path().stem().string();
    for (std::int32_t moment : {0, water_ticks}) {
      benchmark::RegisterBenchmark(("BM_Hint/" + name + (moment == 0 ? "/countdown" : "/water")).c_str(),
                                   [level = level.value(), moment](benchmark::State& s) { hint_latency(s, level, moment); })
          ->Unit(benchmark::kMillisecond)
          ->Iterations(1)
          ->Repetitions(7)
          ->ComputeStatistics("max", worst)
          ->ReportAggregatesOnly(true);
    }
  }
  return 0;
}

const int registered = register_shipped_levels();

}  // namespace
}  // namespace drippo::solve
