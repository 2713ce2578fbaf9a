#include "ui/dialogs/piece_picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace drippo::ui {

PiecePicture::PiecePicture(ArtBook& art, int piece, QWidget* parent) : QWidget(parent), art_(art), piece_(piece) {
  setMouseTracking(true);
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
