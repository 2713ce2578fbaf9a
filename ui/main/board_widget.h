#pragma once

#include <QWidget>

#include "game/game.h"
#include "ui/art/art_book.h"

namespace drippo::ui {

// The board: 228 painted cells edge to edge, as the game says they look.
class BoardWidget : public QWidget {
  Q_OBJECT
 public:
  BoardWidget(const Game& game, ArtBook& art, QWidget* parent);

  // The one pixel-to-cell rule of the window: -1 outside the cells.
  int cell_at(QPoint pos) const;
  QRect cell_rect(int i) const;
  QPoint cell_center(int i) const { return cell_rect(i).center(); }

  void repaint_cell(int i) { update(cell_rect(i)); }

  // The keyboard's cursor: the cell the keys act on, drawn once the keys
  // have been used, with the piece they carry (0 for none) shown in it.
  int key_cursor() const { return cursor_; }
  void set_key_cursor(int cell);
  bool key_cursor_shown() const { return cursor_shown_; }
  void show_key_cursor(bool shown);
  void set_carried(int piece);
  // A hint drawn over the board: the cell outlined, and the piece to set
  // down drawn faintly in it, or the piece to take back crossed out.
  struct Hint {
    int cell = -1;
    int piece = 0;
    bool take_back = false;
  };
  const Hint& hint() const { return hint_; }
  void set_hint(const Hint& hint);
  // Another game drawn instead of the window's own (a solution being shown);
  // nullptr for the window's own.
  void show_game(const Game* other);

  // The window's zoom: a cell is layout::cell_width x cell_height twips.
  void set_zoom(double zoom) { zoom_ = zoom; }

 signals:
  void cell_pressed(int cell, Qt::MouseButton button);
  void mouse_moved(QPoint global_pos, Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
  void mouse_released(QPoint global_pos, Qt::MouseButton button);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  double cell_width() const;
  double cell_height() const;

  // The left (or top) pixel edge of column (or row) k.
  int column_edge(int k) const;
  int row_edge(int k) const;

  const Game& shown() const { return other_ != nullptr ? *other_ : game_; }

  const Game& game_;
  const Game* other_ = nullptr;
  Hint hint_;
  ArtBook& art_;
  double zoom_ = 1.0;
  int cursor_ = case_source;  // where the water comes in: where building starts
  bool cursor_shown_ = false;
  int carried_ = 0;
};

}  // namespace drippo::ui
