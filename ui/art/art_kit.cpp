#include "ui/art/art_kit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>

namespace drippo::ui::kit {

namespace tone {
const Tone water{QColor("#a8e0ff"), QColor("#3fa9f5"), QColor("#2585d6"), QColor("#1a5fa6")};
const Tone wood{QColor("#ffd27f"), QColor("#eb9a3f"), QColor("#c7742a"), QColor("#84461b")};
const Tone pipe{QColor("#a6f0ae"), QColor("#4cbd5d"), QColor("#33934a"), QColor("#1d5a2c")};
const Tone metal{QColor("#f1f5f8"), QColor("#aebccb"), QColor("#7d8d9e"), QColor("#3c4856")};
const Tone brick{QColor("#f3866a"), QColor("#d9553b"), QColor("#b03e29"), QColor("#7a2717")};
const Tone gold{QColor("#fff1a8"), QColor("#ffcf3a"), QColor("#e3a100"), QColor("#9a6400")};
const Tone glass{QColor(255, 255, 255, 170), QColor(214, 240, 252, 120), QColor("#7ec3e3"),
                 QColor("#3f88ad")};
}  // namespace tone

QPen line(const QColor& colour, qreal width) {
  QPen pen(colour, width);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

void tile(QPainter& p) {
  p.fillRect(QRectF(0, 0, kW, kH), QColor("#c4dce7"));
  QLinearGradient glaze(0, 0, kW, kH);
  glaze.setColorAt(0, QColor("#f7fdff"));
  glaze.setColorAt(1, QColor("#d9edf5"));
  p.setPen(Qt::NoPen);
  p.setBrush(glaze);
  p.drawRoundedRect(QRectF(0.7, 0.7, kW - 1.4, kH - 1.4), 3, 3);
  // A glint in the corner sells the glaze without drawing the eye.
  p.setPen(line(QColor(255, 255, 255, 200), 1.4));
  p.drawLine(QPointF(3.5, 8.5), QPointF(8.5, 3.5));
  p.setPen(line(QColor(255, 255, 255, 140), 1.0));
  p.drawLine(QPointF(3.5, 12.5), QPointF(5.5, 10.5));
}

void mirrored(QPainter& p, const std::function<void()>& fn) {
  p.save();
  p.translate(kW, 0);
  p.scale(-1, 1);
  fn();
  p.restore();
}

void water_band(QPainter& p, const QPainterPath& path, qreal width) {
  p.setBrush(Qt::NoBrush);
  p.setPen(line(tone::water.outline, width + 1.5));
  p.drawPath(path);
  p.setPen(line(tone::water.mid, width));
  p.drawPath(path);
  p.save();
  p.translate(-width * 0.16, -width * 0.16);
  p.setPen(line(tone::water.light, width * 0.32));
  p.drawPath(path);
  QPen glint = line(QColor(255, 255, 255, 230), width * 0.18);
  glint.setDashPattern({3.0, 4.0});
  p.setPen(glint);
  p.drawPath(path);
  p.restore();
}

void falling_stream(QPainter& p, qreal x, qreal y0, qreal y1) {
  QPainterPath path(QPointF(x, y0));
  // A slight sway keeps the stream from looking like a rod.
  const qreal mid = (y0 + y1) / 2;
  path.cubicTo(QPointF(x + 0.8, mid - 4), QPointF(x - 0.8, mid + 4), QPointF(x, y1));
  water_band(p, path, 4.6);
  if (y1 - y0 > 14) {
    drop(p, QPointF(x + 5.0, y0 + (y1 - y0) * 0.35), 1.1);
    drop(p, QPointF(x - 4.6, y0 + (y1 - y0) * 0.7), 0.9);
  }
}

void drop(QPainter& p, QPointF c, qreal r) {
  QPainterPath d(QPointF(c.x(), c.y() - 2.1 * r));
  d.quadTo(QPointF(c.x() + r * 1.05, c.y() - 0.7 * r), QPointF(c.x() + r, c.y()));
  d.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 0, -180);
  d.quadTo(QPointF(c.x() - r * 1.05, c.y() - 0.7 * r), QPointF(c.x(), c.y() - 2.1 * r));
  p.setPen(line(tone::water.outline, 0.55));
  p.setBrush(tone::water.mid);
  p.drawPath(d);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 220));
  p.drawEllipse(QPointF(c.x() - r * 0.35, c.y() - r * 0.3), r * 0.28, r * 0.34);
}

void splash(QPainter& p, QPointF at, qreal spread) {
  p.setPen(line(tone::water.outline, 0.6));
  p.setBrush(tone::water.mid);
  p.drawEllipse(at, spread * 0.75, spread * 0.22);
  const qreal s = spread;
  const QPointF flying[] = {
      {-0.95 * s, -0.55 * s}, {0.95 * s, -0.55 * s}, {-0.55 * s, -1.0 * s}, {0.6 * s, -1.05 * s}};
  const qreal sizes[] = {0.95, 0.95, 0.75, 0.7};
  for (int k = 0; k < 4; ++k) {
    p.setPen(line(tone::water.outline, 0.5));
    p.setBrush(tone::water.light);
    p.drawEllipse(at + flying[k], sizes[k] * s * 0.17 + 0.35, sizes[k] * s * 0.17 + 0.35);
  }
}

