#pragma once

#include <QWidget>

#include "ui/art/art_book.h"

namespace drippo::ui {

// A dry piece's picture in the help window, framed on demand.
class PiecePicture : public QWidget {
  Q_OBJECT
 public:
  PiecePicture(ArtBook& art, int piece, QWidget* parent);

  int piece() const { return piece_; }
  bool framed() const { return framed_; }
  void set_framed(bool framed);

 signals:
  void clicked(int piece);
  void hovered(int piece);

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Reached with Tab: framed as the mouse frames it, and Space or Enter
  // shows its description as a click does.
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  ArtBook& art_;
  int piece_;
  bool framed_ = false;
};

}  // namespace drippo::ui
