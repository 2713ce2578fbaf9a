#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/board_builder.h"

namespace drippo {
namespace {

using testing::LevelBuilder;
using testing::Table;

LevelBuilder sample_level() {
  LevelBuilder level;
  level.put(50, piece::brique).put(60, piece::verre).put(61, piece::bocal).put(62, piece::pot_de_fleurs);
  level.put(63, piece::plateforme);
  level.cell(60).besoin = 3;
  level.cell(61).besoin = -7;
  level.cell(62).besoin = 0;
  level.cell(63).besoin = 9;
  level.cell(64).modifiable = 0;  // an empty cell
  level.stock(piece::brique, "4").stock(piece::diagonale_droite, "").time("10").water("12");
  return level;
}

// ---- Loading ----------------------------------------------------------------

TEST(LoadLevel, ToPlayFixesTheLevelsPiecesAndStartsTheCountdown) {
  Table t;
  t.game.set_mode_jeu(ModeJeu::Jouer);
  LevelData data = sample_level();
  data.author = "Zoé";
  t.game.load_level(data, "essai.tab");

  for (int c : {50, 60, 61, 62, 63}) EXPECT_EQ(t.at(c).modifiable, 0) << c;
  EXPECT_EQ(t.at(64).modifiable, 1);
  EXPECT_EQ(t.at(65).modifiable, 1);
  // Goals start full; another piece keeps what its cell held.
  EXPECT_EQ(t.at(60).besoin, 10);
  EXPECT_EQ(t.at(62).besoin, 30);
  EXPECT_EQ(t.at(63).besoin, 9);
  EXPECT_EQ(t.game.water().goals(), 3);
  EXPECT_EQ(t.game.table().stock(piece::brique), "4");
  EXPECT_EQ(t.game.table().auteur_tableau, "Zoé");
  EXPECT_EQ(t.view.texts[Field::Title], std::vector<std::string>{"essai.tab"});
  EXPECT_EQ(t.game.table().shown_picture(50), piece::brique);
  EXPECT_TRUE(t.game.play().timer_rebour_enabled());
  EXPECT_FALSE(t.game.water().running());
  EXPECT_TRUE(t.game.editor().fields_locked());
  EXPECT_TRUE(t.game.editor().tableau_sauve());
  EXPECT_EQ(t.view.music_starts, 1);
}

TEST(LoadLevel, ToEditLeavesEveryCellMovableAndRunsTheWater) {
  Table t;
  t.game.set_mode_jeu(ModeJeu::Charger);
  t.game.load_level(sample_level(), "essai.tab");
  for (int c : {50, 60, 63, 64, 65}) EXPECT_EQ(t.at(c).modifiable, 1) << c;
  EXPECT_EQ(t.at(61).besoin, 50);
  EXPECT_EQ(t.game.water().goals(), 3);
  EXPECT_FALSE(t.game.play().timer_rebour_enabled());
  EXPECT_TRUE(t.game.water().running());
  EXPECT_FALSE(t.game.editor().fields_locked());
  EXPECT_FALSE(t.game.editor().tableau_sauve());
  EXPECT_TRUE(t.game.table().mode_edition());
}

// Easy doubles the time and the water. Whole numbers keep every digit, and a
// water past single precision's range is very much water, not none; a
// fraction reads as the same decimal, doubled or not.
TEST(LoadLevel, EasyDifficultyDoublesTimeAndWater) {
  struct Case {
    std::int16_t difficulte;
    const char* time;
    const char* water;
    const char* shown_time;
    const char* shown_water;
  };
  const Case cases[] = {
      {100, "10", "7", "10", "7"},  {200, "10", "7", "20", "14"}, {200, "2.5", "0", "5", "0"},
      {200, "", "abc", "0", "0"},   {100, "3x", "-4", "3", "-4"},
      {100, "16777217", "123456789", "16777217", "123456789"},
      {200, "16777217", "123456789", "33554434", "246913578"},
      {100, "60", "1e39", "60", "1e+39"},
      {200, "60", "1e308", "120", "1.7976931348623157e+308"},
      {100, "10.3", "0.1", "10.3", "0.1"},  {200, "10.3", "0.1", "20.6", "0.2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.difficulte) + " " + c.time + " " + c.water);
    Table t;
    t.game.settings().difficulte = c.difficulte;
    t.game.set_mode_jeu(ModeJeu::Jouer);
    t.game.load_level(LevelBuilder().time(c.time).water(c.water), "essai.tab");
    EXPECT_EQ(t.game.table().text_temps(), c.shown_time);
    EXPECT_EQ(t.game.table().text_eau(), c.shown_water);
  }
}

TEST(LoadLevel, ReloadingStopsTheWaterAndClearsWhatTheLastGameLeft) {
  Table t;
  const LevelData level = LevelBuilder().put(37, piece::eponge).water("5").time("3");
  t.play(level);
  t.ticks(2);
  ASSERT_FALSE(t.game.water().held_drops().to_vector().empty());
  t.game.play().toggle_pause();
  t.game.load_level(level, "essai.tab");
  EXPECT_FALSE(t.game.play().en_pause());
  EXPECT_TRUE(t.game.water().held_drops().to_vector().empty());
  EXPECT_FALSE(t.game.water().running());
  EXPECT_TRUE(t.game.play().timer_rebour_enabled());
  EXPECT_TRUE(t.board_dry());
  EXPECT_EQ(t.game.table().text_eau(), "5");
  EXPECT_EQ(t.at(37).modifiable, 0);
}

TEST(LoadLevel, AfterAGameTheEnvelopeStopsAndTheMessageClears) {
  Table t;
  t.play(LevelBuilder().water("0"));
  t.ticks(2);
  ASSERT_EQ(t.game.play().games_ended(), 1);
  EXPECT_TRUE(t.game.window().envelope_moving());
  t.game.load_level(LevelBuilder().water("0"), "essai.tab");
  EXPECT_FALSE(t.game.window().envelope_moving());
  EXPECT_EQ(t.game.table().comment(), "");
}

// ---- New level and saving ------------------------------------------------------

TEST(NewLevel, StartsAnEmptyEditableBoard) {
  Table t;
  t.play(sample_level());
  t.drop(100, 'B', "G");
  t.at(100).compteur = 4;
  t.game.nouveau_tableau();

  for (int p = 1; p <= nb_types; ++p) EXPECT_EQ(t.game.table().stock(p), "99") << p;
  EXPECT_EQ(t.game.table().text_temps(), "10");
  EXPECT_EQ(t.game.table().text_eau(), "10");
  EXPECT_EQ(t.view.texts[Field::Title].back(), "nouveau");
  EXPECT_TRUE(t.game.table().mode_edition());
  EXPECT_FALSE(t.game.editor().tableau_sauve());
  EXPECT_FALSE(t.game.editor().fields_locked());
  EXPECT_TRUE(t.game.water().running());
  EXPECT_FALSE(t.game.play().timer_rebour_enabled());
  EXPECT_EQ(t.game.water().goals(), 0);
  for (int c = 0; c <= derniere_case; ++c) {
    EXPECT_EQ(t.at(c).piece, piece::vide) << c;
    EXPECT_EQ(t.at(c).modifiable, 1) << c;
    EXPECT_EQ(t.game.table().shown_picture(c), 0) << c;
  }
  EXPECT_TRUE(t.board_dry());
  EXPECT_EQ(t.at(100).compteur, 0);
  // The heading and the goal's need are not part of what a new level clears.
  EXPECT_TRUE(t.at(100).sens.is_gauche());
  EXPECT_EQ(t.at(60).besoin, 10);
}

TEST(SaveLevel, LevelForSavingDropsTheWaterAndKeepsTheRest) {
  Table t;
  t.edit(sample_level());
  t.drop(100, 'D', "D");
  t.drop(50, 'G', "G");
  const LevelData saved = t.game.editor().level_for_saving("Zoé");
  EXPECT_TRUE(t.board_dry());
  for (const Cellule& c : saved.cells) EXPECT_FALSE(c.has_water());
  EXPECT_EQ(saved.cells[50].piece, piece::brique);
  EXPECT_TRUE(saved.cells[100].sens.is_droite());
  EXPECT_EQ(saved.stocks[piece::brique], "4");
  EXPECT_EQ(saved.time, "10");
  EXPECT_EQ(saved.water, "12");
  EXPECT_EQ(saved.author, "Zoé");
}

// ---- Countdown and pause ---------------------------------------------------------

void load_with_time(Table& t, const std::string& time) {
  t.game.set_mode_jeu(ModeJeu::Jouer);
  t.game.load_level(LevelBuilder().time(time).water("5"), "essai.tab");
}

TEST(Countdown, TimeOfOneStartsTheWaterAtOnce) {
  Table t;
  load_with_time(t, "1");
  t.game.water().set_tick_counter(77);
  t.game.play().timer_rebour_Timer();
  EXPECT_EQ(t.game.table().text_temps(), "0");
  EXPECT_TRUE(t.game.water().running());
  EXPECT_FALSE(t.game.play().timer_rebour_enabled());
  EXPECT_FALSE(t.game.play().time_is_red());
  EXPECT_EQ(t.game.water().tick_counter(), 0);
  EXPECT_EQ(t.view.count(Sound::Water), 1);
  EXPECT_EQ(t.view.count(Sound::Hurry), 0);
}

TEST(Countdown, LastThreeSecondsHurryInRed) {
  struct Step {
    const char* shown;
    bool red;
    int hurries;
    bool water;
  };
  const Step steps[] = {
      {"4", false, 0, false}, {"3", true, 1, false}, {"2", true, 2, false},
      {"1", true, 3, false},  {"0", false, 3, true},
  };
  Table t;
  load_with_time(t, "5");
  for (const Step& s : steps) {
    SCOPED_TRACE(s.shown);
    t.game.play().timer_rebour_Timer();
    EXPECT_EQ(t.game.table().text_temps(), s.shown);
    EXPECT_EQ(t.game.play().time_is_red(), s.red);
    EXPECT_EQ(t.view.count(Sound::Hurry), s.hurries);
    EXPECT_EQ(t.game.water().running(), s.water);
    if (s.red) {
      EXPECT_EQ(t.game.table().comment(), "Attention...");
    }
  }
  EXPECT_EQ(t.game.table().comment(), "C'est parti!");
}

TEST(Countdown, FractionalTimeStartsOnceBelowZero) {
  Table t;
  t.game.settings().langue = 1;
  load_with_time(t, "2.5");
  t.game.play().timer_rebour_Timer();
  EXPECT_EQ(t.game.table().text_temps(), "1.5");
  EXPECT_EQ(t.game.table().comment(), "Ready...");
  t.game.play().timer_rebour_Timer();
  EXPECT_EQ(t.game.table().text_temps(), "0.5");
  EXPECT_FALSE(t.game.water().running());
  t.game.play().timer_rebour_Timer();
  EXPECT_TRUE(t.game.water().running());
  EXPECT_FALSE(t.game.play().timer_rebour_enabled());
  EXPECT_EQ(t.game.table().comment(), "Go!");
}

TEST(Pause, FreezesTheCountdownUntilResumed) {
  Table t;
  load_with_time(t, "5");
  t.game.play().timer_rebour_Timer();
  t.game.play().toggle_pause();
  EXPECT_TRUE(t.game.play().en_pause());
  EXPECT_FALSE(t.game.window().cells_shown());
  for (int k = 0; k < 3; ++k) t.game.play().timer_rebour_Timer();
  EXPECT_EQ(t.game.table().text_temps(), "4");
  t.game.play().toggle_pause();
  EXPECT_TRUE(t.game.window().cells_shown());
  t.game.play().timer_rebour_Timer();
  EXPECT_EQ(t.game.table().text_temps(), "3");
}

TEST(Pause, OnlyAPlayedLevelCanBePaused) {
  Table welcome;
  welcome.game.play().toggle_pause();
  EXPECT_FALSE(welcome.game.play().en_pause());

  Table editor;
  editor.edit(LevelBuilder());
  editor.game.play().toggle_pause();
  EXPECT_FALSE(editor.game.play().en_pause());
}

}  // namespace
}  // namespace drippo