void tube(QPainter& p, const QPainterPath& path, qreal width, const Tone& t, bool wet) {
  auto stroke = [&](const QColor& c, qreal w) {
    QPen pen(c, w, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    p.setPen(pen);
    p.drawPath(path);
  };
  p.setBrush(Qt::NoBrush);
  stroke(t.outline, width + 1.6);
  stroke(t.dark, width);
  p.save();
  p.translate(-width * 0.12, -width * 0.12);
  stroke(t.mid, width * 0.72);
  p.restore();
  if (wet) {
    // The tube is glazed: water shows as a blue core with glints.
    stroke(tone::water.outline, width * 0.62);
    stroke(tone::water.mid, width * 0.48);
    p.save();
    p.translate(-width * 0.08, -width * 0.08);
    QPen glint(QColor(255, 255, 255, 235), width * 0.14, Qt::DashLine, Qt::FlatCap);
    glint.setDashPattern({2.0, 2.5});
    p.setPen(glint);
    p.drawPath(path);
    p.restore();
  } else {
    p.save();
    p.translate(-width * 0.22, -width * 0.22);
    stroke(t.light, width * 0.2);
    p.restore();
  }
}

void flange(QPainter& p, QPointF c, bool vertical_pipe) {
  const qreal across = 14.0;
  const qreal along = 2.8;
  QRectF r = vertical_pipe ? QRectF(c.x() - across / 2, c.y() - along / 2, across, along)
                           : QRectF(c.x() - along / 2, c.y() - across / 2, along, across);
  QLinearGradient g(r.topLeft(), vertical_pipe ? r.topRight() : r.bottomLeft());
  g.setColorAt(0, tone::pipe.light);
  g.setColorAt(0.45, tone::pipe.mid);
  g.setColorAt(1, tone::pipe.dark);
  p.setPen(line(tone::pipe.outline, 0.8));
  p.setBrush(g);
  p.drawRoundedRect(r, 0.8, 0.8);
}

void plank(QPainter& p, QPointF a, QPointF b, qreal thickness) {
  const QPointF d = b - a;
  const qreal length = std::hypot(d.x(), d.y());
  const qreal angle = std::atan2(d.y(), d.x()) * 180.0 / M_PI;
  p.save();
  p.translate((a + b) / 2);
  p.rotate(angle);
  const QRectF r(-length / 2, -thickness / 2, length, thickness);
  // Soft shadow under the board.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 70, 90, 45));
  p.drawRoundedRect(r.translated(0.8, 1.6), thickness * 0.4, thickness * 0.4);
  QLinearGradient g(0, r.top(), 0, r.bottom());
  g.setColorAt(0, tone::wood.light);
  g.setColorAt(0.35, tone::wood.mid);
  g.setColorAt(1, tone::wood.dark);
  p.setPen(line(tone::wood.outline, 0.9));
  p.setBrush(g);
  p.drawRoundedRect(r, thickness * 0.4, thickness * 0.4);
  p.setPen(line(QColor(255, 255, 255, 150), 0.8));
  p.drawLine(QPointF(r.left() + 2.2, r.top() + 1.1), QPointF(r.right() - 2.2, r.top() + 1.1));
  p.setPen(line(tone::wood.dark, 0.6));
  p.drawLine(QPointF(-length * 0.25, 0.6), QPointF(length * 0.05, 0.6));
  p.drawLine(QPointF(length * 0.12, 1.4), QPointF(length * 0.32, 1.4));
  rivet(p, QPointF(r.left() + thickness * 0.55, 0.3), 0.85);
  rivet(p, QPointF(r.right() - thickness * 0.55, 0.3), 0.85);
  p.restore();
}

void rivet(QPainter& p, QPointF c, qreal r) {
  p.setPen(line(tone::metal.outline, 0.45));
  p.setBrush(tone::metal.light);
  p.drawEllipse(c, r, r);
}

void bolt(QPainter& p, QPointF c, qreal s) {
  const QPolygonF shape({c + QPointF(0.1 * s, -0.5 * s), c + QPointF(-0.3 * s, 0.06 * s),
                         c + QPointF(-0.02 * s, 0.06 * s), c + QPointF(-0.14 * s, 0.5 * s),
                         c + QPointF(0.3 * s, -0.08 * s), c + QPointF(0.02 * s, -0.08 * s),
                         c + QPointF(0.18 * s, -0.5 * s)});
  p.setPen(line(tone::gold.outline, 0.16 * s > 0.9 ? 0.9 : 0.16 * s));
  p.setBrush(tone::gold.mid);
  p.drawPolygon(shape);
}

}  // namespace drippo::ui::kit
