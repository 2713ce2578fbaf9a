// The whole-board moves must give exactly what the rule table gives drop by
// drop: the same boards, random ones included, run both ways.
#include <gtest/gtest.h>

#include <random>

#include "support/board_builder.h"

namespace drippo {
namespace {

using testing::Table;

// Pieces whose every rule is a plain move (and the flat platform, whose
// falling drops follow the cell's heading).
constexpr int plain_pieces[] = {0, 1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 20};
// All pieces but the bomb and the cat, which end or pause the game.
constexpr int any_pieces[] = {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 20};

template <std::size_t N>
Board random_board(std::mt19937& random, const int (&pieces)[N], int wet_percent) {
  Board b{};
  std::uniform_int_distribution<std::size_t> pick(0, N - 1);
  std::uniform_int_distribution<int> percent(0, 99);
  std::uniform_int_distribution<int> heading(0, 3);
  std::uniform_int_distribution<int> power(-10, 5);
  for (Cellule& c : b) {
    c.piece = static_cast<std::int16_t>(pieces[pick(random)]);
    c.eau_b = percent(random) < wet_percent;
    c.eau_d = percent(random) < wet_percent;
    c.eau_g = percent(random) < wet_percent;
    const int h = heading(random);
    c.sens = h == 0 ? Sens::gauche() : h == 1 ? Sens::droite() : h == 2 ? Sens::none() : Sens::from_text("x");
    c.compteur = static_cast<std::int16_t>(power(random));
    c.besoin = static_cast<std::int16_t>(goal_need(c.piece));
  }
  return b;
}

// Runs the board both ways in the editor (no source, no clock) and compares
// every cell after every tick.
void expect_same_both_ways(const Board& start, int ticks, const std::string& what) {
  Table fast, slow;
  for (Table* t : {&fast, &slow}) {
    t->game.nouveau_tableau();
    t->game.water().set_board(start);
  }
  slow.game.water().set_plain_flow(false);
  for (int k = 1; k <= ticks; ++k) {
    fast.game.timer_eau_Timer();
    slow.game.timer_eau_Timer();
    ASSERT_EQ(fast.game.water().board(), slow.game.water().board()) << what << ", tick " << k;
    ASSERT_EQ(fast.game.water().dry(), slow.game.water().dry()) << what << ", tick " << k;
    ASSERT_EQ(fast.game.water().held_drops().to_vector(), slow.game.water().held_drops().to_vector()) << what << ", tick " << k;
  }
}

TEST(PlainFlow, GivesWhatTheRuleTableGivesOnRandomBoards) {
  std::mt19937 random(20261206);
  for (int round = 0; round < 200; ++round) {
    const int wet = round % 2 == 0 ? 100 : 20;
    expect_same_both_ways(random_board(random, plain_pieces, wet), 6, "plain board " + std::to_string(round));
  }
}

TEST(PlainFlow, LeavesSpecialPiecesToTheRuleTableWithTheSameResult) {
  std::mt19937 random(7);
  for (int round = 0; round < 100; ++round) {
    expect_same_both_ways(random_board(random, any_pieces, 15), 12, "mixed board " + std::to_string(round));
  }
}

TEST(PlainFlow, DropsFromASpongeMeetThePlainMovesTheSameWay) {
  // A sponge high up releases its drops ten ticks later, onto plain pieces.
  std::mt19937 random(11);
  for (int round = 0; round < 30; ++round) {
    // Enough water elsewhere for the whole-board moves to take the ticks.
    Board b = random_board(random, plain_pieces, 30);
    b[40].piece = piece::eponge;
    b[40].eau_b = 1;
    b[41].piece = piece::eponge;
    b[41].eau_d = 1;
    expect_same_both_ways(b, 30, "sponges " + std::to_string(round));
  }
}

}  // namespace
}  // namespace drippo
