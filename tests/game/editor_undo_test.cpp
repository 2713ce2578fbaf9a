// The editor's undo and redo: what one step is, and what ends the history.
#include <gtest/gtest.h>

#include "support/board_builder.h"

namespace drippo {
namespace {

using testing::Table;

struct Editor : Table {
  Editor() {
    game.nouveau_tableau();
    game.palette_mouse_down(piece::brique);
  }
  void place(int cell, int piece = piece::brique) {
    game.palette_mouse_down(piece);
    game.drop_on_cell(cell);
  }
};

TEST(EditorUndo, EachPlacementIsOneStepBackAndForth) {
  Editor e;
  e.place(40);
  e.place(41, piece::verre);
  EXPECT_EQ(e.game.nb_buts(), 1);
  EXPECT_EQ(e.game.stock(piece::verre), "98");

  ASSERT_TRUE(e.game.undo());
  EXPECT_EQ(e.game.cell(41).piece, piece::vide);
  EXPECT_EQ(e.game.shown_picture(41), piece::vide);
  EXPECT_EQ(e.game.stock(piece::verre), "99");
  EXPECT_EQ(e.game.nb_buts(), 0);
  EXPECT_EQ(e.game.cell(40).piece, piece::brique);

  ASSERT_TRUE(e.game.undo());
  EXPECT_EQ(e.game.cell(40).piece, piece::vide);
  EXPECT_FALSE(e.game.undo());

  ASSERT_TRUE(e.game.redo());
  ASSERT_TRUE(e.game.redo());
  EXPECT_EQ(e.game.cell(41).piece, piece::verre);
  EXPECT_EQ(e.game.cell(41).besoin, 10);
  EXPECT_EQ(e.game.nb_buts(), 1);
  EXPECT_FALSE(e.game.redo());
}

TEST(EditorUndo, MovesAndTakingBackAreStepsTooAndANewChangeDropsTheRedo) {
  Editor e;
  e.place(40);
  ASSERT_TRUE(e.game.board_mouse_down(40, MouseButton::Left));
  e.game.drop_on_cell(60);  // a move
  e.game.reprendre_piece(60);
  EXPECT_EQ(e.game.stock(piece::brique), "99");

  e.game.undo();  // the taking back
  EXPECT_EQ(e.game.cell(60).piece, piece::brique);
  EXPECT_EQ(e.game.stock(piece::brique), "98");
  e.game.undo();  // the move
  EXPECT_EQ(e.game.cell(40).piece, piece::brique);
  EXPECT_EQ(e.game.cell(60).piece, piece::vide);

  e.place(100);
  EXPECT_FALSE(e.game.redo());
}

TEST(EditorUndo, ASweepAndTheTypingInOneBoxAreOneStepEach) {
  Editor e;
  e.game.begin_sweep();
  for (int c : {40, 41, 42}) e.game.poser_piece(c);
  e.game.end_sweep();
  e.game.edit_time("1");
  e.game.edit_time("12");
  e.game.edit_water("3");
  e.game.edit_stock(5, "7");
  e.game.edit_stock(5, "75");

  e.game.undo();
  EXPECT_EQ(e.game.stock(5), "99");
  EXPECT_EQ(e.game.text_eau(), "3");
  e.game.undo();
  EXPECT_EQ(e.game.text_eau(), "10");
  EXPECT_EQ(e.game.text_temps(), "12");
  e.game.undo();
  EXPECT_EQ(e.game.text_temps(), "10");
  EXPECT_EQ(e.game.cell(42).piece, piece::brique);
  e.game.undo();
  for (int c : {40, 41, 42}) EXPECT_EQ(e.game.cell(c).piece, piece::vide) << c;
  EXPECT_EQ(e.game.stock(piece::brique), "99");
  EXPECT_FALSE(e.game.undo());
}

TEST(EditorUndo, TypingRightAfterAnUndoIsANewStepAndDropsTheRedo) {
  Editor e;
  e.game.edit_time("12");
  e.game.edit_water("3");
  ASSERT_TRUE(e.game.undo());
  ASSERT_TRUE(e.game.can_redo());
  e.game.edit_water("4");  // the same box as the step just undone
  EXPECT_FALSE(e.game.can_redo());
  ASSERT_TRUE(e.game.undo());
  EXPECT_EQ(e.game.text_eau(), "10");
  EXPECT_EQ(e.game.text_temps(), "12");
}

TEST(EditorUndo, PastFiveHundredStepsTheOldestGoes) {
  Editor e;
  // Two boxes in turn: each keystroke is a step of its own.
  for (int step = 1; step <= 501; ++step) {
    step % 2 == 1 ? e.game.edit_time(std::to_string(step)) : e.game.edit_water(std::to_string(step));
  }
  for (int k = 0; k < 500; ++k) ASSERT_TRUE(e.game.undo()) << k;
  EXPECT_EQ(e.game.text_temps(), "1");  // as the first step left it
  EXPECT_EQ(e.game.text_eau(), "10");
  EXPECT_FALSE(e.game.can_undo());
}

TEST(EditorUndo, NeverCrossesALoadANewLevelOrASave) {
  Editor e;
  e.place(40);
  e.game.level_saved("mien", "moi");
  EXPECT_FALSE(e.game.undo());
  EXPECT_EQ(e.game.cell(40).piece, piece::brique);

  e.place(41);
  e.game.nouveau_tableau();
  EXPECT_FALSE(e.game.undo());

  e.place(42);
  e.edit(testing::LevelBuilder().water("5"));
  EXPECT_FALSE(e.game.undo());
  EXPECT_FALSE(e.game.redo());
}

}  // namespace
}  // namespace drippo
