#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/level_data.h"
#include "level_text.h"

namespace drippo::testing {

// A level drawn as text: header lines ("water: 10", "stock 3: 1"), then the
// rows of the board from the top; rows not given, or given as "", are empty.
inline LevelData level_rows(const std::string& header, std::vector<std::string> rows) {
  rows.resize(12);
  for (auto& r : rows) {
    if (r.empty()) r.assign(19, '.');
  }
  std::string text = header + "\n";
  for (const auto& r : rows) text += r + "\n";
  std::string error;
  const auto level = parse_level_text(text, error);
  EXPECT_TRUE(level.has_value()) << error;
  return level.value_or(LevelData{});
}

}  // namespace drippo::testing
