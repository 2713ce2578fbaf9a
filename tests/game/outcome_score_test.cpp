#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/board_builder.h"

namespace drippo {
namespace {

using testing::LevelBuilder;
using testing::Table;

// One drop into the goal at `cell`, which needed only that one.
void fill_goal(Table& t, int cell) {
  t.at(cell).besoin = 1;
  t.drop(cell, 'B', "D");
  t.ticks(1);
}

// ---- Goals and score ---------------------------------------------------------

TEST(Goal, GlassFillsAtTheTenthDropAndTheEleventhOnlyCounts) {
  // The glass sits under the source: each drop falls into it the tick after its release.
  Table t;
  t.play(LevelBuilder().put(37, piece::verre).put(200, piece::bocal).water("11"));
  t.ticks(10);  // nine drops in
  EXPECT_EQ(t.at(37).besoin, 1);
  EXPECT_EQ(t.view.count(Sound::Goal), 0);
  t.ticks(1);
  EXPECT_EQ(t.at(37).besoin, 0);
  EXPECT_EQ(t.game.table().comment(), "Bien joué!");
  EXPECT_EQ(t.game.table().texte_score(), "50");
  EXPECT_EQ(t.view.count(Sound::Goal), 1);
  t.ticks(1);
  EXPECT_EQ(t.at(37).besoin, -1);
  EXPECT_EQ(t.game.water().score(), 50.0);
  EXPECT_EQ(t.view.count(Sound::Goal), 1);
  EXPECT_EQ(t.game.play().games_ended(), 0);
}

TEST(Goal, ScoreIsTheShareOfGoalsFilled) {
  // Shares that are not whole numbers; six sixths add up to a hair past 100
  // unless the goals filled are recovered through 15 digits.
  for (int n : {3, 6}) {
    SCOPED_TRACE(std::to_string(n) + " goals");
    Table t;
    LevelBuilder level;
    for (int k = 0; k < n; ++k) level.put(95 + 2 * k, piece::verre);
    t.play(level.water("100"));
    ASSERT_EQ(t.game.water().goals(), n);
    for (int k = 0; k < n; ++k) t.at(95 + 2 * k).besoin = 1;
    for (int k = 1; k <= n; ++k) {
      t.drop(95 + 2 * (k - 1), 'B', "D");
      t.ticks(1);
      EXPECT_EQ(t.game.table().texte_score(), std::to_string(100 * k / n)) << k << " filled";
      if (k < n) {
        EXPECT_EQ(t.game.table().comment(), "Bien joué!");
        EXPECT_EQ(t.game.play().games_ended(), 0);
      }
    }
    EXPECT_EQ(t.game.water().score(), 100.0);
    EXPECT_EQ(t.game.table().comment(), "Partie gagnée!");
    EXPECT_EQ(t.game.play().last_outcome(), Outcome::Win);
    EXPECT_EQ(t.game.play().games_ended(), 1);
    ASSERT_EQ(t.scores.recorded.size(), 1u);
    EXPECT_EQ(t.scores.recorded[0], (std::pair<std::string, double>{"essai.tab", 100.0}));
  }
}

TEST(Goal, WithoutCountedGoalsAFilledGoalOnlySaysWellDone) {
  Table t;
  t.play(LevelBuilder().water("100"));
  t.at(100).piece = piece::verre;
  ASSERT_EQ(t.game.water().goals(), 0);
  fill_goal(t, 100);
  EXPECT_EQ(t.game.table().comment(), "Bien joué!");
  EXPECT_EQ(t.game.water().score(), 0.0);
  EXPECT_EQ(t.game.table().texte_score(), "0");
  EXPECT_EQ(t.game.play().games_ended(), 0);
}

TEST(Goal, NeedStopsAtTheSmallestValueInsteadOfWrapping) {
  Table t;
  t.edit(LevelBuilder().put(100, piece::verre));
  t.at(100).besoin = INT16_MIN + 1;
  for (int k = 0; k < 3; ++k) {
    t.drop(100, 'B', "D");
    t.ticks(1);
  }
  EXPECT_EQ(t.at(100).besoin, INT16_MIN);
  EXPECT_EQ(t.view.count(Sound::Goal), 0);
}

// ---- End of the time and of the water ------------------------------------

TEST(Outcome, TimeRunsOutAtTick1200WhileDropsStillMove) {
  Table t;
  t.play(LevelBuilder().water("2000"));
  t.ticks(1199);
  EXPECT_EQ(t.game.table().text_temps(), "119");
  EXPECT_EQ(t.game.play().games_ended(), 0);
  t.ticks(1);
  EXPECT_EQ(t.game.table().text_temps(), "120");
  EXPECT_EQ(t.game.play().last_outcome(), Outcome::TimeOut);
  EXPECT_EQ(t.game.table().comment(), "Temps ecoulé...");
  EXPECT_FALSE(t.game.water().running());
  // The source and the drops did their work in that tick too.
  EXPECT_EQ(t.game.table().text_eau(), "800");
  EXPECT_EQ(t.at(37).eau_b, 1);
  EXPECT_EQ(t.at(56).eau_b, 1);
  EXPECT_EQ(t.scores.recorded.size(), 1u);
}

TEST(Outcome, EndOfWaterDecidedOnTheTickAfterTheBoardDries) {
  // A drop released at tick k leaves the bottom at tick k + 11; the board is
  // dry after that tick and the game ends on the next one.
  struct Case {
    const char* water;
    int releases;
    int ends_at;
  };
  const Case cases[] = {{"0", 0, 2}, {"1", 1, 13}, {"10", 10, 22}, {"2.5", 2, 14}, {"-3", 0, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("water ") + c.water);
    Table t;
    t.play(LevelBuilder().water(c.water));
    int releases = 0;
    int ended = 0;
    for (int k = 1; k <= 60 && ended == 0; ++k) {
      t.ticks(1);
      if (t.game.table().shown_picture(case_source) == 400) ++releases;
      if (t.game.play().games_ended() > 0) ended = k;
    }
    EXPECT_EQ(releases, c.releases);
    EXPECT_EQ(ended, c.ends_at);
    EXPECT_EQ(t.game.play().last_outcome(), Outcome::GameOver);
    EXPECT_EQ(t.game.table().comment(), "Partie terminée...");
    EXPECT_EQ(t.game.play().games_ended(), 1);
    EXPECT_EQ(t.view.count(Sound::Griou), 1);
  }
}

TEST(Outcome, TimeOutInTheTickTheWaterEndsHidesTheGameOver) {
  Table t;
  t.play(LevelBuilder().water("1188"));  // dry after tick 1199
  t.ticks(1199);
  ASSERT_EQ(t.game.play().games_ended(), 0);
  ASSERT_TRUE(t.board_dry());
  t.ticks(1);
  EXPECT_EQ(t.game.play().games_ended(), 1);
  EXPECT_EQ(t.game.play().last_outcome(), Outcome::TimeOut);
  EXPECT_EQ(t.game.table().comment(), "Temps ecoulé...");
}

TEST(Outcome, LastGoalFilledAsTheTimeRunsOutWins) {
  Table t;
  t.play(LevelBuilder().put(100, piece::verre).water("2000"));
  t.ticks(1199);
  fill_goal(t, 100);
  EXPECT_EQ(t.game.table().comment(), "Partie gagnée!");
  EXPECT_EQ(t.game.play().games_ended(), 2);
  EXPECT_EQ(t.game.play().last_outcome(), Outcome::Win);
  ASSERT_EQ(t.scores.recorded.size(), 2u);
  EXPECT_EQ(t.scores.recorded[1].second, 100.0);
}

// ---- The cat -------------------------------------------------------------------

TEST(Cat, WettingTheCatEndsTheGameWithTheScoreOfTheGoalsFilledBefore) {
  Table t;
  t.play(LevelBuilder().put(100, piece::verre).put(104, piece::bocal).put(150, piece::chat).water("9"));
  t.at(100).besoin = 1;
  t.drop(100, 'B', "D");
  t.drop(150, 'D', "D");
  t.ticks(1);
  EXPECT_EQ(t.game.table().texte_score(), "50");
  EXPECT_EQ(t.game.table().comment(), "Attention au chat!");
  EXPECT_EQ(t.game.play().last_outcome(), Outcome::Cat);
  EXPECT_EQ(t.game.play().games_ended(), 1);
  EXPECT_EQ(t.view.count(Sound::Meow), 1);
  EXPECT_EQ(t.scores.recorded, (std::vector<std::pair<std::string, double>>{{"essai.tab", 50.0}}));
}

TEST(Cat, InTheEditorTheCatComplainsAndTheWaterGoesOn) {
  Table t;
  t.game.settings().langue = 1;
  t.edit(LevelBuilder().put(100, piece::chat));
  t.drop(100, 'B', "D");
  t.drop(50, 'B', "D");
  t.ticks(1);
  EXPECT_EQ(t.game.table().comment(), "Mind the cat!");
  EXPECT_EQ(t.view.count(Sound::Meow), 1);
  EXPECT_EQ(t.game.play().games_ended(), 0);
  EXPECT_TRUE(t.game.water().running());
  t.ticks(1);
  EXPECT_EQ(t.at(88).eau_b, 1);
}

TEST(Outcome, AScoreThatCannotBeKeptIsToldUnderTheOutcomeUntilTheNextGame) {
  for (std::int16_t langue : {0, 1}) {
    SCOPED_TRACE(langue);
    const std::string problem = langue == 0 ? "Score perdu" : "Score lost";
    Table t;
    t.game.settings().langue = langue;
    t.scores.failing = true;
    t.play(LevelBuilder().put(100, piece::verre).put(150, piece::verre).water("0"));
    fill_goal(t, 100);
    const std::string well_done = langue == 0 ? "Bien joué!" : "Well done!";
    EXPECT_EQ(t.game.table().comment(), well_done);  // nothing recorded yet
    t.ticks(1);                              // the board is dry: game over
    ASSERT_EQ(t.game.play().last_outcome(), Outcome::GameOver);
    const std::string game_over = langue == 0 ? "Partie terminée..." : "Game over...";
    EXPECT_EQ(t.game.table().comment(), game_over + "\n" + problem);
    t.game.window().survoler_case(150);
    EXPECT_EQ(t.game.table().comment(), (langue == 0 ? "Gouttes: 10\n" : "Amount: 10\n") + problem);
    t.game.play().start_water();  // the next game
    EXPECT_EQ(t.game.table().comment(), langue == 0 ? "C'est parti!" : "Go!");

    // A win says so before the score is recorded: the problem comes under it.
    t.at(100).besoin = 1;
    t.at(150).besoin = 1;
    t.drop(100, 'B', "D");
    t.drop(150, 'B', "D");
    t.ticks(1);
    ASSERT_EQ(t.game.play().last_outcome(), Outcome::Win);
    EXPECT_EQ(t.game.table().comment(), (langue == 0 ? "Partie gagnée!\n" : "You win!\n") + problem);
  }
}

// ---- Test water in the editor -----------------------------------------------

TEST(EditorWater, EnteringTheEditorAfterAWinStartsFromNoScore) {
  Table t;
  t.play(LevelBuilder().put(100, piece::verre).water("10"));
  fill_goal(t, 100);
  ASSERT_EQ(t.game.water().score(), 100.0);

  t.game.nouveau_tableau();
  EXPECT_EQ(t.game.water().score(), 0.0);
  EXPECT_EQ(t.game.table().texte_score(), "0");

  t.edit(LevelBuilder().put(100, piece::verre).put(200, piece::verre));
  fill_goal(t, 100);
  EXPECT_EQ(t.game.table().texte_score(), "50");
}

TEST(EditorWater, AWinByTestWaterIsOnlyAMessage) {
  Table t;
  t.levels.levels = {{"essai.tab", "100"}};
  t.edit(LevelBuilder().put(100, piece::verre).stock(piece::verre, "1"));
  fill_goal(t, 100);
  EXPECT_EQ(t.game.table().comment(), "Partie gagnée!");
  EXPECT_EQ(t.game.table().texte_score(), "100");
  EXPECT_TRUE(t.game.water().running());
  EXPECT_EQ(t.game.play().games_ended(), 0);
  EXPECT_TRUE(t.scores.recorded.empty());
  EXPECT_FALSE(t.game.window().accueil_shown());
  EXPECT_FALSE(t.game.window().envelope_shown());

  // The goal taken back and set down again is empty again: filling it wins
  // again, at 100 and not past it; the full one is half of two goals.
  t.game.placing().reprendre_piece(100);
  ASSERT_TRUE(t.game.placing().palette_mouse_down(piece::verre));
  ASSERT_TRUE(t.game.placing().drop_on_cell(100));
  EXPECT_EQ(t.game.table().texte_score(), "0");
  fill_goal(t, 100);
  EXPECT_EQ(t.game.table().texte_score(), "100");
  ASSERT_TRUE(t.game.placing().palette_mouse_down(piece::verre));
  ASSERT_TRUE(t.game.placing().drop_on_cell(120));
  EXPECT_EQ(t.game.table().texte_score(), "50");
}

TEST(EditorWater, ATestDropOnAnEmptyCellChangesNothingElse) {
  Table t;
  // Test water blows up the bomb at 120 and the glass above it.
  t.edit(LevelBuilder().put(101, piece::verre).put(120, piece::bombe).put(200, piece::verre));
  t.drop(120, 'B', "D");
  t.ticks(1);
  ASSERT_EQ(t.at(101).piece, piece::vide);
  ASSERT_EQ(t.game.water().goals(), 2);

  EXPECT_FALSE(t.game.placing().board_mouse_down(50, MouseButton::Right));
  EXPECT_EQ(t.at(50).eau_b, 1);
  EXPECT_EQ(t.game.water().goals(), 2);
  EXPECT_FALSE(t.game.editor().can_undo());

  // So the glass left is half of the goals, not all of them.
  fill_goal(t, 200);
  EXPECT_EQ(t.game.table().texte_score(), "50");
  EXPECT_EQ(t.game.table().comment(), "Bien joué!");
}

// ---- Every level done ---------------------------------------------------------

std::string joined(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += (s.empty() ? "" : "\r") + l;
  return s;
}

// A language other than French or English has no texts at all.
TEST(AllLevelsDone, CongratulatesOnceEveryLevelStandsAt100) {
  struct Case {
    std::int16_t langue;
    std::string win, text;
  };
  const Case cases[] = {
      {0, "Partie gagnée!", joined({"BIEN JOUE!", "Tu as terminé tous les tableaux du jeu!",
                                    "Maintenant à toi d'en créer et de les envoyer aux autres joueurs...",
                                    "Encore bravo!", "Vrel"})},
      {1, "You win!", joined({"WELL DONE!", "You have completed all the levels!",
                              "Now it is your turn to create levels and send them to other players...",
                              "Congratulations!", "Vrel"})},
      {2, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.langue);
    Table t;
    t.game.settings().langue = c.langue;
    t.levels.levels = {{"a.tab", "100"}, {"essai.tab", "100"}, {"z.tab", "100"}};
    t.play(LevelBuilder().put(100, piece::verre).water("50"));
    const int music_at_start = t.view.music_starts;
    EXPECT_FALSE(t.game.window().accueil_shown());
    fill_goal(t, 100);
    EXPECT_EQ(t.game.play().last_outcome(), Outcome::Win);
    EXPECT_EQ(t.game.table().comment(), c.win);
    EXPECT_EQ(t.game.window().accueil(), c.text);
    EXPECT_TRUE(t.game.window().accueil_shown());
    EXPECT_TRUE(t.game.window().image3_shown());
    EXPECT_TRUE(t.game.window().envelope_shown());
    EXPECT_EQ(t.view.music_starts, music_at_start + 1);
  }
}

TEST(AllLevelsDone, NothingMoreWhileOneLevelIsNotAt100) {
  for (const char* other : {"99", "", "100.5"}) {
    SCOPED_TRACE(other);
    Table t;
    t.levels.levels = {{"a.tab", "100"}, {"b.tab", other}, {"c.tab", "100"}};
    t.play(LevelBuilder().put(100, piece::verre).water("50"));
    const int music_at_start = t.view.music_starts;
    fill_goal(t, 100);
    EXPECT_EQ(t.game.play().last_outcome(), Outcome::Win);
    EXPECT_EQ(t.game.window().accueil(), "");
    EXPECT_FALSE(t.game.window().accueil_shown());
    EXPECT_EQ(t.view.music_starts, music_at_start);
  }
}

}  // namespace
}  // namespace drippo
