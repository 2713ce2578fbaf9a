// Speed of the water simulation on its own, as the solver and the hints run
// it: copied, ticked, thrown away.
#include <benchmark/benchmark.h>

#include "bench/bench_boards.h"
#include "game/game.h"
#include "game/null_ports.h"

namespace drippo {
namespace {

// A simulation as the editor leaves it: water timer on, source shut.
Simulation editing_simulation(const Board& board) {
  Simulation sim;
  sim.set_mode(/*editing=*/true, /*timed=*/false);
  sim.set_running(true);
  sim.set_board(board);
  return sim;
}

// The argument turns the moves on sets of cells on (1) or off (0): off, every
// drop goes through the rule table, the reference the tests hold them to.
void tick_from(benchmark::State& state, const Board& board) {
  Simulation start = editing_simulation(board);
  start.set_moves_by_sets(state.range(0) != 0);
  TickReport report;
  for (auto _ : state) {
    Simulation sim = start;  // every cell wet again, as at the start
    sim.tick(report);
    benchmark::DoNotOptimize(sim);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_SimTickFullWetSteeringBoard(benchmark::State& state) { tick_from(state, full_wet_board(steering_pieces)); }
BENCHMARK(BM_SimTickFullWetSteeringBoard)->Arg(1)->Arg(0);

void BM_SimTickFullWetMixedBoard(benchmark::State& state) { tick_from(state, mixed_wet_board()); }
BENCHMARK(BM_SimTickFullWetMixedBoard)->Arg(1)->Arg(0);

// Every special piece wet at once: mills, doors, teleporters, sponges.
void BM_SimTickFullWetSpecialBoard(benchmark::State& state) { tick_from(state, special_wet_board()); }
BENCHMARK(BM_SimTickFullWetSpecialBoard)->Arg(1);

// What the benchmarks above spend copying the simulation back.
void BM_SimCopy(benchmark::State& state) {
  const Simulation start = editing_simulation(mixed_wet_board());
  for (auto _ : state) {
    Simulation sim = start;
    benchmark::DoNotOptimize(sim);
  }
}
BENCHMARK(BM_SimCopy);

void BM_SimTickDryBoard(benchmark::State& state) {
  Simulation sim = editing_simulation(dry(mixed_wet_board()));
  TickReport report;
  for (auto _ : state) {
    sim.tick(report);
    benchmark::DoNotOptimize(sim);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SimTickDryBoard);

// The typical level from the start of the water to its end.
void BM_SimTypicalLevelGame(benchmark::State& state) {
  SilentView view;
  NoScores scores;
  NoLevels levels;
  Game game{view, scores, levels};
  game.set_mode_jeu(ModeJeu::Jouer);
  game.load_level(typical_level(), "typical.tab");
  game.play().start_water();
  const Simulation start = game.water();
  TickReport report;
  long ticks = 0;
  for (auto _ : state) {
    Simulation sim = start;
    while (sim.running()) {
      sim.tick(report);
      ++ticks;
    }
    benchmark::DoNotOptimize(sim);
  }
  state.counters["ticks_per_second"] = benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kIsRate);
  state.counters["ticks_per_game"] = static_cast<double>(ticks) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_SimTypicalLevelGame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace drippo
