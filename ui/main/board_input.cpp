// The mouse on the board and the palettes: clicks, drags, and the SHIFT and
// CTRL sweeps. The game decides what each does.
#include "ui/main/board_widget.h"
#include "ui/main/drag_controller.h"
#include "ui/main/keyboard_input.h"
#include "ui/main/main_window.h"
#include "ui/main/palette_widget.h"

namespace drippo::ui {

namespace {
MouseButton game_button(Qt::MouseButton b) {
  if (b == Qt::LeftButton) return MouseButton::Left;
  if (b == Qt::RightButton) return MouseButton::Right;
  return MouseButton::Other;
}
}  // namespace

void MainWindow::on_cell_pressed(int cell, Qt::MouseButton button) {
  keys_->mouse_pressed();
  if (game_->placing().board_mouse_down(cell, game_button(button))) {
    drag_->begin(game_->placing().type_glisse(), QCursor::pos());
    drag_->move(board_->mapToGlobal(board_->cell_center(cell)));
  }
  sync_from_game();
}

void MainWindow::on_palette_pressed(int piece) {
  keys_->mouse_pressed();
  if (game_->placing().palette_mouse_down(piece)) {
    PaletteWidget* from = is_editor_only(piece) ? editor_palette_ : palette_;
    drag_->begin(piece, from->mapToGlobal(from->picture_center(piece)));
  }
  palette_->update();
}

void MainWindow::on_board_mouse_moved(QPoint global_pos, Qt::KeyboardModifiers modifiers) {
  if (drag_->active()) {
    drag_->move(global_pos);
    return;
  }
  const int cell = board_->cell_at(board_->mapFromGlobal(global_pos));
  if (cell < 0) return;
  // The keyboard state must be exactly SHIFT or exactly CTRL.
  const Qt::KeyboardModifiers keys = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  // A sweep with one key held is one step for the editor's undo.
  const bool sweeping = keys == Qt::ShiftModifier || keys == Qt::ControlModifier;
  if (sweep_keys_ != keys) {
    game_->editor().end_sweep();
    if (sweeping) game_->editor().begin_sweep();
    sweep_keys_ = keys;
  }
  if (keys == Qt::ShiftModifier && game_->table().cell(cell).piece == piece::vide) game_->placing().poser_piece(cell);
  if (keys == Qt::ControlModifier) {
    game_->placing().reprendre_piece(cell);
    return;
  }
  board_->setCursor(game_->table().cell(cell).modifiable < 1 ? Qt::ForbiddenCursor : Qt::ArrowCursor);
  game_->window().survoler_case(cell);
}

void MainWindow::on_drag_moved(QPoint global_pos) {
  if (drag_->active()) drag_->move(global_pos);
}

void MainWindow::on_mouse_released(QPoint global_pos, Qt::MouseButton) {
  if (drag_->active()) drag_->release(global_pos);
}

}  // namespace drippo::ui
