#pragma once

#include <array>
#include <string>

#include "game/game.h"
#include "game/level_data.h"
#include "game/simulation.h"

namespace drippo::solve {

struct Problem;

// A game being played, as it stands: its water (pieces placed at whatever
// tick, drops on the way, sponges holding some, the clock) and the stock it
// has left. Copied off the live game, so a search on another thread never
// reads the game itself.
struct LiveStart {
  Simulation water;
  std::array<std::string, nb_types + 1> stocks{};
  bool water_running = false;  // false: the countdown still runs
};

LiveStart live_start_of(const Game& game);

// A problem whose pieces go down on the game as it stands.
Problem live_problem(const LiveStart& live, std::int16_t difficulte);

// Puts a game loaded to play in the live game's state: its stock and water.
void take_on(Game& game, const LiveStart& live);

}  // namespace drippo::solve
