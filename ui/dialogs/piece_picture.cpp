#include "ui/dialogs/piece_picture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/common/key_outline.h"

namespace drippo::ui {

PiecePicture::PiecePicture(ArtBook& art, int piece, QWidget* parent) : QWidget(parent), art_(art), piece_(piece) {
  setMouseTracking(true);
  setFocusPolicy(Qt::TabFocus);
}

void PiecePicture::set_framed(bool framed) {
  if (framed_ == framed) return;
  framed_ = framed;
  update();
}

void PiecePicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // Square pieces stay square in a box that is not.
  const int side = std::min(width(), height());
  const QRect square((width() - side) / 2, (height() - side) / 2, side, side);
  p.drawPixmap(square.topLeft(), art_.piece(piece_, square.size(), devicePixelRatioF()));
  if (framed_) {
    p.setPen(QPen(Qt::yellow, 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  if (hasFocus()) draw_key_outline(p, QRectF(rect()).adjusted(1, 1, -1, -1), 2);
}

void PiecePicture::focusInEvent(QFocusEvent*) {
  emit hovered(piece_);
  update();
}

void PiecePicture::focusOutEvent(QFocusEvent*) { update(); }

void PiecePicture::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) emit clicked(piece_);
  else QWidget::keyPressEvent(event);
}

void PiecePicture::mouseMoveEvent(QMouseEvent* event) {
  // Taken here, so the page under the picture does not clear the frames.
  event->accept();
  emit hovered(piece_);
}

void PiecePicture::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked(piece_);
}

}  // namespace drippo::ui
