// Time to make a level, per difficulty, over seeds 1 to 50: the median and the
// worst, which must stay under the 3 s a player waits at most; and how many
// seeds gave no level in time.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "solver/generator.h"

namespace drippo::solve {
namespace {

void BM_GenerateFiftySeeds(benchmark::State& state) {
  const auto difficulty = static_cast<Difficulty>(state.range(0));
  std::vector<double> seconds;
  int failed = 0;
  int candidates = 0;
  for (auto _ : state) {
    seconds.clear();
    failed = candidates = 0;
    for (std::uint32_t seed = 1; seed <= 50; ++seed) {
      const auto start = std::chrono::steady_clock::now();
      const auto made = generate(difficulty, seed);
      seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
      if (made) candidates += made->candidates;
      else ++failed;
    }
  }
  std::sort(seconds.begin(), seconds.end());
  state.counters["median_s"] = (seconds[24] + seconds[25]) / 2;
  state.counters["worst_s"] = seconds.back();
  state.counters["failed"] = failed;
  state.counters["candidates/level"] = static_cast<double>(candidates) / std::max(1, 50 - failed);
}
BENCHMARK(BM_GenerateFiftySeeds)->DenseRange(0, 2)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace drippo::solve
