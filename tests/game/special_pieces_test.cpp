#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/board_builder.h"

namespace drippo {
namespace {

using testing::LevelBuilder;
using testing::Table;
using Wet = std::vector<std::string>;

// ---- Teleporters ---------------------------------------------------------

struct TeleportCase {
  const char* what;
  std::vector<int> teleporters;
  int cell;
  char dir;
  const char* sens;
  Wet after;
};

const TeleportCase teleport_cases[] = {
    {"falling into 40 leaves below 100", {40, 100}, 40, 'B', "G", {"119B:G"}},
    {"moving right into 100 leaves right of 40", {40, 100}, 100, 'D', "G", {"41D"}},
    {"moving left into 40 leaves left of 100", {40, 100}, 40, 'G', "D", {"99G"}},
    {"the last cell is never a partner", {40, 227}, 40, 'G', "G", {}},
    {"falling into the last cell uses the other one", {40, 227}, 227, 'B', "D", {"59B:D"}},
    {"exit off the right edge is lost", {37, 100}, 100, 'D', "D", {}},
    {"exit off the bottom is lost", {100, 215}, 100, 'B', "D", {}},
    {"the partner is the first other one", {5, 40, 100}, 100, 'B', "D", {"24B:D"}},
    {"the first one goes to the second", {5, 40, 100}, 5, 'B', "D", {"59B:D"}},
};

TEST(Teleporter, WaterLeavesThePartnerOnTheFarSide) {
  for (const TeleportCase& tc : teleport_cases) {
    Table t;
    LevelBuilder level;
    for (int c : tc.teleporters) level.put(c, piece::teleporteur);
    t.edit(level);
    t.drop(tc.cell, tc.dir, tc.sens);
    t.ticks(1);
    EXPECT_EQ(t.wet(), tc.after) << tc.what;
  }
}

TEST(Teleporter, HorizontalExitsTakeTheirOwnHeading) {
  Table t;
  t.edit(LevelBuilder().put({40, 100}, piece::teleporteur));
  t.drop(100, 'D', "G");
  t.drop(40, 'G', "D");
  t.ticks(1);
  EXPECT_TRUE(t.at(41).sens.is_droite());
  EXPECT_TRUE(t.at(99).sens.is_gauche());
}

// ---- Bombs ------------------------------------------------------------------

TEST(Bomb, BlastEmptiesTheEightNeighboursOnTheBoardAndChains) {
  // Bricks all around bombs in columns 0 and 1 of row 2 and in column 18 of
  // row 4: no blast wraps to the other side of the board, and 38's reaches
  // 39's around it.
  Table t;
  LevelBuilder level;
  for (int c = 0; c < 7 * nb_colonnes; ++c) level.put(c, piece::brique);
  t.edit(level.put({38, 39, 94}, piece::bombe));
  t.drop(38, 'B', "D");
  t.drop(94, 'B', "D");
  t.ticks(1);
  const std::vector<int> emptied = {19, 20, 21, 38, 39, 40, 57, 58, 59, 74, 75, 93, 94, 112, 113};
  for (int c = 0; c < 7 * nb_colonnes; ++c) {
    const bool gone = std::find(emptied.begin(), emptied.end(), c) != emptied.end();
    EXPECT_EQ(t.at(c).piece, gone ? piece::vide : piece::brique) << "cell " << c;
  }
  EXPECT_EQ(t.view.explosions, (std::vector<int>{38, 39, 94}));
  EXPECT_EQ(t.wet(), (Wet{"113B:D", "57B:D"}));  // the drops then fall on
}

TEST(Bomb, ExplosionsFollowTheBlastOrderDepthFirst) {
  // 20 blasts above first (1, a bomb) before below (39); 1 reaches 21 by its
  // lower right, and 21 reaches 39 by its lower left, before 20 does.
  Table t;
  t.edit(LevelBuilder().put({1, 20, 21, 39}, piece::bombe));
  t.drop(20, 'B', "D");
  t.ticks(1);
  EXPECT_EQ(t.view.explosions, (std::vector<int>{20, 1, 21, 39}));
  EXPECT_EQ(t.view.count(Sound::Poof), 4);
  EXPECT_EQ(t.view.pauses, (std::vector<int>{100, 100, 100, 100}));
}

TEST(Bomb, BombDestroyedByAChainStillExplodesForItsOwnWater) {
  Table t;
  t.edit(LevelBuilder().put({20, 21}, piece::bombe));
  t.drop(20, 'B', "D");
  t.drop(21, 'B', "G");
  t.ticks(1);
  EXPECT_EQ(t.view.explosions, (std::vector<int>{20, 21, 21}));
  EXPECT_EQ(t.wet(), (Wet{"39B:D", "40B:G"}));
}

TEST(Bomb, BlowingUpTheCatWhilePlayingEndsTheGameAndFreesTheFixedPieces) {
  Table t;
  t.play(LevelBuilder().put(100, piece::bombe).put(101, piece::chat).put(81, piece::brique));
  ASSERT_EQ(t.at(81).modifiable, 0);
  t.drop(100, 'B', "D");
  t.ticks(1);
  EXPECT_EQ(t.at(81).modifiable, 1);
  EXPECT_EQ(t.at(100).modifiable, 1);
  EXPECT_EQ(t.game.table().comment(), "Paf le chat!");
  EXPECT_EQ(t.game.play().last_outcome(), Outcome::Cat);
  EXPECT_EQ(t.game.play().games_ended(), 1);
  EXPECT_FALSE(t.game.water().running());
  EXPECT_EQ(t.at(101).piece, piece::vide);
  for (int c : {100, 81, 119, 99, 101, 80, 82, 118, 120}) EXPECT_EQ(t.game.table().shown_picture(c), 0) << c;
  EXPECT_EQ(t.view.count(Sound::Griou), 1);
}

TEST(Bomb, BlowingUpTheCatInTheEditorRemovesItSilently) {
  Table t;
  t.edit(LevelBuilder().put(100, piece::bombe).put(101, piece::chat));
  t.drop(100, 'B', "D");
  t.ticks(1);
  EXPECT_EQ(t.at(101).piece, piece::vide);
  EXPECT_EQ(t.game.table().comment(), "");
  EXPECT_EQ(t.game.play().games_ended(), 0);
  EXPECT_TRUE(t.game.water().running());
}

// ---- Mill and doors --------------------------------------------------------

// A powered door shows open: its picture is 800 more.
TEST(Mill, PowersItsDoorsForExactlyFourTicks) {
  Table t;
  t.edit(LevelBuilder().put(100, piece::moulin).put({99, 101}, piece::porte));
  t.drop(100, 'B', "D");
  t.ticks(1);  // tick T: the mill turns
  EXPECT_EQ(t.game.table().shown_picture(99), piece::porte);
  for (int k = 1; k <= 4; ++k) {
    t.ticks(1);
    EXPECT_EQ(t.game.table().shown_picture(99), 814) << "T+" << k;
    EXPECT_EQ(t.game.table().shown_picture(101), 814) << "T+" << k;
  }
  t.ticks(1);
  EXPECT_EQ(t.game.table().shown_picture(99), piece::porte);
  EXPECT_EQ(t.game.table().shown_picture(101), piece::porte);
}

TEST(Mill, AtTheEdgesPowersOnlyNeighboursOnItsRow) {
  Table t;
  t.edit(LevelBuilder().put({38, 56}, piece::moulin));
  t.drop(38, 'B', "D");
  t.drop(56, 'B', "D");
  t.ticks(1);
  EXPECT_EQ(t.at(39).compteur, 5);
  EXPECT_EQ(t.at(55).compteur, 5);
  EXPECT_EQ(t.at(37).compteur, -1);  // above-right of 38, not its left
  EXPECT_EQ(t.at(57).compteur, -1);  // next row, not the right of 56
}

// ---- Sponges ---------------------------------------------------------------

TEST(Sponge, HoldsADropTenTicksThenLetsItFallBelowEvenOnceDestroyed) {
  Table t;
  t.edit(LevelBuilder().put(100, piece::eponge));
  t.game.water().set_tick_counter(49);
  t.drop(100, 'B', "G");
  t.ticks(1);
  ASSERT_EQ(t.game.water().tick_counter(), 50);
  EXPECT_EQ(t.game.water().held_drops().to_vector(), (std::vector<Retenue>{{100, 50, 10, Sens::gauche()}}));
  EXPECT_EQ(t.at(100).modifiable, 0);
  t.at(100).piece = piece::vide;
  t.ticks(9);
  EXPECT_TRUE(t.board_dry());
  t.ticks(1);  // tick 60
  EXPECT_EQ(t.wet(), Wet{"119B:G"});
  EXPECT_TRUE(t.game.water().held_drops().to_vector().empty());
  EXPECT_EQ(t.at(100).modifiable, 1);
  t.ticks(1);
  EXPECT_EQ(t.wet(), Wet{"138B:G"});
}

TEST(Sponge, HorizontalDropsAreHeldWithTheirOwnHeading) {
  Table t;
  t.edit(LevelBuilder().put(100, piece::eponge));
  t.drop(100, 'D', "G");
  t.at(100).eau_g = 1;
  t.ticks(1);
  ASSERT_EQ(t.game.water().held_drops().to_vector().size(), 2u);
  EXPECT_TRUE(t.game.water().held_drops().to_vector()[0].sens.is_droite());
  EXPECT_TRUE(t.game.water().held_drops().to_vector()[1].sens.is_gauche());
  EXPECT_EQ(t.at(100).modifiable, -1);
}

TEST(Sponge, WaterItHoldsKeepsTheGameGoing) {
  Table t;
  t.play(LevelBuilder().put(37, piece::eponge).water("1"));
  t.ticks(5);  // held from tick 2 to tick 12
  EXPECT_TRUE(t.board_dry());
  EXPECT_EQ(t.game.play().games_ended(), 0);
}

TEST(Sponge, BottomRowSpongeLosesWhatItReleases) {
  Table t;
  t.edit(LevelBuilder().put(220, piece::eponge));
  t.drop(220, 'B', "D");
  t.ticks(11);
  EXPECT_TRUE(t.game.water().held_drops().to_vector().empty());
  EXPECT_TRUE(t.board_dry());
  EXPECT_EQ(t.at(220).modifiable, 1);
}

TEST(Sponge, ReleaseTickWrapsWithTheTickCounter) {
  Table t;
  t.edit(LevelBuilder().put(100, piece::eponge));
  t.game.water().set_tick_counter(29999);
  t.drop(100, 'B', "D");
  t.ticks(1);  // absorbed at 30000; released when the counter reads 9
  ASSERT_EQ(t.game.water().held_drops().to_vector().size(), 1u);
  t.ticks(9);
  EXPECT_EQ(t.game.water().tick_counter(), 8);
  EXPECT_TRUE(t.board_dry());
  t.ticks(1);
  EXPECT_EQ(t.wet(), Wet{"119B:D"});
  EXPECT_TRUE(t.game.water().held_drops().to_vector().empty());
}

TEST(Sponge, QueueHoldsMoreThanAThousandDrops) {
  Table t;
  LevelBuilder level;
  for (int c = 0; c < 5 * nb_colonnes; ++c) level.put(c, piece::eponge);
  t.edit(level);
  for (int k = 0; k < 4; ++k) {
    for (int c = 0; c < 5 * nb_colonnes; ++c) t.at(c).eau_b = t.at(c).eau_d = t.at(c).eau_g = 1;
    t.ticks(1);
  }
  EXPECT_EQ(t.game.water().held_drops().to_vector().size(), 4u * 3u * 5u * nb_colonnes);
  EXPECT_EQ(t.at(0).modifiable, 1 - 12);
  t.ticks(7);  // the first batch comes out at tick 11
  EXPECT_EQ(t.game.water().held_drops().to_vector().size(), 3u * 3u * 5u * nb_colonnes);
}

// ---- No tick inside a tick ----------------------------------------------

TEST(Explosion, PauseLetsNoTickNorBoardChangeRun) {
  Table t;
  t.play(LevelBuilder().put(100, piece::bombe).stock(piece::brique, "5").water("10"));
  ASSERT_FALSE(t.game.placing().board_mouse_down(160, MouseButton::Left));
  ASSERT_EQ(t.at(160).piece, piece::brique);
  ASSERT_EQ(t.game.table().stock(piece::brique), "4");
  t.drop(100, 'B', "D");

  bool inside = false;
  bool drag_began = false;
  t.view.during_pause = [&] {
    inside = t.game.in_tick();
    t.game.timer_eau_Timer();
    drag_began = t.game.placing().board_mouse_down(160, MouseButton::Left);
    t.game.placing().drop_on_cell(161);
    t.game.placing().board_mouse_down(150, MouseButton::Left);
    t.game.placing().poser_piece(151);
    t.game.placing().board_mouse_down(160, MouseButton::Right);
    t.game.placing().reprendre_piece(160);
    t.game.set_mode_jeu(ModeJeu::Charger);
    t.game.load_level(LevelBuilder().put(5, piece::verre).water("99"), "autre.tab");
    t.game.nouveau_tableau();
    t.game.set_mode_jeu(ModeJeu::Jouer);
  };
  t.ticks(1);

  EXPECT_TRUE(inside);
  EXPECT_FALSE(drag_began);
  EXPECT_EQ(t.at(161).piece, piece::vide);
  EXPECT_EQ(t.view.explosions, std::vector<int>{100});
  EXPECT_EQ(t.game.water().tick_counter(), 1);
  EXPECT_EQ(t.game.table().text_eau(), "9");
  EXPECT_EQ(t.at(150).piece, piece::vide);
  EXPECT_EQ(t.at(151).piece, piece::vide);
  EXPECT_EQ(t.at(160).piece, piece::brique);
  EXPECT_EQ(t.game.table().stock(piece::brique), "4");
  EXPECT_EQ(t.game.table().nom_tableau(), "essai.tab");
  EXPECT_FALSE(t.game.table().mode_edition());
  EXPECT_EQ(t.at(5).piece, piece::vide);
  EXPECT_FALSE(t.game.in_tick());
}

}  // namespace
}  // namespace drippo
