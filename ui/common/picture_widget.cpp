#include "ui/common/picture_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace drippo::ui {

PictureWidget::PictureWidget(ArtBook& art, Art picture, QWidget* parent)
    : QWidget(parent), art_(art), picture_(picture) {
  setAttribute(Qt::WA_TranslucentBackground);
}

void PictureWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(rect(), art_.picture(picture_, size(), devicePixelRatioF()));
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

PictureButton::PictureButton(ArtBook& art, Art picture, QWidget* parent)
    : QPushButton(parent), art_(art), picture_(picture) {
  setFlat(true);
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect().adjusted(1, 1, -1, -1);
  if (!isEnabled()) p.setOpacity(0.4);
  else if (isDown()) p.translate(1, 1);
  p.drawPixmap(r, art_.picture(picture_, r.size(), devicePixelRatioF()));
  if (hasFocus()) {
    p.setOpacity(1);
    p.setPen(QPen(QColor(255, 255, 255, 180), 1, Qt::DotLine));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

}  // namespace drippo::ui
