#include "ui/main/keyboard_input.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "ui/common/key_actions.h"
#include "ui/common/picture_widget.h"
#include "ui/main/board_widget.h"
#include "ui/main/main_window.h"
#include "ui/main/palette_widget.h"

namespace drippo::ui {

namespace {

bool types_text(const QWidget* w) {
  return qobject_cast<const QLineEdit*>(w) != nullptr || qobject_cast<const QAbstractSpinBox*>(w) != nullptr ||
         qobject_cast<const QTextEdit*>(w) != nullptr || qobject_cast<const QPlainTextEdit*>(w) != nullptr;
}

bool presses_buttons(int key) { return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter; }

std::optional<Direction> arrow(int key) {
  switch (key) {
    case Qt::Key_Up: return Direction::Above;
    case Qt::Key_Down: return Direction::Below;
    case Qt::Key_Left: return Direction::Left;
    case Qt::Key_Right: return Direction::Right;
    default: return std::nullopt;
  }
}

}  // namespace

KeyboardInput::KeyboardInput(MainWindow& window) : window_(window) {
  // Seen before any widget of the window: Tab and the arrows would otherwise
  // move the focus, and a focused button would take the digits' place.
  qApp->installEventFilter(this);
  window_.board().setFocus();
}

KeyboardInput::~KeyboardInput() { qApp->removeEventFilter(this); }

bool KeyboardInput::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* target = qobject_cast<QWidget*>(watched);
  if (target == nullptr || target->window() != &window_) return false;
  // A press climbs from the focus to its parents: it is taken where it starts.
  if (target != focus()) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (!handle(*key)) return false;
  key->accept();
  return true;
}

QWidget* KeyboardInput::focus() const {
  // Without a window manager no window is active, yet keys still reach the
  // window's own focus.
  if (QWidget* w = QApplication::focusWidget()) return w;
  if (QWidget* w = window_.focusWidget()) return w;
  return &window_;
}

