// The levels we ship: each level file is what its text says, and each can be
// won with the solution its text gives.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "level_text.h"
#include "storage/level_file.h"

namespace drippo {
namespace {

namespace fs = std::filesystem;

std::string read_text(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string last_line_of(const std::string& command) {
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return {};
  std::string line;
  for (char buf[4096]; fgets(buf, sizeof buf, pipe) != nullptr;) line = buf;
  pclose(pipe);
  return line;
}

TEST(ShippedLevels, EachMatchesItsTextAndCanBeWon) {
  const fs::path assets = DRIPPO_ASSETS_PATH;
  int levels = 0;
  for (const auto& entry : fs::directory_iterator(assets / "levels")) {
    if (entry.path().extension() != ".txt") continue;
    ++levels;
    const std::string name = entry.path().stem().string();
    const std::string text = read_text(entry.path());
    std::string error;
    const auto level = parse_level_text(text, error);
    ASSERT_TRUE(level.has_value()) << name << ": " << error;

    const fs::path tab = assets / "tab" / (name + ".tab");
    const std::string stored = read_text(tab);
    const auto expected = level_bytes(*level);
    EXPECT_EQ(stored, std::string(expected.begin(), expected.end())) << name << ".tab is not made from its text";

    const auto at = text.find("; solution:");
    ASSERT_NE(at, std::string::npos) << name << " gives no solution";
    const std::string solution = text.substr(at + 11, text.find('\n', at) - at - 11);
    const std::string result =
        last_line_of(std::string(DRIPPO_SIM_PATH) + " '" + tab.string() + "' " + solution + " 2>&1");
    EXPECT_NE(result.find(R"("result": "win")"), std::string::npos) << name << ": " << result;
  }
  EXPECT_GE(levels, 3);
}

}  // namespace
}  // namespace drippo
