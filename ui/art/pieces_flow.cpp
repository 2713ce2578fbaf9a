// The pieces that steer water: platforms, pipes, curves, junctions, the door.
#include <QLinearGradient>
#include <QPainter>
#include <cmath>

#include "ui/art/art_kit.h"
#include "ui/art/pieces.h"
#include "ui/art/picture_code.h"

namespace drippo::ui::pieces {

using namespace kit;

namespace {

constexpr qreal kTube = 10.0;

// Water that runs in from a side and falls out of the bottom: what a drop
// moving sideways does in an empty cell or an open door.
void pour(QPainter& p, int w) {
  if (w & water::moving_right) {
    QPainterPath from_left(QPointF(-1, 20.5));
    from_left.cubicTo(QPointF(9, 20.5), QPointF(15.5, 24), QPointF(15.8, 37));
    water_band(p, from_left, 4.0);
    drop(p, QPointF(5, 27.5), 1.0);
  }
  if (w & water::moving_left) {
    QPainterPath from_right(QPointF(kW + 1, 20.5));
    from_right.cubicTo(QPointF(kW - 9, 20.5), QPointF(17.5, 24), QPointF(17.2, 37));
    water_band(p, from_right, 4.0);
    drop(p, QPointF(kW - 5, 27.5), 1.0);
  }
  if (w & water::falling) falling_stream(p, kMidX, -1, kH + 1);
}

// A sheet of water running along a deck whose top is at y.
void running_water(QPainter& p, qreal y) {
  QPainterPath sheet(QPointF(-1, y - 1.7));
  sheet.cubicTo(QPointF(6, y - 3.0), QPointF(10, y - 0.9), QPointF(16.5, y - 1.9));
  sheet.cubicTo(QPointF(23, y - 3.0), QPointF(27, y - 0.9), QPointF(kW + 1, y - 1.7));
  water_band(p, sheet, 3.2);
  drop(p, QPointF(8.5, y - 6.2), 0.9);
  drop(p, QPointF(24, y - 6.8), 0.8);
}

QPainterPath straight(QPointF a, QPointF b) {
  QPainterPath path(a);
  path.lineTo(b);
  return path;
}

// The hub where pipes of a junction meet.
void hub(QPainter& p, QPointF c) {
  QRadialGradient g(c + QPointF(-2, -2), 8);
  g.setColorAt(0, tone::pipe.light);
  g.setColorAt(0.5, tone::pipe.mid);
  g.setColorAt(1, tone::pipe.dark);
  p.setPen(line(tone::pipe.outline, 0.9));
  p.setBrush(g);
  p.drawEllipse(c, 7.2, 7.2);
  for (int k = 0; k < 4; ++k) {
    const qreal a = M_PI / 4 + k * M_PI / 2;
    rivet(p, c + QPointF(std::cos(a) * 4.6, std::sin(a) * 4.6), 0.9);
  }
}

}  // namespace

void empty(QPainter& p, int w) { pour(p, w); }

void flat(QPainter& p, int w) {
  plank(p, QPointF(1.5, kDeckY + 3), QPointF(kW - 1.5, kDeckY + 3), 6);
  if (w & water::falling) {
    falling_stream(p, kMidX, -1, kDeckY - 0.5);
    splash(p, QPointF(kMidX, kDeckY - 0.3), 6.5);
  }
  if (w & water::moving_right) running_water(p, kDeckY);
}

void diagonal_right(QPainter& p, int w) {
  const QPointF a(2, 7.5), b(31, 29.5);
  const qreal thick = 5.5;
  plank(p, a, b, thick);
  const QPointF d = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
  const QPointF up(d.y(), -d.x());
  // A point on the top face, lifted by `lift` for water lying on it.
  auto face = [&](qreal x, qreal lift) {
    const qreal s = (x - a.x()) / d.x();
    return a + d * s + up * (thick / 2 + lift);
  };
  if (w & water::falling) {
    const QPointF hit = face(11, 0.2);
    falling_stream(p, 11, -1, hit.y());
    QPainterPath slide(face(10, 1.6));
    slide.lineTo(face(28, 1.6));
    slide.quadTo(face(32, 1.6), QPointF(kW + 1, face(32, 1.6).y() + 2.5));
    water_band(p, slide, 3.0);
    splash(p, face(11, 0.4), 5.0);
    drop(p, QPointF(29.5, 32.5), 1.0);
  }
  if (w & water::moving_left) {
    // Water running left meets the slope and is thrown back to the right.
    const QPointF hit = face(24.5, 1.2);
    QPainterPath in(QPointF(kW + 1, 21.5));
    in.quadTo(QPointF(28, 21.5), hit);
    water_band(p, in, 3.0);
    QPainterPath back(hit);
    back.quadTo(QPointF(24, 13), QPointF(30.5, 10));
    water_band(p, back, 2.2);
    splash(p, face(24.5, 0.6), 4.5);
    drop(p, QPointF(32, 7.5), 1.0);
  }
}

void right_curve(QPainter& p, int w) {
  QPainterPath elbow(QPointF(kMidX, -1));
  elbow.lineTo(QPointF(kMidX, 3));
  elbow.cubicTo(QPointF(kMidX, 12), QPointF(21.5, kPipeY), QPointF(29.5, kPipeY));
  elbow.lineTo(QPointF(kW + 1, kPipeY));
  tube(p, elbow, kTube, tone::pipe, w & water::moving_right);
  flange(p, QPointF(kMidX, 1.4), true);
  flange(p, QPointF(kW - 1.4, kPipeY), false);
}

void junction(QPainter& p) {
  tube(p, straight(QPointF(kMidX, -1), QPointF(kMidX, kPipeY)), kTube, tone::pipe, false);
  tube(p, straight(QPointF(-1, kPipeY), QPointF(kW + 1, kPipeY)), kTube, tone::pipe, false);
  flange(p, QPointF(kMidX, 1.4), true);
  flange(p, QPointF(1.4, kPipeY), false);
  flange(p, QPointF(kW - 1.4, kPipeY), false);
  hub(p, QPointF(kMidX, kPipeY));
}

void right_junction(QPainter& p) {
  tube(p, straight(QPointF(kMidX, kPipeY), QPointF(kW + 1, kPipeY)), kTube, tone::pipe, false);
  tube(p, straight(QPointF(kMidX, -1), QPointF(kMidX, kH + 1)), kTube, tone::pipe, false);
  flange(p, QPointF(kMidX, 1.4), true);
  flange(p, QPointF(kMidX, kH - 1.4), true);
  flange(p, QPointF(kW - 1.4, kPipeY), false);
  hub(p, QPointF(kMidX, kPipeY));
}

void horizontal_pipe(QPainter& p, int w) {
  tube(p, straight(QPointF(-1, kPipeY), QPointF(kW + 1, kPipeY)), kTube, tone::pipe, false);
  flange(p, QPointF(1.4, kPipeY), false);
  flange(p, QPointF(kW - 1.4, kPipeY), false);
  flange(p, QPointF(kMidX, kPipeY), false);
  if (w & water::falling) {
    // Water falling onto the pipe runs off it and is lost.
    falling_stream(p, kMidX, -1, kPipeY - kTube / 2 - 0.3);
    splash(p, QPointF(kMidX, kPipeY - kTube / 2 - 0.2), 7);
    drop(p, QPointF(6, 28), 1.0);
    drop(p, QPointF(27, 30), 1.0);
  }
}

void cross_pipe(QPainter& p) {
  tube(p, straight(QPointF(-1, kPipeY), QPointF(kW + 1, kPipeY)), kTube, tone::pipe, false);
  tube(p, straight(QPointF(kMidX, -1), QPointF(kMidX, kH + 1)), kTube, tone::pipe, false);
  flange(p, QPointF(kMidX, 1.4), true);
  flange(p, QPointF(kMidX, kH - 1.4), true);
  flange(p, QPointF(1.4, kPipeY), false);
  flange(p, QPointF(kW - 1.4, kPipeY), false);
  hub(p, QPointF(kMidX, kPipeY));
}

void door(QPainter& p, int w) {
  const bool open = w & water::powered;
  const qreal hinge_y = kDeckY + 2.5;
  const qreal flap_len = kMidX - 5;
  auto flap = [&](QPointF hinge, qreal angle, bool left) {
    p.save();
    p.translate(hinge);
    p.rotate(angle);
    const QRectF r(left ? 0 : -flap_len, -2.5, flap_len, 5);
    QLinearGradient g(0, -2.5, 0, 2.5);
    g.setColorAt(0, tone::metal.light);
    g.setColorAt(1, tone::metal.dark);
    p.setPen(line(tone::metal.outline, 0.9));
    p.setBrush(g);
    p.drawRoundedRect(r, 1.2, 1.2);
    // Hazard stripes along the edge that meets the other flap.
    p.setPen(line(QColor("#2b2b2b"), 1.1));
    const qreal tip = left ? flap_len - 1.2 : -flap_len + 1.2;
    const qreal step = left ? -2.4 : 2.4;
    for (int k = 0; k < 2; ++k)
      p.drawLine(QPointF(tip + k * step - 0.8, 2), QPointF(tip + k * step + 0.8, -2));
    rivet(p, QPointF(left ? 2 : -2, 0), 0.9);
    p.restore();
  };
  if (open) {
    // Powered: the flaps hang down and leave the middle open.
    p.setPen(Qt::NoPen);
    QRadialGradient glow(QPointF(kMidX, hinge_y + 3), 11);
    glow.setColorAt(0, QColor(255, 236, 120, 170));
    glow.setColorAt(1, QColor(255, 236, 120, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(kMidX, hinge_y + 3), 11, 11);
    bolt(p, QPointF(kMidX, hinge_y + 4), 12);
    flap(QPointF(5, hinge_y), 82, true);
    flap(QPointF(kW - 5, hinge_y), -82, false);
  } else {
    flap(QPointF(5, hinge_y), 0, true);
    flap(QPointF(kW - 5, hinge_y), 0, false);
  }
  // The posts that hold the hinges, each topped by its power lamp.
  const qreal post_top = 11.5;
  for (qreal x : {0.0, kW - 5.5}) {
    QLinearGradient g(x, 0, x + 5.5, 0);
    g.setColorAt(0, tone::metal.light);
    g.setColorAt(1, tone::metal.dark);
    p.setPen(line(tone::metal.outline, 0.9));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(x + 0.5, post_top, 5, kH - post_top + 2), 1.2, 1.2);
    const QPointF lamp(x + 3, post_top);
    if (open) {
      QRadialGradient halo(lamp, 6);
      halo.setColorAt(0, QColor(140, 255, 140, 200));
      halo.setColorAt(1, QColor(140, 255, 140, 0));
      p.setPen(Qt::NoPen);
      p.setBrush(halo);
      p.drawEllipse(lamp, 6, 6);
    }
    p.setPen(line(open ? QColor("#1f7a2e") : QColor("#7a1f1f"), 0.7));
    p.setBrush(open ? QColor("#6dff7a") : QColor("#ff5b4f"));
    p.drawEllipse(lamp, 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawEllipse(lamp + QPointF(-0.8, -0.8), 0.8, 0.8);
  }
  if (open) {
    bolt(p, QPointF(9, 6.5), 8);
    bolt(p, QPointF(kW - 9, 6.5), 8);
  }
  if (open) {
    pour(p, w & water::flowing);
    return;
  }
  if (w & water::falling) {
    falling_stream(p, kMidX, -1, kDeckY - 0.5);
    splash(p, QPointF(kMidX, kDeckY - 0.3), 6.5);
  }
  if (w & water::moving_right) running_water(p, kDeckY);
}

}  // namespace drippo::ui::pieces
