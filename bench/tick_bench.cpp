// Speed of the water tick as the window runs it: the game with its view,
// pictures and texts. The window gives a tick 100 ms.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/bench_boards.h"
#include "game/game.h"
#include "game/null_ports.h"

namespace drippo {
namespace {

// A game without a window, as the simulator runs it.
struct Headless {
  SilentView view;
  NoScores scores;
  NoLevels levels;
  Game game{view, scores, levels};
};

// The argument turns the moves on sets of cells on (1) or off (0): off, every
// drop goes through the rule table, the reference the tests hold them to.
void tick_from(benchmark::State& state, const Board& board) {
  Headless headless;
  Game& game = headless.game;
  game.water().set_moves_by_sets(state.range(0) != 0);
  game.set_mode_jeu(ModeJeu::Charger);
  game.nouveau_tableau();  // the editor: water timer on, source shut
  for (auto _ : state) {
    game.water().set_board(board);  // every cell wet again, as at the start
    game.timer_eau_Timer();
    benchmark::DoNotOptimize(game.table().cell(0));
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_TickFullWetSteeringBoard(benchmark::State& state) { tick_from(state, full_wet_board(steering_pieces)); }
BENCHMARK(BM_TickFullWetSteeringBoard)->Arg(1)->Arg(0);

void BM_TickFullWetMixedBoard(benchmark::State& state) { tick_from(state, mixed_wet_board()); }
BENCHMARK(BM_TickFullWetMixedBoard)->Arg(1)->Arg(0);

// What the benchmarks above spend putting the water back: subtract it from
// their time to get the tick's own.
void BM_ResetFullWetBoard(benchmark::State& state) {
  Headless headless;
  const Board wet = full_wet_board(steering_pieces);
  for (auto _ : state) {
    headless.game.water().set_board(wet);
    benchmark::DoNotOptimize(headless.game.table().cell(0));
  }
}
BENCHMARK(BM_ResetFullWetBoard);

// The same pieces without a drop: what a tick costs before any water moves.
void BM_TickDryBoard(benchmark::State& state) {
  Headless headless;
  Game& game = headless.game;
  game.water().set_moves_by_sets(state.range(0) != 0);
  game.set_mode_jeu(ModeJeu::Charger);
  game.nouveau_tableau();
  game.water().set_board(dry(mixed_wet_board()));
  for (auto _ : state) {
    game.timer_eau_Timer();
    benchmark::DoNotOptimize(game.table().cell(0));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TickDryBoard)->Arg(1)->Arg(0);

void BM_TypicalLevelGame(benchmark::State& state) {
  Headless headless;
  Game& game = headless.game;
  game.water().set_moves_by_sets(state.range(0) != 0);
  game.settings().bruitages = false;
  game.set_mode_jeu(ModeJeu::Jouer);
  const LevelData level = typical_level();
  long ticks = 0;
  for (auto _ : state) {
    game.load_level(level, "typical.tab");
    game.play().start_water();
    while (game.water().running()) {
      game.timer_eau_Timer();
      ++ticks;
    }
  }
  state.counters["ticks_per_second"] = benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kIsRate);
  state.counters["ticks_per_game"] = static_cast<double>(ticks) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_TypicalLevelGame)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace drippo

BENCHMARK_MAIN();
