#pragma once

#include <optional>
#include <string>

#include "game/level_data.h"

namespace drippo {

// A level written as text, for designers who prefer an editor of their own and
// for the levels we ship. Header lines "key: value" (author, time, water, and
// "stock N" for piece N), then the 12 rows of the board, 19 characters each:
//
//   .  empty          =  flat platform    \  diagonal right   /  diagonal left
//   r  right curve    l  left curve       Y  junction         T  teleporter
//   B  bomb           R  right junction   L  left junction    -  pipe
//   +  cross pipe     M  mill             D  electric door    S  sponge
//   F  fish bowl      P  flower pot       G  glass            C  cat
//   #  brick
//
// Lines starting with ';' are comments.
std::optional<LevelData> parse_level_text(const std::string& text, std::string& error);

char piece_char(int piece);

}  // namespace drippo
