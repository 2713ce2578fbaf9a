// The editor's undo and redo: what one step is, and what ends the history.
#include <gtest/gtest.h>

#include "support/board_builder.h"

namespace drippo {
namespace {

using testing::Table;

struct Editor : Table {
  Editor() {
    game.nouveau_tableau();
    game.placing().palette_mouse_down(piece::brique);
  }
  void place(int cell, int piece = piece::brique) {
    game.placing().palette_mouse_down(piece);
    game.placing().drop_on_cell(cell);
  }
};

TEST(EditorUndo, EachPlacementIsOneStepBackAndForth) {
  Editor e;
  e.place(40);
  e.place(41, piece::verre);
  EXPECT_EQ(e.game.water().goals(), 1);
  EXPECT_EQ(e.game.table().stock(piece::verre), "98");

  ASSERT_TRUE(e.game.editor().undo());
  EXPECT_EQ(e.game.table().cell(41).piece, piece::vide);
  EXPECT_EQ(e.game.table().shown_picture(41), piece::vide);
  EXPECT_EQ(e.game.table().stock(piece::verre), "99");
  EXPECT_EQ(e.game.water().goals(), 0);
  EXPECT_EQ(e.game.table().cell(40).piece, piece::brique);

  ASSERT_TRUE(e.game.editor().undo());
  EXPECT_EQ(e.game.table().cell(40).piece, piece::vide);
  EXPECT_FALSE(e.game.editor().undo());

  ASSERT_TRUE(e.game.editor().redo());
  ASSERT_TRUE(e.game.editor().redo());
  EXPECT_EQ(e.game.table().cell(41).piece, piece::verre);
  EXPECT_EQ(e.game.table().cell(41).besoin, 10);
  EXPECT_EQ(e.game.water().goals(), 1);
  EXPECT_FALSE(e.game.editor().redo());
}

TEST(EditorUndo, MovesAndTakingBackAreStepsTooAndANewChangeDropsTheRedo) {
  Editor e;
  e.place(40);
  ASSERT_TRUE(e.game.placing().board_mouse_down(40, MouseButton::Left));
  e.game.placing().drop_on_cell(60);  // a move
  e.game.placing().reprendre_piece(60);
  EXPECT_EQ(e.game.table().stock(piece::brique), "99");

  e.game.editor().undo();  // the taking back
  EXPECT_EQ(e.game.table().cell(60).piece, piece::brique);
  EXPECT_EQ(e.game.table().stock(piece::brique), "98");
  e.game.editor().undo();  // the move
  EXPECT_EQ(e.game.table().cell(40).piece, piece::brique);
  EXPECT_EQ(e.game.table().cell(60).piece, piece::vide);

  e.place(100);
  EXPECT_FALSE(e.game.editor().redo());
}

TEST(EditorUndo, ASweepAndTheTypingInOneBoxAreOneStepEach) {
  Editor e;
  e.game.editor().begin_sweep();
  for (int c : {40, 41, 42}) e.game.placing().poser_piece(c);
  e.game.editor().end_sweep();
  e.game.editor().edit_time("1");
  e.game.editor().edit_time("12");
  e.game.editor().edit_water("3");
  e.game.editor().edit_stock(5, "7");
  e.game.editor().edit_stock(5, "75");

  e.game.editor().undo();
  EXPECT_EQ(e.game.table().stock(5), "99");
  EXPECT_EQ(e.game.table().text_eau(), "3");
  e.game.editor().undo();
  EXPECT_EQ(e.game.table().text_eau(), "10");
  EXPECT_EQ(e.game.table().text_temps(), "12");
  e.game.editor().undo();
  EXPECT_EQ(e.game.table().text_temps(), "10");
  EXPECT_EQ(e.game.table().cell(42).piece, piece::brique);
  e.game.editor().undo();
  for (int c : {40, 41, 42}) EXPECT_EQ(e.game.table().cell(c).piece, piece::vide) << c;
  EXPECT_EQ(e.game.table().stock(piece::brique), "99");
  EXPECT_FALSE(e.game.editor().undo());
}

TEST(EditorUndo, TypingRightAfterAnUndoIsANewStepAndDropsTheRedo) {
  Editor e;
  e.game.editor().edit_time("12");
  e.game.editor().edit_water("3");
  ASSERT_TRUE(e.game.editor().undo());
  ASSERT_TRUE(e.game.editor().can_redo());
  e.game.editor().edit_water("4");  // the same box as the step just undone
  EXPECT_FALSE(e.game.editor().can_redo());
  ASSERT_TRUE(e.game.editor().undo());
  EXPECT_EQ(e.game.table().text_eau(), "10");
  EXPECT_EQ(e.game.table().text_temps(), "12");
}

TEST(EditorUndo, PastFiveHundredStepsTheOldestGoes) {
  Editor e;
  // Two boxes in turn: each keystroke is a step of its own.
  for (int step = 1; step <= 501; ++step) {
    step % 2 == 1 ? e.game.editor().edit_time(std::to_string(step)) : e.game.editor().edit_water(std::to_string(step));
  }
  for (int k = 0; k < 500; ++k) ASSERT_TRUE(e.game.editor().undo()) << k;
  EXPECT_EQ(e.game.table().text_temps(), "1");  // as the first step left it
  EXPECT_EQ(e.game.table().text_eau(), "10");
  EXPECT_FALSE(e.game.editor().can_undo());
}

TEST(EditorUndo, NeverCrossesALoadANewLevelOrASave) {
  Editor e;
  e.place(40);
  e.game.editor().level_saved("mien", "moi");
  EXPECT_FALSE(e.game.editor().undo());
  EXPECT_EQ(e.game.table().cell(40).piece, piece::brique);

  e.place(41);
  e.game.nouveau_tableau();
  EXPECT_FALSE(e.game.editor().undo());

  e.place(42);
  e.edit(testing::LevelBuilder().water("5"));
  EXPECT_FALSE(e.game.editor().undo());
  EXPECT_FALSE(e.game.editor().redo());
}

}  // namespace
}  // namespace drippo
