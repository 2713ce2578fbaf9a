#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/board_builder.h"

namespace drippo {
namespace {

using testing::LevelBuilder;
using testing::Table;
using Wet = std::vector<std::string>;

// The drops one tick after a single drop in `piece` at `cell`, in the editor
// so that the source stays shut.
Wet after_one_tick(int cell, int piece, char dir, const char* sens, std::int16_t compteur = 0) {
  Table t;
  t.edit(LevelBuilder().put(cell, piece));
  t.at(cell).compteur = compteur;
  t.drop(cell, dir, sens);
  t.ticks(1);
  return t.wet();
}

// A drop in a piece at cell 100 (row 5, column 5), falling, moving right and
// moving left; drops listed sorted. Horizontal drops carry the opposite heading, so that "down as
// D/G" and "down, heading goes along" differ.
struct RuleCase {
  int piece;
  const char* falling_sens;
  Wet falling, right, left;
  std::int16_t compteur = 0;
};

const RuleCase rule_cases[] = {
    {piece::vide, "G", {"119B:G"}, {"119B:D"}, {"119B:G"}},
    {piece::plateforme, "D", {"101D"}, {"101D"}, {"99G"}},
    {piece::plateforme, "G", {"99G"}, {"101D"}, {"99G"}},
    {piece::plateforme, "", {}, {"101D"}, {"99G"}},
    {piece::diagonale_droite, "G", {"101D"}, {"99G"}, {"101D"}},
    {piece::diagonale_gauche, "D", {"99G"}, {"99G"}, {"101D"}},
    {piece::coude_droit, "G", {"101D"}, {"119B:D"}, {"101D"}},
    {piece::coude_gauche, "D", {"99G"}, {"99G"}, {"119B:G"}},
    {piece::bifurcation, "G", {"101D", "99G"}, {"99G"}, {"101D"}},
    {piece::teleporteur, "G", {}, {}, {}},  // alone: no partner
    {piece::bombe, "G", {"119B:G"}, {"119B:G"}, {"119B:D"}},
    {piece::embranchement_droit, "G", {"101D", "119B:G"}, {"119B:D"}, {"101D"}},
    {piece::embranchement_gauche, "D", {"119B:D", "99G"}, {"99G"}, {"119B:G"}},
    {piece::tuyau_plat, "G", {}, {"101D"}, {"99G"}},
    {piece::tuyau_croisement, "G", {"119B:G"}, {"101D"}, {"99G"}},
    {piece::moulin, "G", {"119B:G"}, {"99G"}, {"101D"}},
    {piece::porte, "G", {}, {"101D"}, {"99G"}},                               // closed
    {piece::porte, "G", {"119B:G"}, {"119B:G"}, {"119B:D"}, 3},               // open: 3 - 1 > 0
    {piece::porte, "G", {}, {"101D"}, {"99G"}, 1},                            // 1 - 1 = 0: closed this tick
    {piece::eponge, "G", {}, {}, {}},
    {piece::bocal, "G", {}, {"99G"}, {"101D"}},
    {piece::pot_de_fleurs, "G", {}, {"99G"}, {"101D"}},
    {piece::verre, "G", {}, {"99G"}, {"101D"}},
    {piece::chat, "G", {}, {}, {}},
    {piece::brique, "G", {}, {"99G"}, {"101D"}},
};

TEST(WaterRules, EveryPieceMovesADropAsItsRuleSays) {
  for (const RuleCase& rc : rule_cases) {
    SCOPED_TRACE("piece " + std::to_string(rc.piece) + " compteur " + std::to_string(rc.compteur));
    EXPECT_EQ(after_one_tick(100, rc.piece, 'B', rc.falling_sens, rc.compteur), rc.falling) << "falling";
    EXPECT_EQ(after_one_tick(100, rc.piece, 'D', "G", rc.compteur), rc.right) << "moving right";
    EXPECT_EQ(after_one_tick(100, rc.piece, 'G', "D", rc.compteur), rc.left) << "moving left";
  }
}

// Drops at the edges of the board: nothing wraps to the other side.
struct EdgeCase {
  const char* what;
  int cell;
  int piece;
  char dir;
  Wet after;
};

const EdgeCase edge_cases[] = {
    {"platform in column 18 moving right", 37, piece::plateforme, 'D', {}},
    {"platform in column 0 moving left", 38, piece::plateforme, 'G', {}},
    {"junction in column 0", 38, piece::bifurcation, 'B', {"39D"}},
    {"junction in column 18", 37, piece::bifurcation, 'B', {"36G"}},
    {"empty bottom-row cell, falling", 220, piece::vide, 'B', {}},
    {"empty bottom-row cell, moving right", 209, piece::vide, 'D', {}},
    {"last cell with a cell below", 208, piece::vide, 'B', {"227B:D"}},
    {"brick in column 0 sends back left", 19, piece::brique, 'D', {}},
    {"goal in column 0 sends back right", 0, piece::verre, 'G', {"1D"}},
    {"diagonal right in column 18", 56, piece::diagonale_droite, 'B', {}},
    {"right junction in the last cell", 227, piece::embranchement_droit, 'B', {}},
    {"open door in the bottom row, moving right", 210, piece::porte, 'D', {"211D"}},
};

TEST(WaterRules, DropsLeavingTheBoardAreLostAndNeverWrap) {
  for (const EdgeCase& ec : edge_cases) {
    EXPECT_EQ(after_one_tick(ec.cell, ec.piece, ec.dir, "D", 3), ec.after) << ec.what;  // 3: only doors care
  }
}

TEST(WaterRules, TwoDropsArrivingTogetherMergeIntoOne) {
  Table t;
  t.edit(LevelBuilder());
  t.drop(81, 'B', "G");
  t.at(81).eau_d = 1;  // both fall into 100 this tick
  t.ticks(1);
  EXPECT_EQ(t.wet(), Wet{"100B:D"});
  EXPECT_EQ(t.at(100).eau_b, 1);
  t.ticks(1);
  EXPECT_EQ(t.wet(), Wet{"119B:D"});
}

TEST(WaterRules, PlatformReadsTheHeadingLeftByTheDropFallingFromAbove) {
  // The drop from 81 falls into 100 earlier in the pass and overwrites its heading.
  Table t;
  t.edit(LevelBuilder().put(100, piece::plateforme));
  t.drop(81, 'B', "G");
  t.drop(100, 'B', "D");
  t.ticks(1);
  EXPECT_EQ(t.wet(), (Wet{"100B:G", "99G"}));
}

TEST(WaterRules, VerserGoutteSetsOneDropAndItsHeading) {
  Table t;
  t.edit(LevelBuilder());
  t.game.verser_goutte(100, "X");
  t.game.verser_goutte(100, "b");
  EXPECT_TRUE(t.board_dry());
  // Set, not added: a second drop in the same direction changes only the heading.
  t.drop(100, 'B', "G");
  t.game.verser_goutte(100, "B");
  EXPECT_EQ(t.wet(), Wet{"100B:D"});
  EXPECT_EQ(t.at(100).eau_b, 1);
  t.game.verser_goutte(100, "G");
  t.game.verser_goutte(101, "D");
  EXPECT_EQ(t.wet(), (Wet{"100B:G", "100G", "101D"}));
  EXPECT_TRUE(t.at(101).sens.is_droite());
}

TEST(WaterRules, OnlyChangedPicturesAreRepaintedWithTheirWater) {
  Table t;
  t.edit(LevelBuilder().put(100, piece::brique).put(70, piece::plateforme));
  t.ticks(1);
  t.view.cells.clear();
  t.drop(50, 'B', "D");
  t.drop(60, 'D', "D");
  t.drop(70, 'G', "G");
  t.ticks(1);
  // Falling adds 100, moving right 200, moving left 400; nothing else changed.
  EXPECT_EQ(t.view.cells, (std::vector<std::pair<int, int>>{{50, 100}, {60, 200}, {70, 401}}));
}

TEST(WaterRules, PowerCountdownStopsAtMinusTen) {
  Table t;
  t.edit(LevelBuilder().put(100, piece::porte));
  t.ticks(15);
  EXPECT_EQ(t.at(100).compteur, -10);
  EXPECT_EQ(t.at(5).compteur, -10);
}

TEST(WaterRules, EditorKeepsTheSourceShutTheClockStillAndTheGameOn) {
  Table t;
  t.game.nouveau_tableau();
  t.ticks(1300);
  EXPECT_EQ(t.game.table().text_eau(), "10");
  EXPECT_EQ(t.game.table().text_temps(), "10");
  EXPECT_TRUE(t.board_dry());
  // Even with no water left, a dry board is no game over there.
  t.game.editor().edit_water("0");
  t.ticks(3);
  EXPECT_EQ(t.game.play().games_ended(), 0);
  EXPECT_TRUE(t.game.water().running());
}

TEST(WaterRules, PausedTickDoesNothing) {
  Table t;
  t.play(LevelBuilder().water("10"));
  t.ticks(2);
  t.game.play().toggle_pause();
  const auto before = t.game.water().board();
  t.view.clear();
  t.ticks(5);
  EXPECT_EQ(t.game.water().tick_counter(), 2);
  EXPECT_EQ(t.game.table().text_eau(), "8");
  EXPECT_EQ(t.game.water().board(), before);
  EXPECT_TRUE(t.view.cells.empty());
  t.game.play().toggle_pause();
  t.ticks(1);
  EXPECT_EQ(t.game.water().tick_counter(), 3);
  EXPECT_EQ(t.game.table().text_eau(), "7");
}

}  // namespace
}  // namespace drippo
