#pragma once

#include <optional>

#include <QObject>

#include "game/board_geometry.h"

class QKeyEvent;
class QWidget;

namespace drippo::ui {

class MainWindow;

// The game played from the keyboard: a cursor on the board, the palette by
// digits and Tab, placing and taking back, and a key for every button. Each
// key does what the mouse does, through the same calls to the game. Keys
// that type are left to a text box that has the focus.
class KeyboardInput : public QObject {
 public:
  explicit KeyboardInput(MainWindow& window);
  ~KeyboardInput() override;

  // The mouse takes over: a piece the keys carry is let go.
  void mouse_pressed();
  // Something else takes over (a dialog, a restart): the same.
  void let_go();
  // The piece the keys carry to another cell, 0 for none.
  int carried_piece() const { return carried_ ? carried_->piece : 0; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A piece picked up by the keys: from a board cell, or from the editor's
  // panel (from_cell -1), where pieces are dragged, never chosen.
  struct Carried {
    int piece;
    int from_cell;
  };

  QWidget* focus() const;  // where a key press starts
  bool handle(const QKeyEvent& key);
  void move_cursor(Direction d);
  bool choose(int piece);
  void choose_by_digit(int digit);
  void cycle(int step);
  // The press that picked the carried piece up, done again: true when the
  // game now drags it as it would for the mouse.
  bool pick_up_again(const Carried& c);
  void place();
  void take_back();
  void pour_test_drop();
  void after_board_change();

  MainWindow& window_;
  std::optional<Carried> carried_;
};

}  // namespace drippo::ui
