#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/piece_placing.h"

namespace drippo::sim {

struct Placement {
  int cell = 0;
  int piece = 0;
};

struct TestDrop {
  int tick = 0;  // counted from 1
  int cell = 0;
};

struct Options {
  std::string level_path;
  bool edit = false;
  std::vector<Placement> placements;
  std::vector<TestDrop> drops;
  std::optional<long> ticks;  // default depends on the mode
  int difficulty = 100;
  int lang = 0;
  bool trace = false;
};

// Parses the command line; on failure returns nothing and sets error to a
// one-line explanation.
std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error);

// Text for one line of standard error: control characters, such as a newline
// in an argument or a file name, written as \xNN.
std::string escape_controls(std::string_view text);

// The same between double quotes.
std::string quoted(std::string_view text);

// ---- Pieces of a command line, shared by drippo-sim and drippo-solve ----
// Each sets error to one line when it refuses.

// A whole number of exactly the target type: from_chars refuses a value the
// type cannot hold, so "4294967297" is never narrowed to 1.
template <typename Number>
bool parse_whole(std::string_view text, Number& out) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && ptr == end && !text.empty();
}

// --place CELL:PIECE, --difficulty 100|200, --lang 0|1.
std::optional<Placement> parse_placement(std::string_view text, std::string& error);
std::optional<int> parse_difficulty(std::string_view text, std::string& error);
std::optional<int> parse_lang(std::string_view text, std::string& error);

// An argument that is no option the tool knows: the level file, given once.
// Anything else starting with '-' is an unknown option.
bool take_level_path(const std::string& arg, std::optional<std::string>& level_path, std::string& error);
// At the end: the level file taken, or an error showing the usage line.
bool require_level_path(const std::optional<std::string>& level, std::string& level_path, std::string_view usage,
                        std::string& error);

// Why the window would not place a piece, for one line of standard error.
const char* refusal_text(std::optional<PlacingRefusal> why);

}  // namespace drippo::sim
