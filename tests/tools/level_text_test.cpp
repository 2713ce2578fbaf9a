#include <gtest/gtest.h>

#include "level_text.h"

namespace drippo {
namespace {

std::string board(const std::string& first_row) {
  std::string rows = first_row + "\n";
  for (int r = 1; r < 12; ++r) rows += std::string(19, '.') + "\n";
  return rows;
}

TEST(LevelText, ReadsTheHeaderAndEveryPieceWithItsGoalsFull) {
  std::string error;
  // Pieces 1 to 19 in code order, written as the format documents them.
  const auto level = parse_level_text(
      "author:  Hélène \ntime: 12\nwater: 40\nstock 7: 2\n; a comment: not a key\n" + board("=\\/rlYTBRL-+MDSFPGC"), error);
  ASSERT_TRUE(level) << error;
  for (int p = 1; p <= 19; ++p) EXPECT_EQ(level->cells[static_cast<std::size_t>(p - 1)].piece, p) << p;
  EXPECT_EQ(level->cells[15].besoin, 50);
  EXPECT_EQ(level->cells[17].besoin, 10);
  EXPECT_EQ(level->author, "Hélène");
  EXPECT_EQ(level->time, "12");
  EXPECT_EQ(level->water, "40");
  EXPECT_EQ(level->stocks[7], "2");
  EXPECT_EQ(level->stocks[8], "");
}

TEST(LevelText, MistakesAreNamedWithTheirLine) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"colour: red\n" + board(std::string(19, '.')), "line 1"},
      {"stock 21: 3\n" + board(std::string(19, '.')), "line 1"},
      {board(std::string(18, '.') + "x"), "line 1"},
      {board(std::string(20, '.')), "not 20"},
      {std::string(19, '.') + "\n", "12 rows"},
      {board(std::string(19, '.')) + std::string(19, '.') + "\n", "line 13"},
  };
  for (const auto& [text, where] : cases) {
    std::string error;
    EXPECT_FALSE(parse_level_text(text, error)) << text;
    EXPECT_NE(error.find(where), std::string::npos) << error;
  }
}

}  // namespace
}  // namespace drippo
