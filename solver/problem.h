#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game/game.h"
#include "game/level_data.h"
#include "game/null_ports.h"
#include "solver/live_start.h"
#include "solver/placement.h"

namespace drippo::solve {

// What to solve: a level as the player has it at some moment. The solver's
// pieces go down at that moment: during the countdown (moment 0), or after
// `moment` ticks of water when a running game asks for help.
struct Problem {
  LevelData level;
  std::int16_t difficulte = 100;  // easy (200) doubles the level's time and water
  Placements fixed;               // set down by the player before the water, in this order
  std::int32_t moment = 0;
  // A game asking for help: set_up puts the level in this state instead of
  // playing `moment` ticks (pieces placed at any tick cannot be replayed).
  std::optional<LiveStart> live;
};

// Why a problem has no start: a fixed piece that is no placement at all or
// that the game refuses, or a game already over at the moment.
struct StartProblem {
  enum class Kind { NotAPlacement, Refused, OverBeforeMoment };
  Kind kind = Kind::Refused;
  Placement placement;
  std::optional<PlacingRefusal> why;  // for Refused: the placing rule's reason, when it gave one
};

// A game with no window, no score file and no levels folder, as drippo-sim
// plays one.
struct HeadlessGame {
  SilentView view;
  NoScores scores;
  NoLevels levels;
  Game game{view, scores, levels};
};

// Sets the piece down as a player would, from the palette onto the cell;
// the placing rule's reason when the game refuses it.
std::optional<StartProblem> place(Game& game, Placement p);

// Brings a game to the problem's moment: the level loaded at its
// difficulty, the fixed pieces down, the water run for `moment` ticks.
std::optional<StartProblem> set_up(Game& game, const Problem& problem);

// After the solver's pieces: at moment 0 the countdown ends and the water starts.
void let_water_run(Game& game, const Problem& problem);

// How a game played to its end went.
struct Replay {
  bool won = false;  // won with a score of 100
  std::int32_t ticks = 0;
  std::optional<StartProblem> refused;  // a piece the game would not take
};

// Plays the problem through the ordinary game from scratch with these
// pieces, set down in this order, to the end of the game: the proof of every
// answer the solver gives.
Replay replay(const Problem& problem, const Placements& ordered);

}  // namespace drippo::solve
