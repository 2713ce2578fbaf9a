#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game/game.h"

namespace drippo::sim {

// A JSON string literal of UTF-8 text.
std::string json_string(std::string_view text);
// A JSON number that always reads as a real: "0.0", "33.333333333333336".
std::string json_real(double value);

// One line describing the game after a tick.
std::string tick_line(const Game& game, const std::vector<std::string>& events, int ends);

// The last line of every run.
std::string result_line(const Game& game, long ticks_run);

// "win", "time out", "game over", "cat", or "running" when no game ended.
const char* outcome_name(Outcome o);

}  // namespace drippo::sim
