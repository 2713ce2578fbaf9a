#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/board_builder.h"

namespace drippo {
namespace {

using testing::LevelBuilder;
using testing::Table;

// A played level, still in its countdown, with the given stock of one piece.
void load_to_play(Table& t, int piece_type, const std::string& stock) {
  t.game.set_mode_jeu(ModeJeu::Jouer);
  t.game.load_level(LevelBuilder().put(50, piece::brique).stock(piece_type, stock).time("10"), "essai.tab");
}

TEST(Placing, LastPieceEmptiesItsStockBoxAndThenNothingMore) {
  Table t;
  load_to_play(t, piece::plateforme, "1");
  EXPECT_TRUE(t.game.placing().palette_mouse_down(piece::plateforme));
  EXPECT_EQ(t.game.placing().type_choisi(), piece::plateforme);
  EXPECT_FALSE(t.game.placing().board_mouse_down(100, MouseButton::Left));
  EXPECT_EQ(t.at(100).piece, piece::plateforme);
  EXPECT_EQ(t.at(100).modifiable, 1);
  EXPECT_EQ(t.game.table().shown_picture(100), piece::plateforme);
  EXPECT_EQ(t.game.table().stock(piece::plateforme), "");
  EXPECT_FALSE(t.game.placing().palette_mouse_down(piece::plateforme));
  t.game.placing().board_mouse_down(101, MouseButton::Left);
  EXPECT_EQ(t.at(101).piece, piece::vide);
}

TEST(Placing, StocksBelowOneGiveNothing) {
  for (const char* stock : {"", "0", "-2", "0.5", "abc"}) {
    SCOPED_TRACE(stock);
    Table t;
    load_to_play(t, piece::coude_droit, "3");
    ASSERT_TRUE(t.game.placing().palette_mouse_down(piece::coude_droit));
    t.game.table().set_stock(piece::coude_droit, stock);
    // By click, by a fresh pick, and by a drag already under way.
    t.game.placing().board_mouse_down(100, MouseButton::Left);
    EXPECT_FALSE(t.game.placing().palette_mouse_down(piece::coude_droit));
    EXPECT_FALSE(t.game.placing().drop_on_cell(101));
    EXPECT_EQ(t.at(100).piece, piece::vide);
    EXPECT_EQ(t.at(101).piece, piece::vide);
    EXPECT_EQ(t.game.table().stock(piece::coude_droit), stock);
  }
}

TEST(Placing, TakingBackRaisesTheStockButNeverPast99) {
  struct Case {
    const char* before;
    const char* after;
  };
  const Case cases[] = {{"99", "99"}, {"98", "99"}, {"", "1"}, {"100", "101"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before);
    Table t;
    t.edit(LevelBuilder().put(100, piece::brique));
    t.game.table().set_stock(piece::brique, c.before);
    t.game.placing().reprendre_piece(100);
    EXPECT_EQ(t.at(100).piece, piece::vide);
    EXPECT_EQ(t.game.table().shown_picture(100), piece::vide);
    EXPECT_EQ(t.game.table().stock(piece::brique), c.after);
  }
}

TEST(Placing, TeleporterLimitCountsOnlyCellsBeforeTheLast) {
  struct Case {
    std::vector<int> already;
    bool accepted;
  };
  const Case cases[] = {{{}, true}, {{40}, true}, {{5, 227}, true}, {{5, 40}, false}, {{5, 40, 227}, false}};
  for (const Case& c : cases) {
    for (bool by_drag : {false, true}) {
      SCOPED_TRACE(std::to_string(c.already.size()) + " already, drag " + std::to_string(by_drag));
      Table t;
      LevelBuilder level;
      for (int cell : c.already) level.put(cell, piece::teleporteur);
      t.edit(level.stock(piece::teleporteur, "9"));
      EXPECT_EQ(t.game.placing().teleporter_limit_reached(), !c.accepted);
      ASSERT_TRUE(t.game.placing().palette_mouse_down(piece::teleporteur));
      if (by_drag) {
        EXPECT_EQ(t.game.placing().drop_on_cell(100), c.accepted);
      } else {
        t.game.placing().board_mouse_down(100, MouseButton::Left);
      }
      EXPECT_EQ(t.at(100).piece, c.accepted ? piece::teleporteur : piece::vide);
      EXPECT_EQ(t.game.table().stock(piece::teleporteur), c.accepted ? "8" : "9");
      EXPECT_EQ(t.game.placing().highlighted_cell(), -1);
    }
  }
}

TEST(Placing, MovingATeleporterIsNotLimited) {
  Table t;
  t.edit(LevelBuilder().put({5, 40}, piece::teleporteur).stock(piece::teleporteur, "9"));
  ASSERT_TRUE(t.game.placing().board_mouse_down(40, MouseButton::Left));
  EXPECT_TRUE(t.game.placing().drop_on_cell(60));
  EXPECT_EQ(t.at(60).piece, piece::teleporteur);
  EXPECT_EQ(t.at(40).piece, piece::vide);
  EXPECT_EQ(t.game.table().shown_picture(40), piece::vide);
  EXPECT_EQ(t.game.table().stock(piece::teleporteur), "9");
}

TEST(Placing, DropOnAnOccupiedCellChangesNothing) {
  for (int target : {60, 50}) {  // another piece, or its own cell
    SCOPED_TRACE(target);
    Table t;
    t.edit(LevelBuilder().put(50, piece::coude_gauche).put(60, piece::brique).stock(piece::coude_gauche, "3"));
    ASSERT_TRUE(t.game.placing().board_mouse_down(50, MouseButton::Left));
    EXPECT_FALSE(t.game.placing().drop_on_cell(target));
    EXPECT_EQ(t.at(50).piece, piece::coude_gauche);
    EXPECT_EQ(t.at(60).piece, piece::brique);
    EXPECT_EQ(t.game.table().stock(piece::coude_gauche), "3");
    EXPECT_FALSE(t.game.placing().depuis_plateau());
    // Nor does a piece from the palette.
    ASSERT_TRUE(t.game.placing().palette_mouse_down(piece::coude_gauche));
    EXPECT_FALSE(t.game.placing().drop_on_cell(target));
    EXPECT_EQ(t.at(target).piece, target == 50 ? piece::coude_gauche : piece::brique);
    EXPECT_EQ(t.game.table().stock(piece::coude_gauche), "3");
  }
}

TEST(Placing, DragFromThePaletteTakesOneFromTheStockAndBackGivesItBack) {
  Table t;
  t.edit(LevelBuilder().stock(piece::eponge, "1"));
  ASSERT_TRUE(t.game.placing().palette_mouse_down(piece::eponge));
  t.game.placing().drag_over_cell(100);
  EXPECT_EQ(t.game.placing().highlighted_cell(), 100);
  EXPECT_TRUE(t.game.placing().drop_on_cell(100));
  EXPECT_EQ(t.at(100).piece, piece::eponge);
  EXPECT_EQ(t.game.table().stock(piece::eponge), "");
  EXPECT_EQ(t.game.placing().highlighted_cell(), -1);
  ASSERT_TRUE(t.game.placing().board_mouse_down(100, MouseButton::Left));
  t.game.placing().drop_on_palette();
  EXPECT_EQ(t.at(100).piece, piece::vide);
  EXPECT_EQ(t.game.table().stock(piece::eponge), "1");
  EXPECT_FALSE(t.game.placing().depuis_plateau());
}

TEST(Placing, PiecesOfAPlayedLevelStayPut) {
  Table t;
  load_to_play(t, piece::brique, "4");
  EXPECT_EQ(t.at(50).modifiable, 0);
  EXPECT_FALSE(t.game.placing().board_mouse_down(50, MouseButton::Left));
  t.game.placing().board_mouse_down(50, MouseButton::Right);
  t.game.placing().reprendre_piece(50);
  EXPECT_EQ(t.at(50).piece, piece::brique);
  EXPECT_EQ(t.game.table().stock(piece::brique), "4");
  // Whereas the player's own brick goes back.
  t.game.placing().board_mouse_down(51, MouseButton::Left);
  ASSERT_EQ(t.game.table().stock(piece::brique), "3");
  t.game.placing().board_mouse_down(51, MouseButton::Right);
  EXPECT_EQ(t.at(51).piece, piece::vide);
  EXPECT_EQ(t.game.table().stock(piece::brique), "4");
  // A right click on an empty cell pours test water only in the editor.
  t.game.placing().board_mouse_down(100, MouseButton::Right);
  EXPECT_TRUE(t.board_dry());
}

TEST(Placing, APausedBoardTakesNoPlacingTakingBackOrUndo) {
  Table t;
  load_to_play(t, piece::brique, "5");
  t.game.placing().board_mouse_down(100, MouseButton::Left);
  ASSERT_EQ(t.game.table().stock(piece::brique), "4");
  t.game.play().toggle_pause();
  t.game.placing().board_mouse_down(101, MouseButton::Left);
  t.game.placing().poser_piece(102);
  EXPECT_FALSE(t.game.placing().board_mouse_down(100, MouseButton::Left));  // no drag either
  t.game.placing().board_mouse_down(100, MouseButton::Right);
  t.game.placing().reprendre_piece(100);
  ASSERT_TRUE(t.game.placing().palette_mouse_down(piece::brique));
  EXPECT_FALSE(t.game.placing().drop_on_cell(103));
  EXPECT_EQ(t.wet(), std::vector<std::string>{});
  for (int cell : {101, 102, 103}) EXPECT_EQ(t.at(cell).piece, piece::vide) << cell;
  EXPECT_EQ(t.at(100).piece, piece::brique);
  EXPECT_EQ(t.game.table().stock(piece::brique), "4");
  t.game.play().toggle_pause();
  t.game.placing().board_mouse_down(101, MouseButton::Left);
  EXPECT_EQ(t.at(101).piece, piece::brique);

  // A new level begun after a played one can be paused too: no test drop,
  // no undo then.
  t.game.nouveau_tableau();
  t.game.placing().board_mouse_down(100, MouseButton::Left);
  t.game.play().toggle_pause();
  t.game.placing().board_mouse_down(50, MouseButton::Right);
  EXPECT_FALSE(t.game.editor().undo());
  EXPECT_EQ(t.at(100).piece, piece::brique);
  EXPECT_EQ(t.at(50).eau_b, 0);
}

TEST(Placing, BoardIgnoresClicksAtTheWelcomeScreen) {
  Table t;
  t.game.table().set_stock(piece::brique, "5");
  t.game.placing().board_mouse_down(100, MouseButton::Left);
  EXPECT_EQ(t.at(100).piece, piece::vide);
  EXPECT_EQ(t.game.table().stock(piece::brique), "5");
}

TEST(Placing, GoalsAndTheCatComeOnlyFromTheEditorPanel) {
  for (int p = piece::bocal; p <= piece::chat; ++p) {
    SCOPED_TRACE(p);
    Table played;
    load_to_play(played, p, "5");
    EXPECT_FALSE(played.game.placing().palette_mouse_down(p));

    Table editor;
    editor.game.nouveau_tableau();
    EXPECT_TRUE(editor.game.placing().palette_mouse_down(p));
    EXPECT_EQ(editor.game.placing().type_choisi(), piece::brique);  // dragged, never selected
    EXPECT_EQ(editor.game.placing().type_glisse(), p);
  }
}

TEST(Placing, GoalSetDownInTheEditorNeedsItsFullAmountAndIsCounted) {
  Table t;
  t.game.nouveau_tableau();
  t.at(100).besoin = -5;  // left over from earlier water
  ASSERT_TRUE(t.game.placing().palette_mouse_down(piece::verre));
  ASSERT_TRUE(t.game.placing().drop_on_cell(100));
  EXPECT_EQ(t.at(100).besoin, 10);
  EXPECT_EQ(t.game.water().goals(), 1);
  ASSERT_TRUE(t.game.placing().palette_mouse_down(piece::bocal));
  ASSERT_TRUE(t.game.placing().drop_on_cell(120));
  EXPECT_EQ(t.at(120).besoin, 50);
  EXPECT_EQ(t.game.water().goals(), 2);

  t.at(100).besoin = 3;
  ASSERT_TRUE(t.game.placing().board_mouse_down(100, MouseButton::Left));
  ASSERT_TRUE(t.game.placing().drop_on_cell(140));
  EXPECT_EQ(t.at(140).besoin, 10);
  EXPECT_EQ(t.game.water().goals(), 2);

  t.game.placing().reprendre_piece(120);
  EXPECT_EQ(t.game.water().goals(), 1);
  t.game.nouveau_tableau();
  EXPECT_EQ(t.game.water().goals(), 0);
}

// ---- Hover ---------------------------------------------------------------------

TEST(Hover, GoalShowsTheDropsItStillNeedsAsTheWaterFalls) {
  Table t;
  t.play(LevelBuilder().put(37, piece::verre).put(200, piece::bocal).water("20"));
  t.game.window().survoler_case(37);
  EXPECT_EQ(t.game.window().case_survolee(), 37);
  EXPECT_EQ(t.game.table().comment(), "Gouttes: 10");
  t.ticks(3);  // the first drop went in during tick 2
  EXPECT_EQ(t.game.table().comment(), "Gouttes: 9");
  t.ticks(9);  // eleven drops in: the need is now -1
  ASSERT_EQ(t.at(37).besoin, -1);
  t.ticks(1);
  EXPECT_EQ(t.game.table().comment(), "Gouttes: 0");
}

TEST(Hover, EnglishCountAndLeavingTheGoalKeepsTheText) {
  Table t;
  t.game.settings().langue = 1;
  t.game.set_mode_jeu(ModeJeu::Jouer);
  t.game.load_level(LevelBuilder().put(100, piece::bocal).put(101, piece::brique), "essai.tab");
  t.game.window().survoler_case(100);
  EXPECT_EQ(t.game.table().comment(), "Amount: 50");
  t.game.window().survoler_case(101);
  EXPECT_EQ(t.game.window().case_survolee(), -1);
  EXPECT_EQ(t.game.table().comment(), "Amount: 50");
  t.game.window().survoler_case(102);
  EXPECT_EQ(t.game.window().case_survolee(), -1);
}

}  // namespace
}  // namespace drippo
