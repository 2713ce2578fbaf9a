#pragma once

#include <vector>

#include <QWidget>

#include "game/game.h"
#include "ui/art/art_book.h"
#include "ui/common/twips.h"

namespace drippo::ui {

// A row of piece pictures to pick from: the palette strip at the bottom of the
// window, or the goals and the cat of the editor's panel. Positions are in
// twips inside the widget.
class PaletteWidget : public QWidget {
  Q_OBJECT
 public:
  struct Entry {
    int piece;
    TwipRect picture;
  };

  PaletteWidget(const Game& game, ArtBook& art, std::vector<Entry> entries, TwipRect own_size,
                bool shows_selection, QWidget* parent);

  int piece_at(QPoint pos) const;  // -1 between pictures
  QRect picture_rect(int piece) const;
  QPoint picture_center(int piece) const { return picture_rect(piece).center(); }
  const std::vector<Entry>& entries() const { return entries_; }
  // The piece the keys have taken from this palette, -1 for none: framed as
  // the board's cursor is.
  void set_marked(int piece);

 signals:
  void piece_pressed(int piece);
  void mouse_moved(QPoint global_pos, Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
  void mouse_released(QPoint global_pos, Qt::MouseButton button);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  Zoom zoom() const;

  const Game& game_;
  ArtBook& art_;
  std::vector<Entry> entries_;
  TwipRect own_size_;
  bool shows_selection_;
  int marked_ = -1;
};

}  // namespace drippo::ui
