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

Wet sorted(Wet w) {
  std::sort(w.begin(), w.end());
  return w;
}

// One drop in a piece at cell 100 (row 5, column 5) with empty neighbours, in
// the editor so that the source stays shut. Horizontal drops carry the opposite
// heading, so that "down as D/G" and "down, heading goes along" differ.
struct RuleCase {
  int piece;
  char dir;
  const char* sens;
  std::int16_t compteur;
  Wet after;
};

const RuleCase rule_cases[] = {
    {piece::vide, 'B', "G", 0, {"119B:G"}},
    {piece::vide, 'D', "G", 0, {"119B:D"}},
    {piece::vide, 'G', "D", 0, {"119B:G"}},
    {piece::plateforme, 'B', "D", 0, {"101D"}},
    {piece::plateforme, 'B', "G", 0, {"99G"}},
    {piece::plateforme, 'B', "", 0, {}},
    {piece::plateforme, 'D', "G", 0, {"101D"}},
    {piece::plateforme, 'G', "D", 0, {"99G"}},
    {piece::diagonale_droite, 'B', "G", 0, {"101D"}},
    {piece::diagonale_droite, 'D', "G", 0, {"99G"}},
    {piece::diagonale_droite, 'G', "D", 0, {"101D"}},
    {piece::diagonale_gauche, 'B', "D", 0, {"99G"}},
    {piece::diagonale_gauche, 'D', "G", 0, {"99G"}},
    {piece::diagonale_gauche, 'G', "D", 0, {"101D"}},
    {piece::coude_droit, 'B', "G", 0, {"101D"}},
    {piece::coude_droit, 'D', "G", 0, {"119B:D"}},
    {piece::coude_droit, 'G', "D", 0, {"101D"}},
    {piece::coude_gauche, 'B', "D", 0, {"99G"}},
    {piece::coude_gauche, 'D', "G", 0, {"99G"}},
    {piece::coude_gauche, 'G', "D", 0, {"119B:G"}},
    {piece::bifurcation, 'B', "G", 0, {"101D", "99G"}},
    {piece::bifurcation, 'D', "G", 0, {"99G"}},
    {piece::bifurcation, 'G', "D", 0, {"101D"}},
    {piece::teleporteur, 'B', "G", 0, {}},  // alone: no partner
    {piece::teleporteur, 'D', "G", 0, {}},
    {piece::teleporteur, 'G', "D", 0, {}},
    {piece::bombe, 'B', "G", 0, {"119B:G"}},
    {piece::bombe, 'D', "G", 0, {"119B:G"}},
    {piece::bombe, 'G', "D", 0, {"119B:D"}},
    {piece::embranchement_droit, 'B', "G", 0, {"101D", "119B:G"}},
    {piece::embranchement_droit, 'D', "G", 0, {"119B:D"}},
    {piece::embranchement_droit, 'G', "D", 0, {"101D"}},
    {piece::embranchement_gauche, 'B', "D", 0, {"119B:D", "99G"}},
    {piece::embranchement_gauche, 'D', "G", 0, {"99G"}},
    {piece::embranchement_gauche, 'G', "D", 0, {"119B:G"}},
    {piece::tuyau_plat, 'B', "G", 0, {}},
    {piece::tuyau_plat, 'D', "G", 0, {"101D"}},
    {piece::tuyau_plat, 'G', "D", 0, {"99G"}},
    {piece::tuyau_croisement, 'B', "G", 0, {"119B:G"}},
    {piece::tuyau_croisement, 'D', "G", 0, {"101D"}},
    {piece::tuyau_croisement, 'G', "D", 0, {"99G"}},
    {piece::moulin, 'B', "G", 0, {"119B:G"}},
    {piece::moulin, 'D', "G", 0, {"99G"}},
    {piece::moulin, 'G', "D", 0, {"101D"}},
    {piece::porte, 'B', "G", 0, {}},  // closed
    {piece::porte, 'D', "G", 0, {"101D"}},
    {piece::porte, 'G', "D", 0, {"99G"}},
    {piece::porte, 'B', "G", 3, {"119B:G"}},  // open: 3 - 1 > 0
    {piece::porte, 'D', "G", 3, {"119B:G"}},
    {piece::porte, 'G', "D", 3, {"119B:D"}},
    {piece::porte, 'B', "G", 1, {}},  // 1 - 1 = 0: closed this tick
    {piece::eponge, 'B', "G", 0, {}},
    {piece::eponge, 'D', "G", 0, {}},
    {piece::eponge, 'G', "D", 0, {}},
    {piece::bocal, 'B', "G", 0, {}},
    {piece::bocal, 'D', "G", 0, {"99G"}},
    {piece::pot_de_fleurs, 'G', "D", 0, {"101D"}},
    {piece::verre, 'B', "G", 0, {}},
    {piece::verre, 'D', "G", 0, {"99G"}},
    {piece::verre, 'G', "D", 0, {"101D"}},
    {piece::chat, 'B', "G", 0, {}},
    {piece::chat, 'D', "G", 0, {}},
    {piece::chat, 'G', "D", 0, {}},
    {piece::brique, 'B', "G", 0, {}},
    {piece::brique, 'D', "G", 0, {"99G"}},
    {piece::brique, 'G', "D", 0, {"101D"}},
};

