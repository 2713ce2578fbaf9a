#pragma once

#include <vector>

#include "style.h"

namespace drippo::soundgen {

// The game's tunes: a march, a calypso, a waltz, a shuffle, a chiptune
// gallop and a jig, each in its own key, tempo and band. Each title is also
// its file name.
std::vector<Style> all_tunes();

}  // namespace drippo::soundgen
