#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

}  // namespace drippo::sim
