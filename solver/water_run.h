#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <vector>

#include "game/simulation.h"
#include "solver/cell_mask.h"
#include "solver/placement.h"

namespace drippo::solve {

inline constexpr std::int32_t never = std::numeric_limits<std::int32_t>::max();

// Ways a drop moves, a bit by WaterField.
using Directions = std::uint8_t;

// How much of a run to write down: only how it ended; also when the water
// reached each cell; also states of the water that runs of larger sets
// resume from.
enum class Detail { Outcome, Cells, Resumable };

// A state of the water `index` ticks after the solver's pieces went down.
struct Snapshot {
  std::int32_t index = 0;
  Simulation water;
};

// One run of the water, from the moment the solver's pieces go down to the
// end of the game, for one set of pieces. A tick "at index a" is the tick that
// starts from the state a ticks after that moment.
struct WaterRun {
  Placements set;  // sorted
  CellMask free;   // the cells a piece could still go on
  // The first tick in which each cell held a drop; held one moving each way
  // (by WaterField); was reached by a blast.
  std::array<std::int32_t, nb_cases> first_wet{};
  std::array<std::array<std::int32_t, nb_cases>, 3> first_drop{};
  std::array<std::int32_t, nb_cases> first_blast{};
  std::int32_t first_teleporter_use = never;  // a teleporter first held a drop

  bool won = false;  // the last end of the game was the win
  // Stopped early, knowing the game cannot be won: the goals need more drops
  // than are left, or the water goes round forever.
  bool hopeless = false;
  Directions watched = 0;  // the ways drops moved in the watched cell
  bool cat = false;  // the cat ended the game
  std::array<std::int16_t, board_slots> end_piece{};
  std::array<std::int16_t, board_slots> end_besoin{};

  // The run this one started from, at tick `start`: until then both are the
  // same but for this run's pieces. Resumable runs keep their own states
  // from `start` on.
  const WaterRun* parent = nullptr;
  std::int32_t start = 0;
  std::vector<Snapshot> snapshots;
};

// Prepares `run` for a set run from the start (water as the pieces go down,
// without them).
void begin_run(WaterRun& run, const Simulation& start, const Placements& set);

// Prepares `child` for parent's set plus p, to be run on from tick `from`:
// what the parent saw before `from` stays true.
void begin_child(WaterRun& child, const WaterRun& parent, Placement p, std::int32_t from);

// The state of the water to run `parent`'s set plus p from, as late as
// possible but not after tick `at`; `from` gets its tick.
Simulation resume_state(const WaterRun& parent, Placement p, std::int32_t at, std::int32_t& from);

// The state to run `set` from at the start: the water with the pieces down.
Simulation with_pieces(Simulation water, const Placements& set);

struct Goals;

// Runs the water on from `water`, the state `index` ticks after the pieces
// went down, to the end of the game, writing into `run` as `detail` says.
// It stops early when the water goes round forever, with nothing more to
// note. With `stop_short`, on a board where no drop splits in two, a run only
// asked how it ends also stops as soon as these goals cannot all be filled;
// with `watch`, it notes the ways drops move in that cell. Returns the ticks run.
std::int64_t run_water(Simulation water, std::int32_t index, WaterRun& run, Detail detail,
                       const Goals* stop_short = nullptr, int watch = -1);

// Whether the goals still short of drops need more than there are left to
// come: with no drop splitting in two, the game cannot be won then.
bool short_of_drops(const Simulation& water, const Goals& goals);

// Whether some piece of the board, or of the set, sends a drop two ways at once.
bool any_splitter(const BoardArrays& board);
bool any_splitter(const Placements& set);

}  // namespace drippo::solve
