#include <gtest/gtest.h>

#include "level_text.h"

namespace drippo {
namespace {

std::string board(const std::string& first_row) {
  std::string rows = first_row + "\n";
  for (int r = 1; r < 12; ++r) rows += std::string(19, '.') + "\n";
  return rows;
}

TEST(LevelText, EveryPieceHasItsCharacterAndGoalsStartFull) {
  std::string error;
  const auto level = parse_level_text("author: Hélène\ntime: 12\nwater: 40\nstock 7: 2\n; a comment\n" +
                                          board(".=\\/rlYTBRL-+MDSFPGC#"),
                                      error);
  // 21 pieces do not fit a row of 19: the parser must say so.
  EXPECT_FALSE(level);
  EXPECT_NE(error.find("19"), std::string::npos);

  const auto ok = parse_level_text("author: Hélène\ntime: 12\nwater: 40\nstock 7: 2\n" + board("=\\/rlYTBRL-+MDSFPGC"), error);
  ASSERT_TRUE(ok) << error;
  for (int p = 1; p <= 19; ++p) {
    const Cellule& c = ok->cells[static_cast<std::size_t>(p - 1)];
    EXPECT_EQ(c.piece, p + 0) << p;
    EXPECT_EQ(piece_char(p), "=\\/rlYTBRL-+MDSFPGC"[p - 1]);
  }
  EXPECT_EQ(piece_char(piece::brique), '#');
  EXPECT_EQ(ok->cells[15].besoin, 50);
  EXPECT_EQ(ok->cells[16].besoin, 30);
  EXPECT_EQ(ok->cells[17].besoin, 10);
  EXPECT_EQ(ok->author, "Hélène");
  EXPECT_EQ(ok->time, "12");
  EXPECT_EQ(ok->water, "40");
  EXPECT_EQ(ok->stocks[7], "2");
  EXPECT_EQ(ok->stocks[8], "");
}

TEST(LevelText, MistakesAreNamedWithTheirLine) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"colour: red\n" + board(std::string(19, '.')), "line 1"},
      {"stock 21: 3\n" + board(std::string(19, '.')), "line 1"},
      {board(std::string(18, '.') + "x"), "line 1"},
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