TEST(WaterRules, EveryPieceMovesADropAsItsRuleSays) {
  for (const RuleCase& rc : rule_cases) {
    SCOPED_TRACE("piece " + std::to_string(rc.piece) + " dir " + rc.dir + " sens " + rc.sens +
                 " compteur " + std::to_string(rc.compteur));
    Table t;
    t.edit(LevelBuilder().put(100, rc.piece));
    t.at(100).compteur = rc.compteur;
    t.drop(100, rc.dir, rc.sens);
    t.ticks(1);
    EXPECT_EQ(t.wet(), sorted(rc.after));
  }
}

// Drops at the edges of the board: nothing wraps to the other side.
struct EdgeCase {
  const char* what;
  int cell;
  int piece;
  char dir;
  const char* sens;
  Wet after;
};

const EdgeCase edge_cases[] = {
    {"platform in column 18 moving right", 37, piece::plateforme, 'D', "D", {}},
    {"platform in column 0 moving left", 38, piece::plateforme, 'G', "G", {}},
    {"junction in column 0", 38, piece::bifurcation, 'B', "D", {"39D"}},
    {"junction in column 18", 37, piece::bifurcation, 'B', "D", {"36G"}},
    {"empty bottom-row cell, falling", 220, piece::vide, 'B', "D", {}},
    {"empty bottom-row cell, moving right", 209, piece::vide, 'D', "D", {}},
    {"last cell with a cell below", 208, piece::vide, 'B', "G", {"227B:G"}},
    {"junction at 50", 50, piece::bifurcation, 'B', "G", {"49G", "51D"}},
    {"brick in column 0 sends back left", 19, piece::brique, 'D', "D", {}},
    {"goal in column 0 sends back right", 0, piece::verre, 'G', "G", {"1D"}},
    {"diagonal right in column 18", 56, piece::diagonale_droite, 'B', "G", {}},
    {"right junction in the last cell", 227, piece::embranchement_droit, 'B', "G", {}},
    {"open door in the bottom row, falling", 210, piece::porte, 'B', "G", {}},
    {"open door in the bottom row, moving right", 210, piece::porte, 'D', "D", {"211D"}},
};

TEST(WaterRules, DropsLeavingTheBoardAreLostAndNeverWrap) {
  for (const EdgeCase& ec : edge_cases) {
    SCOPED_TRACE(ec.what);
    Table t;
    t.edit(LevelBuilder().put(ec.cell, ec.piece));
    t.at(ec.cell).compteur = 3;  // only doors care
    t.drop(ec.cell, ec.dir, ec.sens);
    t.ticks(1);
    EXPECT_EQ(t.wet(), sorted(ec.after));
  }
}

