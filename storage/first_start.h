#pragma once

#include "storage/program_folder.h"

namespace drippo {

// True once only: the first time the game starts for this player, nothing in
// his folder showing an earlier run (no settings file, nothing in sta). The
// start is noted in sta on the way, so that even a player who later resets
// every score is not met as a newcomer. A note that cannot be written claims
// nothing: better no welcome than the same welcome at every start.
bool claim_first_start(const ProgramFolder& folder);

}  // namespace drippo
