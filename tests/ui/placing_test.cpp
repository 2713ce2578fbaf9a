// Placing pieces with the mouse: click, drag, take back, and the key sweeps.
#include "window_fixture.h"

namespace drippo::ui::testing {
namespace {

class PlacingTest : public WindowTest {
 protected:
  void SetUp() override {
    // A brick of the level at 60; bricks, diagonals and teleporters in stock.
    put_level("pieces.tab", "time: 50\nwater: 10\nstock 20: 2\nstock 3: 1\nstock 7: 3",
              {"...................", "...................", "...................", "...#..............."});
    play("pieces.tab");
  }

  void drag(QWidget* from, QPoint from_pos, QWidget* to, QPoint to_pos) {
    QTest::mousePress(from, Qt::LeftButton, {}, from_pos);
    QTest::mouseMove(to, to_pos);
    QTest::mouseRelease(to, Qt::LeftButton, {}, to_pos);
  }
  QPoint piece_in_palette(int piece) { return window_->palette().picture_center(piece); }
  int piece_at(int cell) { return window_->game().table().cell(cell).piece; }
};

TEST_F(PlacingTest, AClickPlacesTheSelectedPieceAndItsBoxCountsDown) {
  click_cell(100);  // the brick is selected at start-up
  EXPECT_EQ(piece_at(100), piece::brique);
  EXPECT_EQ(text_of("nombre_type_20"), "1");
  click_cell(101);
  EXPECT_EQ(text_of("nombre_type_20"), "");  // the last one empties the box
}

TEST_F(PlacingTest, DraggingFromThePaletteHighlightsTheCellAndPlacesThePiece) {
  BoardWidget& board = window_->board();
  QTest::mousePress(&window_->palette(), Qt::LeftButton, {}, piece_in_palette(piece::diagonale_gauche));
  QTest::mouseMove(&board, board.cell_center(120));
  EXPECT_EQ(window_->game().placing().highlighted_cell(), 120);
  QTest::mouseRelease(&board, Qt::LeftButton, {}, board.cell_center(120));
  EXPECT_EQ(piece_at(120), piece::diagonale_gauche);
  EXPECT_EQ(window_->game().placing().highlighted_cell(), -1);
  EXPECT_EQ(text_of("nombre_type_3"), "");
  // The palette pick also chose the piece for clicks.
  EXPECT_EQ(window_->game().placing().type_choisi(), piece::diagonale_gauche);
}

TEST_F(PlacingTest, APlacedPieceMovesAndGoesBackToItsStock) {
  BoardWidget& board = window_->board();
  click_cell(100);
  drag(&board, board.cell_center(100), &board, board.cell_center(105));
  EXPECT_EQ(piece_at(100), piece::vide);
  EXPECT_EQ(piece_at(105), piece::brique);
  EXPECT_EQ(text_of("nombre_type_20"), "1");

  // Onto any palette picture: back to its own stock.
  drag(&board, board.cell_center(105), &window_->palette(), piece_in_palette(piece::teleporteur));
  EXPECT_EQ(piece_at(105), piece::vide);
  EXPECT_EQ(text_of("nombre_type_20"), "2");
  EXPECT_EQ(text_of("nombre_type_7"), "3");

  click_cell(110);
  click_cell(110, Qt::RightButton);
  EXPECT_EQ(piece_at(110), piece::vide);
  EXPECT_EQ(text_of("nombre_type_20"), "2");
}

TEST_F(PlacingTest, ShiftPlacesAlongTheWayAndCtrlTakesBack) {
  BoardWidget& board = window_->board();
  for (int cell : {140, 141, 142}) QTest::mouseMove(&board, board.cell_center(cell));
  EXPECT_EQ(piece_at(140), piece::vide);  // no key held: nothing placed

  auto sweep = [&](Qt::KeyboardModifiers keys, std::initializer_list<int> cells) {
    for (int cell : cells) {
      QMouseEvent move(QEvent::MouseMove, board.cell_center(cell), board.mapToGlobal(board.cell_center(cell)),
                       Qt::NoButton, Qt::NoButton, keys);
      QApplication::sendEvent(&board, &move);
    }
  };
  sweep(Qt::ShiftModifier | Qt::ControlModifier, {140});
  EXPECT_EQ(piece_at(140), piece::vide);  // not exactly one key: nothing
  sweep(Qt::ShiftModifier, {140, 141, 142});
  EXPECT_EQ(piece_at(140), piece::brique);
  EXPECT_EQ(piece_at(141), piece::brique);
  EXPECT_EQ(piece_at(142), piece::vide);  // the stock of two is spent

  sweep(Qt::ShiftModifier | Qt::ControlModifier, {140});
  EXPECT_EQ(piece_at(140), piece::brique);
  sweep(Qt::ControlModifier, {140, 141, 60});
  EXPECT_EQ(piece_at(140), piece::vide);
  EXPECT_EQ(piece_at(141), piece::vide);
  EXPECT_EQ(piece_at(60), piece::brique);
  EXPECT_EQ(text_of("nombre_type_20"), "2");
}

TEST_F(PlacingTest, ThePointerTellsWhetherAPieceCanBeTaken) {
  BoardWidget& board = window_->board();
  QTest::mouseMove(&board, board.cell_center(60));
  EXPECT_EQ(board.cursor().shape(), Qt::ForbiddenCursor);
  QTest::mouseMove(&board, board.cell_center(61));
  EXPECT_EQ(board.cursor().shape(), Qt::ArrowCursor);
}

}  // namespace
}  // namespace drippo::ui::testing