TEST(WaterRules, SourceReleasesExactlyTheWaterItHolds) {
  Table t;
  t.play(LevelBuilder().water("10"));
  int released = 0;
  for (int k = 1; k <= 14; ++k) {
    t.ticks(1);
    const bool drop_in_source = t.game.shown_picture(case_source) == 400;
    if (drop_in_source) ++released;
    EXPECT_EQ(drop_in_source, k <= 10) << "tick " << k;
    EXPECT_EQ(t.game.text_eau(), std::to_string(std::max(0, 10 - k))) << "tick " << k;
  }
  EXPECT_EQ(released, 10);
}

TEST(WaterRules, FlatPlatformUnderTheSourceSendsTheWaterLeft) {
  Table t;
  t.play(LevelBuilder().put(37, piece::plateforme).water("10"));

  t.ticks(1);
  EXPECT_EQ(t.game.shown_picture(18), 400);
  EXPECT_EQ(t.wet(), Wet{"37B:G"});

  t.ticks(1);
  EXPECT_EQ(t.game.shown_picture(37), 101);
  EXPECT_EQ(t.wet(), sorted({"37B:G", "36G"}));

  t.ticks(1);
  EXPECT_EQ(t.wet(), sorted({"37B:G", "36G", "55B:G"}));
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

TEST(WaterRules, DropsOnSideBySidePlatformsPassEachOther) {
  Table t;
  t.edit(LevelBuilder().put({100, 101}, piece::plateforme));
  t.drop(100, 'D', "D");
  t.at(101).eau_g = 1;
  t.ticks(1);
  EXPECT_EQ(t.wet(), sorted({"101D", "100G"}));
}

TEST(WaterRules, DropBouncesOffABrickAfterOneTickInsideIt) {
  Table t;
  t.edit(LevelBuilder().put(99, piece::plateforme).put(100, piece::brique));
  t.drop(99, 'D', "D");
  t.ticks(1);
  EXPECT_EQ(t.wet(), Wet{"100D"});
  t.ticks(1);
  EXPECT_EQ(t.wet(), Wet{"99G"});
  t.ticks(1);
  EXPECT_EQ(t.wet(), Wet{"98G"});
}

TEST(WaterRules, PlatformReadsTheHeadingLeftByTheDropFallingFromAbove) {
  // The drop from 81 falls into 100 earlier in the pass and overwrites its heading.
  Table t;
  t.edit(LevelBuilder().put(100, piece::plateforme));
  t.drop(81, 'B', "G");
  t.drop(100, 'B', "D");
  t.ticks(1);
  EXPECT_EQ(t.wet(), sorted({"100B:G", "99G"}));
}

TEST(WaterRules, VerserGoutteSetsOneDropAndItsHeading) {
  struct Case {
    const char* letter;
    std::vector<std::string> after;
  };
  for (const Case& c : {Case{"B", {"100B:D"}}, Case{"G", {"100G"}}, Case{"D", {"100D"}},
                        Case{"X", {}}, Case{"", {}}, Case{"b", {}}}) {
    SCOPED_TRACE(c.letter);
    Table t;
    t.edit(LevelBuilder());
    t.game.verser_goutte(100, c.letter);
    EXPECT_EQ(t.wet(), c.after);
  }
  // Set, not added: a second drop in the same direction changes only the heading.
  Table t;
  t.edit(LevelBuilder());
  t.drop(100, 'B', "G");
  t.game.verser_goutte(100, "B");
  EXPECT_EQ(t.at(100).eau_b, 1);
  EXPECT_TRUE(t.at(100).sens.is_droite());
  t.game.verser_goutte(100, "G");
  EXPECT_EQ(t.at(100).eau_g, 1);
  EXPECT_EQ(t.at(100).eau_b, 1);
  EXPECT_TRUE(t.at(100).sens.is_gauche());
}

TEST(WaterRules, CodeImageAddsWaterAndDoorPower) {
  struct Case {
    int piece, g, d, b, compteur, code;
  };
  const Case cases[] = {
      {piece::vide, 0, 0, 0, 0, 0},     {piece::brique, 0, 0, 0, 0, 20},
      {piece::vide, 1, 0, 0, 0, 400},   {piece::plateforme, 0, 0, 1, 0, 101},
      {piece::verre, 1, 1, 1, 0, 718},  {piece::coude_droit, 0, 1, 0, 0, 204},
      {piece::porte, 0, 0, 1, 3, 914},  {piece::porte, 0, 0, 1, 0, 114},
      {piece::porte, 0, 0, 0, 1, 814},  {piece::porte, 1, 1, 1, 5, 1514},
      {piece::porte, 0, 0, 0, -4, 14},  {piece::moulin, 0, 0, 1, 5, 113},
  };
  for (const Case& c : cases) {
    Cellule cell;
    cell.piece = static_cast<std::int16_t>(c.piece);
    cell.eau_g = static_cast<std::int16_t>(c.g);
    cell.eau_d = static_cast<std::int16_t>(c.d);
    cell.eau_b = static_cast<std::int16_t>(c.b);
    cell.compteur = static_cast<std::int16_t>(c.compteur);
    EXPECT_EQ(code_image(cell), c.code) << "expected " << c.code;
  }
}

TEST(WaterRules, OnlyChangedPicturesAreRepainted) {
  Table t;
  t.edit(LevelBuilder().put(100, piece::brique));
  t.ticks(1);
  t.view.cells.clear();
  t.drop(50, 'B', "D");
  t.ticks(1);
  // Cell 50 shows its drop; nothing else changed on screen.
  EXPECT_EQ(t.view.cells, (std::vector<std::pair<int, int>>{{50, 100}}));
}

TEST(WaterRules, DessinerCaseShowsTheDryPieceAndIgnoresCellsOffTheBoard) {
  Table t;
  t.edit(LevelBuilder().put(100, piece::verre));
  t.drop(100, 'B', "D");
  t.ticks(1);  // shows 118 while watered
  t.view.cells.clear();
  t.game.dessiner_case(100);
  t.game.dessiner_case(228);
  t.game.dessiner_case(-1);
  EXPECT_EQ(t.view.cells, (std::vector<std::pair<int, int>>{{100, piece::verre}}));
}

TEST(WaterRules, PowerCountdownStopsAtMinusTen) {
  Table t;
  t.edit(LevelBuilder().put(100, piece::porte));
  t.ticks(15);
  EXPECT_EQ(t.at(100).compteur, -10);
  EXPECT_EQ(t.at(5).compteur, -10);
}

TEST(WaterRules, EditorKeepsTheSourceShutAndTheClockStill) {
  Table t;
  t.game.nouveau_tableau();
  t.ticks(1300);
  EXPECT_EQ(t.game.text_eau(), "10");
  EXPECT_EQ(t.game.text_temps(), "10");
  EXPECT_TRUE(t.board_dry());
  EXPECT_EQ(t.game.games_ended(), 0);
  EXPECT_TRUE(t.game.timer_eau_enabled());
}

TEST(WaterRules, TickCounterWrapsToZeroAfterThirtyThousand) {
  Table t;
  t.game.nouveau_tableau();
  t.game.set_tick_counter(29999);
  t.ticks(1);
  EXPECT_EQ(t.game.tick_counter(), 30000);
  t.ticks(1);
  EXPECT_EQ(t.game.tick_counter(), 0);
  t.ticks(1);
  EXPECT_EQ(t.game.tick_counter(), 1);
}

TEST(WaterRules, PausedTickDoesNothing) {
  Table t;
  t.play(LevelBuilder().water("10"));
  t.ticks(2);
  t.game.toggle_pause();
  const auto before = t.game.plateau();
  t.view.clear();
  t.ticks(5);
  EXPECT_EQ(t.game.tick_counter(), 2);
  EXPECT_EQ(t.game.text_eau(), "8");
  EXPECT_EQ(t.game.plateau(), before);
  EXPECT_TRUE(t.view.cells.empty());
  t.game.toggle_pause();
  t.ticks(1);
  EXPECT_EQ(t.game.tick_counter(), 3);
  EXPECT_EQ(t.game.text_eau(), "7");
}

}  // namespace
}  // namespace drippo
