#include "solver/live_start.h"

#include <algorithm>

#include "solver/problem.h"

namespace drippo::solve {

LiveStart live_start_of(const Game& game) {
  LiveStart live;
  live.water = game.water();
  for (int t = 1; t <= nb_types; ++t) live.stocks[static_cast<std::size_t>(t)] = game.table().stock(t);
  live.water_running = !game.play().timer_rebour_enabled() && game.water().running();
  return live;
}

Problem live_problem(const LiveStart& live, std::int16_t difficulte) {
  Problem problem;
  problem.level.cells = live.water.board();
  problem.level.stocks = live.stocks;
  problem.level.time = "1";
  problem.level.water = "0";
  problem.difficulte = difficulte;
  // The solver's pieces go down now: in the countdown, or after some water
  // (at least one tick, so that the water is not started again).
  problem.moment = live.water_running ? std::max<std::int32_t>(1, live.water.tick_counter()) : 0;
  problem.live = live;
  return problem;
}

void take_on(Game& game, const LiveStart& live) {
  for (int t = 1; t <= nb_types; ++t) game.table().set_stock(t, live.stocks[static_cast<std::size_t>(t)]);
  if (live.water_running) game.play().start_water();
  game.water() = live.water;
}

}  // namespace drippo::solve
