// The solver's help through the window: the hint while playing, the check in
// the editor, the question before saving, and searches stopped on the way.
#include "solver/problem.h"
#include "solver/solver.h"
#include "ui/dialogs/save_dialog.h"
#include "ui/main/hint_control.h"
#include "ui/main/level_check_control.h"
#include "window_fixture.h"

namespace drippo::ui::testing {
namespace {

namespace fs = std::filesystem;

class HintTest : public WindowTest {
 protected:
  // Asks for a hint on the glass under the source: nothing is to be added.
  void ask_needless_hint() {
    click("bouton_indice");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window_->hint().waiting(); }, 3000));
    ASSERT_EQ(text_of("comment"), QString::fromUtf8("Rien à ajouter : l'eau fera le reste."));
  }
  void run_water_until_game(int ended) {
    timer("timer_eau")->setInterval(1);
    run_countdown();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window_->game().play().games_ended() == ended; }, 5000));
  }
};

// The glass two rows under the source: the water alone fills it, unless a
// brick stands in its way.
const std::vector<std::string> glass_below = {"...................", "...................", "..................G"};

bool hint_shown(MainWindow& w) { return w.board().hint().cell >= 0; }

std::vector<int> pieces_of(const Game& game) {
  std::vector<int> out;
  for (int i = 0; i <= derniere_case; ++i) out.push_back(game.table().cell(i).piece);
  return out;
}

TEST_F(HintTest, AHintOnAShippedLevelIsAPieceOfAWinAndPlacesNothing) {
  fs::copy_file(fs::path(DRIPPO_ASSETS_PATH) / "tab" / "04 La cascade.tab", folder_.tab() / "04 La cascade.tab");
  play("04 La cascade.tab");
  Game& game = window_->game();
  const Board before = game.water().board();
  QTest::keyClick(&window_->board(), Qt::Key_H);
  ASSERT_TRUE(QTest::qWaitFor([&] { return hint_shown(*window_); }, 6000));
  EXPECT_EQ(game.water().board(), before);  // shown, not placed
  const BoardWidget::Hint hint = window_->board().hint();
  ASSERT_FALSE(hint.take_back);

  // Set down as a player would, the hinted piece leaves a win the game confirms.
  ASSERT_FALSE(solve::place(game, {hint.cell, hint.piece}).has_value());
  EXPECT_FALSE(hint_shown(*window_) && game.table().cell(hint.cell).piece == piece::vide);
  const solve::Problem rest = solve::live_problem(solve::live_start_of(game), game.settings().difficulte);
  const solve::SolveResult r = solve::solve(rest, {.max_pieces = 8, .seconds = 10});
  ASSERT_EQ(r.verdict, solve::Verdict::Solved);
  EXPECT_TRUE(solve::replay(rest, r.placements).won);
}

TEST_F(HintTest, WhileTheWaterRunsTheGameWaitsForTheHintWhichPointsAtTheWrongPiece) {
  put_level("un.tab", "time: 50\nwater: 10\nstock 20: 1", glass_below);
  play("un.tab");
  window_->game().placing().palette_mouse_down(piece::brique);
  click_cell(case_source + nb_colonnes);
  run_countdown();
  window_->game().settings().langue = 1;
  click("bouton_indice");
  EXPECT_TRUE(window_->game().play().en_pause());
  const std::int32_t asked_at = window_->game().water().tick_counter();
  ASSERT_TRUE(QTest::qWaitFor([&] { return hint_shown(*window_); }, 6000));
  EXPECT_EQ(window_->game().water().tick_counter(), asked_at);
  EXPECT_FALSE(window_->game().play().en_pause());
  EXPECT_EQ(window_->board().hint().cell, case_source + nb_colonnes);
  EXPECT_TRUE(window_->board().hint().take_back);
  EXPECT_EQ(text_of("comment"), "Hint: take this piece back.");
  // The player acts: the hint goes.
  click_cell(case_source + nb_colonnes, Qt::RightButton);
  EXPECT_FALSE(hint_shown(*window_));
}

TEST_F(HintTest, AWinAfterAHintIsListedApartAndACleanWinTakesItOff) {
  put_level("un.tab", "time: 1\nwater: 20", glass_below);
  play("un.tab");
  ASSERT_NO_FATAL_FAILURE(ask_needless_hint());
  const HintMarks marks(folder_.sta());
  ASSERT_NO_FATAL_FAILURE(run_water_until_game(1));
  EXPECT_TRUE(marks.marked("un.tab"));
  EXPECT_EQ(levels_->stored_score_text("un.tab"), "100");  // the score is the water's

  play("un.tab");
  ASSERT_NO_FATAL_FAILURE(run_water_until_game(2));
  EXPECT_FALSE(marks.marked("un.tab"));
}

