// Speed of the water tick. The window gives a tick 100 ms; the goal here is a
// tick in under a microsecond on a board where every cell holds water.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

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

// Every cell wet in all three directions, with the given pieces in turn, a
// heading each and some power left.
template <std::size_t N>
Board full_wet_board(const std::int16_t (&pattern)[N]) {
  Board b{};
  for (int i = 0; i <= derniere_case; ++i) {
    Cellule& c = b[static_cast<std::size_t>(i)];
    c.piece = pattern[static_cast<std::size_t>(i) % N];
    c.eau_g = c.eau_d = c.eau_b = 1;
    c.sens = (i % 2) ? Sens::gauche() : Sens::droite();
    c.compteur = static_cast<std::int16_t>(i % 7);
  }
  return b;
}

// Steering pieces only: platforms, slopes, curves, junctions, pipes, bricks.
constexpr std::int16_t steering[] = {0, 1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 20, 1, 0, 12};
// The same with a mill, a door and two teleporters, which the rule table
// handles drop by drop.
Board mixed_wet_board() {
  static constexpr std::int16_t pattern[] = {0, 1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13, 14, 20, 1, 0, 12};
  Board b = full_wet_board(pattern);
  b[40].piece = piece::teleporteur;
  b[100].piece = piece::teleporteur;
  return b;
}

// The argument turns the whole-board moves on (1) or off (0).
void tick_from(benchmark::State& state, const Board& board) {
  Headless headless;
  Game& game = headless.game;
  game.set_plain_flow(state.range(0) != 0);
  game.set_mode_jeu("charger");
  game.nouveau_tableau();  // the editor: water timer on, source shut
  for (auto _ : state) {
    game.set_plateau(board);  // every cell wet again, as at the start
    game.timer_eau_Timer();
    benchmark::DoNotOptimize(game.cell(0));
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_TickFullWetSteeringBoard(benchmark::State& state) { tick_from(state, full_wet_board(steering)); }
BENCHMARK(BM_TickFullWetSteeringBoard)->Arg(1)->Arg(0);

void BM_TickFullWetMixedBoard(benchmark::State& state) { tick_from(state, mixed_wet_board()); }
BENCHMARK(BM_TickFullWetMixedBoard)->Arg(1)->Arg(0);

// What the benchmarks above spend putting the water back: subtract it from
// their time to get the tick's own.
void BM_ResetFullWetBoard(benchmark::State& state) {
  Headless headless;
  const Board wet = full_wet_board(steering);
  for (auto _ : state) {
    headless.game.set_plateau(wet);
    benchmark::DoNotOptimize(headless.game.cell(0));
  }
}
BENCHMARK(BM_ResetFullWetBoard);

// The same pieces without a drop: what a tick costs before any water moves.
void BM_TickDryBoard(benchmark::State& state) {
  Headless headless;
  Game& game = headless.game;
  game.set_plain_flow(state.range(0) != 0);
  game.set_mode_jeu("charger");
  game.nouveau_tableau();
  Board dry = mixed_wet_board();
  for (Cellule& c : dry) c.eau_g = c.eau_d = c.eau_b = 0;
  game.set_plateau(dry);
  for (auto _ : state) {
    game.timer_eau_Timer();
    benchmark::DoNotOptimize(game.cell(0));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TickDryBoard)->Arg(1)->Arg(0);

// A level as a player meets it: a path of platforms, curves and junctions
// from the source down to three goals, with a mill and its door, a sponge and
// bricks, played from the start of the water to the end of the time.
LevelData typical_level() {
  LevelData level;
  auto put = [&](int cell, std::int16_t p) { level.cells[static_cast<std::size_t>(cell)].piece = p; };
  for (int c = 37; c >= 24; --c) put(c, piece::plateforme);
  put(23, piece::coude_gauche);
  put(61, piece::bifurcation);
  put(79, piece::moulin);
  put(80, piece::porte);
  put(98, piece::eponge);
  put(117, piece::embranchement_droit);
  put(136, piece::tuyau_croisement);
  put(155, piece::diagonale_droite);
  put(175, piece::verre);
  put(193, piece::pot_de_fleurs);
  put(212, piece::bocal);
  for (int c = 209; c < 212; ++c) put(c, piece::brique);
  for (int t = 1; t <= nb_types; ++t) level.stocks[static_cast<std::size_t>(t)] = "3";
  level.time = "10";
  level.water = "400";
  return level;
}

void BM_TypicalLevelGame(benchmark::State& state) {
  Headless headless;
  Game& game = headless.game;
  game.set_plain_flow(state.range(0) != 0);
  game.set_bruitages(false);
  game.set_mode_jeu("jouer");
  const LevelData level = typical_level();
  long ticks = 0;
  for (auto _ : state) {
    game.load_level(level, "typical.tab");
    game.start_water();
    while (game.timer_eau_enabled()) {
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
