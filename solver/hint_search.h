#pragma once

#include <atomic>
#include <cstdint>

#include "solver/live_start.h"
#include "solver/placement.h"

namespace drippo::solve {

// One step towards a win from the game as it stands.
struct Hint {
  enum class Kind {
    Place,         // set `placement` down: it belongs to a winning set
    TakeBack,      // the player's piece on `placement` stands in the way of every win found
    NothingToAdd,  // the water wins as the board stands
    NoWinNow,      // proven: no pieces of the stock set down now win, with the player's or without
    NoneFound,     // no win found in the time
    Cancelled,
  };
  Kind kind = Kind::NoneFound;
  Placement placement;
};

struct HintLimits {
  double seconds = 1.8;
  const std::atomic<bool>* cancel = nullptr;
};

// Looks for a win from the live game; when the pieces the player placed
// keep every win away, looks again without them and names one to take back.
// Every hint given has been replayed from that same state through the game.
Hint find_hint(const LiveStart& live, std::int16_t difficulte, const HintLimits& limits);

}  // namespace drippo::solve
