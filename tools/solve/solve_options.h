#pragma once

#include <optional>
#include <string>
#include <vector>

#include "solver/generator.h"
#include "solver/placement.h"

namespace drippo::solve {

struct Options {
  std::string level_path;
  int max_pieces = 10;
  double seconds = 10.0;
  Placements fixed;  // --place, set down before the search
  int difficulty = 100;
  int lang = 0;
  bool json = false;
  // --generate: make a level from the seed and write it to out_path, instead
  // of solving a level file.
  std::optional<Difficulty> generate;
  std::uint32_t seed = 0;
  std::string out_path;
};

// Parses the command line; on failure returns nothing and sets error to a
// one-line explanation.
std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error);

}  // namespace drippo::solve