bool KeyboardInput::handle(const QKeyEvent& key) {
  QWidget* focus = this->focus();
  BoardWidget& board = window_.board();
  const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
  const bool on_board = focus == &board || focus == &window_;
  const bool typing = !(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
                      !(key.key() >= Qt::Key_F1 && key.key() <= Qt::Key_F35);
  if (key.key() == Qt::Key_Escape && mods == Qt::NoModifier && !on_board) {
    board.setFocus(Qt::ShortcutFocusReason);  // back from a box or a button
    return true;
  }
  if (types_text(focus) && typing) return false;
  if (qobject_cast<QAbstractButton*>(focus) != nullptr && presses_buttons(key.key())) return false;

  if (mods == Qt::NoModifier) {
    if (const auto d = arrow(key.key())) {
      move_cursor(*d);
      return true;
    }
    if (key.key() >= Qt::Key_0 && key.key() <= Qt::Key_9) {
      choose_by_digit(key.key() - Qt::Key_0);
      return true;
    }
  }
  const auto action = action_of(key.keyCombination());
  if (!action) return false;
  switch (*action) {
    case Action::CyclePiece:
      if (!on_board) return false;  // elsewhere Tab goes from one control to the next
      cycle(key.key() == Qt::Key_Backtab ? -1 : 1);
      break;
    case Action::Place: place(); break;
    case Action::TakeBack: take_back(); break;
    case Action::TestDrop: pour_test_drop(); break;
    case Action::Cancel: let_go(); break;
    case Action::LeaveBoard: window_.perform(*action, key.key() != Qt::Key_Backtab); return true;
    case Action::Pause: window_.perform(*action); return true;
    case Action::Restart:
    case Action::Help:
    case Action::About:
    case Action::Play:
    case Action::NewLevel:
    case Action::LoadForEditing:
    case Action::Save:
    case Action::Options:
    case Action::Hint:
    case Action::CheckLevel:
    case Action::ShowSolution:
      window_.perform(*action);
      return true;
    default: return false;  // undo and redo are the window's shortcuts
  }
  board.show_key_cursor(true);
  after_board_change();
  return true;
}

void KeyboardInput::move_cursor(Direction d) {
  BoardWidget& board = window_.board();
  board.show_key_cursor(true);
  const int next = neighbour(board.key_cursor(), d);
  if (next < 0) return;  // the board's edge
  board.set_key_cursor(next);
  Game& game = window_.game();
  if (carried_) game.placing().drag_over_cell(next);
  // What the mouse resting there tells: the drops a goal still needs.
  game.window().survoler_case(next);
  board.update();
}

bool KeyboardInput::choose(int piece) {
  PiecePlacing& placing = window_.game().placing();
  if (!placing.palette_mouse_down(piece)) return false;  // none left: as a click on its picture
  carried_.reset();
  if (is_editor_only(piece)) {
    // The editor's panel offers its pieces to drag: the keys hold one until
    // it is placed, as many times as its stock allows.
    placing.drag_cancelled();
    carried_ = Carried{piece, -1};
    placing.drag_over_cell(window_.board().key_cursor());
  } else {
    placing.drop_on_palette();  // the click's release, on the palette itself
  }
  return true;
}

void KeyboardInput::choose_by_digit(int digit) {
  const auto& strip = window_.palette().entries();
  const std::size_t k = digit == 0 ? 9 : static_cast<std::size_t>(digit - 1);
  if (k < strip.size()) choose(strip[k].piece);
  after_board_change();
}

void KeyboardInput::cycle(int step) {
  std::vector<int> pieces;
  for (const PaletteWidget* palette : {&window_.palette(), &window_.editor_palette()}) {
    if (!palette->isVisibleTo(&window_)) continue;
    for (const PaletteWidget::Entry& e : palette->entries()) pieces.push_back(e.piece);
  }
  const int n = static_cast<int>(pieces.size());
  if (n == 0) return;
  const int current = carried_ && carried_->from_cell < 0 ? carried_->piece : window_.game().placing().type_choisi();
  int at = static_cast<int>(std::find(pieces.begin(), pieces.end(), current) - pieces.begin());
  if (at == n && step > 0) at = -1;
  // The next piece with some left, as its picture would take a click.
  for (int k = 1; k <= n; ++k) {
    if (choose(pieces[static_cast<std::size_t>(((at + step * k) % n + n) % n)])) return;
  }
}

void KeyboardInput::place() {
  PiecePlacing& placing = window_.game().placing();
  const int cell = window_.board().key_cursor();
  if (!carried_) {
    // A click: an empty cell takes the chosen piece, a piece that may move
    // is picked up, to be put down by the next press.
    if (placing.board_mouse_down(cell, MouseButton::Left)) {
      carried_ = Carried{placing.type_glisse(), cell};
      placing.drag_cancelled();
      placing.drag_over_cell(cell);
    }
    return;
  }
  // The pick-up is done again at the drop, so that the game never holds a
  // drag between two key presses, whatever happens to the board meanwhile.
  const Carried c = *carried_;
  const bool picked = pick_up_again(c);
  if (picked) placing.drop_on_cell(cell);
  else placing.drag_cancelled();
  if (c.from_cell >= 0 || !picked) carried_.reset();
  else placing.drag_over_cell(cell);
}

bool KeyboardInput::pick_up_again(const Carried& c) {
  PiecePlacing& placing = window_.game().placing();
  if (c.from_cell < 0) return placing.palette_mouse_down(c.piece);
  // Gone (a bomb, a restart) or fixed since (a sponge holding a drop):
  // there is nothing to move.
  const Cellule from = window_.game().table().cell(c.from_cell);
  return from.piece == c.piece && from.modifiable > 0 && placing.board_mouse_down(c.from_cell, MouseButton::Left);
}

void KeyboardInput::take_back() {
  Game& game = window_.game();
  if (!carried_) {
    game.placing().reprendre_piece(window_.board().key_cursor());
    return;
  }
  // A piece picked up on the board goes back to its stock, as if dragged
  // onto the palette.
  if (carried_->from_cell >= 0 && pick_up_again(*carried_)) game.placing().drop_on_palette();
  let_go();
}

void KeyboardInput::pour_test_drop() {
  Game& game = window_.game();
  const int cell = window_.board().key_cursor();
  // The editor's right click on an empty cell; on a piece the click would
  // take it back, which is another key's job.
  if (game.table().mode_edition() && game.table().cell(cell).piece == piece::vide) {
    game.placing().board_mouse_down(cell, MouseButton::Right);
  }
}

void KeyboardInput::let_go() {
  if (!carried_) return;
  carried_.reset();
  window_.game().placing().drag_cancelled();
  after_board_change();
}

void KeyboardInput::mouse_pressed() { let_go(); }

void KeyboardInput::after_board_change() {
  BoardWidget& board = window_.board();
  board.set_carried(carried_piece());
  window_.editor_palette().set_marked(carried_ && carried_->from_cell < 0 ? carried_->piece : -1);
  board.update();
  window_.sync_from_game();
}

}  // namespace drippo::ui
