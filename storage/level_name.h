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
  ControlChar,    // C0, DEL and C1 controls
  ReservedChar,   // < > : " | ? * are refused by some systems
  TrailingDotOrSpace,
  DeviceName,     // CON, PRN, AUX, NUL, COM1..9, LPT1..9
};

std::optional<LevelNameProblem> level_name_problem(std::string_view name);

// True for a file name that can only denote a file directly inside a folder:
// not empty, not "." or "..", no separator, no control character. Names come
// from the window, from the folder and from other players, and a load or a
// delete must never leave the levels folder. A name that only another system
// refuses (a ':' or "con.tab" made on this one) is still a file here: it is
// listed, read and deleted, though the save dialog would not give it.
bool is_plain_file_name(std::string_view name);

// One line for the player: French when langue is 0, English otherwise.
std::string level_name_message(LevelNameProblem problem, std::string_view name, std::int16_t langue);

}  // namespace drippo
