#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "game/game_view.h"
#include "style.h"

namespace drippo::soundgen {

std::vector<std::uint8_t> effect_file(Sound sound);
std::vector<std::uint8_t> tune_file(const Style& style);

struct Written {
  std::filesystem::path file;
  std::size_t bytes = 0;
};

// Writes out/wav/<effect>.wav and out/mid/<tune>.mid, making the folders.
// Throws std::runtime_error when a file cannot be written.
std::vector<Written> generate(const std::filesystem::path& out);

}  // namespace drippo::soundgen