TEST_F(HintTest, AHintInAGameStartedAgainDoesNotMarkTheNextWin) {
  put_level("deux.tab", "time: 1\nwater: 20", glass_below);
  play("deux.tab");
  ASSERT_NO_FATAL_FAILURE(ask_needless_hint());
  play("deux.tab");
  ASSERT_NO_FATAL_FAILURE(run_water_until_game(1));
  EXPECT_EQ(levels_->stored_score_text("deux.tab"), "100");
  EXPECT_FALSE(HintMarks(folder_.sta()).marked("deux.tab"));
}

TEST_F(HintTest, TheCheckSaysWhetherTheLevelCanBeWonAndShowsHowThenPutsTheBoardBack) {
  put_level("un.tab", "time: 5\nwater: 10\nstock 1: 2", glass_below);
  put_level("sec.tab", "time: 5\nwater: 3", glass_below);
  window_->game().set_mode_jeu(ModeJeu::Charger);
  ASSERT_TRUE(window_->load_level("un.tab"));
  window_->game().settings().langue = 0;
  QTest::keyClick(&window_->board(), Qt::Key_K, Qt::ControlModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window_->level_check().last().has_value(); }, 6000));
  EXPECT_EQ(text_of("label_bouton"), QString::fromUtf8("Solvable avec 0 pièce. Stock inutile : 1 sorte de pièces."));

  const std::vector<int> before = pieces_of(window_->game());
  click("bouton_verifier");  // again, on the same level: the solution is shown
  EXPECT_TRUE(window_->level_check().showing());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window_->level_check().showing(); }, 10000));
  EXPECT_EQ(pieces_of(window_->game()), before);

  ASSERT_TRUE(window_->load_level("sec.tab"));
  window_->game().settings().langue = 1;
  click("bouton_verifier");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window_->level_check().waiting(); }, 6000));
  EXPECT_EQ(text_of("label_bouton"), "No solution with at most 0 pieces.");
}

TEST_F(HintTest, ClosingTheWindowOrLoadingAnotherLevelStopsTheSearchAtOnce) {
  fs::copy_file(fs::path(DRIPPO_ASSETS_PATH) / "tab" / "08 Le moulin.tab", folder_.tab() / "08 Le moulin.tab");
  put_level("un.tab", "time: 50\nwater: 10", glass_below);
  play("08 Le moulin.tab");
  click("bouton_indice");
  ASSERT_TRUE(window_->hint().waiting());
  ASSERT_TRUE(window_->load_level("un.tab"));
  EXPECT_FALSE(window_->hint().waiting());
  QTest::qWait(50);
  EXPECT_FALSE(hint_shown(*window_));

  play("08 Le moulin.tab");
  click("bouton_indice");
  QElapsedTimer clock;
  clock.start();
  window_->close();
  window_.reset();  // the worker must never reach a freed window
  EXPECT_LT(clock.elapsed(), 500);
  QTest::qWait(50);
}

TEST_F(HintTest, SavingALevelWithNoWinFoundOrNoGoalAsksFirstSayingWhy) {
  put_level("sec.tab", "time: 5\nwater: 3", glass_below);
  window_->game().set_mode_jeu(ModeJeu::Charger);
  ASSERT_TRUE(window_->load_level("sec.tab"));
  SaveDialog d(SaveDialog::Host{window_->game(), folder_, questions_, window_->art(), 1.0}, nullptr,
               SaveDialog::Ramp::Blue);
  d.findChild<QLineEdit*>("text_sauvegarde")->setText("autre");
  questions_.answers = {false};
  QTest::mouseClick(d.findChild<QWidget*>("Command1"), Qt::LeftButton);
  ASSERT_EQ(questions_.asked.size(), 1);
  EXPECT_TRUE(questions_.asked.front().startsWith("Aucune solution"));
  EXPECT_FALSE(fs::exists(folder_.tab() / "autre.tab"));
  questions_.answers = {true};
  QTest::mouseClick(d.findChild<QWidget*>("Command1"), Qt::LeftButton);
  EXPECT_TRUE(fs::exists(folder_.tab() / "autre.tab"));

  // Without a goal the level can never be won: asked the same, in the
  // designer's language.
  window_->game().nouveau_tableau();
  window_->game().settings().langue = 1;
  SaveDialog empty(SaveDialog::Host{window_->game(), folder_, questions_, window_->art(), 1.0}, nullptr,
                   SaveDialog::Ramp::Blue);
  questions_.answers = {false};
  QTest::mouseClick(empty.findChild<QWidget*>("Command1"), Qt::LeftButton);
  ASSERT_EQ(questions_.asked.size(), 3);
  EXPECT_TRUE(questions_.asked.back().startsWith("No goal.")) << questions_.asked.back().toStdString();
  EXPECT_TRUE(questions_.asked.back().endsWith("Save it anyway?"));
  EXPECT_FALSE(fs::exists(folder_.tab() / "nouveau.tab"));
  questions_.answers = {true};
  QTest::mouseClick(empty.findChild<QWidget*>("Command1"), Qt::LeftButton);
  EXPECT_TRUE(fs::exists(folder_.tab() / "nouveau.tab"));
}

}  // namespace
}  // namespace drippo::ui::testing
