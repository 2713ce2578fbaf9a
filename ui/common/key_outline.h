#pragma once

#include <QPainter>

namespace drippo::ui {

// The frame of what the keys act on: light dashes over a dark line, with a
// thin dark line inside, so that it shows on any piece, in grey scale too.
inline void draw_key_outline(QPainter& p, const QRectF& around, qreal width) {
  p.save();
  p.setBrush(Qt::NoBrush);
  const QRectF thick = around.adjusted(width / 2, width / 2, -width / 2, -width / 2);
  QPen dark(Qt::black, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  p.setPen(dark);
  p.drawRect(thick);
  QPen light = dark;
  light.setColor(Qt::white);
  light.setDashPattern({1.5, 1.5});
  p.setPen(light);
  p.drawRect(thick);
  p.setPen(QPen(Qt::black, 1));
  p.drawRect(around.adjusted(width, width, -width - 1, -width - 1));
  p.restore();
}

}  // namespace drippo::ui
