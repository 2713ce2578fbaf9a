#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace drippo {

// Why a level name typed by a player cannot be a file of the levels folder on
// every system players exchange levels with, or nothing when it can.
enum class LevelNameProblem {
  Empty,
  Separator,      // '/' or '\' would leave the levels folder
  DotsOnly,       // "." or ".."
  ControlChar,
  ReservedChar,   // < > : " | ? * are refused by some systems
  TrailingDotOrSpace,
  DeviceName,     // CON, PRN, AUX, NUL, COM1..9, LPT1..9
};

std::optional<LevelNameProblem> level_name_problem(std::string_view name);

// One line for the player: French when langue is 0, English otherwise.
std::string level_name_message(LevelNameProblem problem, std::string_view name, std::int16_t langue);

}  // namespace drippo
