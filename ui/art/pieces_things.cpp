// The pieces with a character of their own: teleporter, bomb, mill, sponge,
// the cat and the brick wall.
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>

#include "ui/art/art_kit.h"
#include "ui/art/pieces.h"
#include "ui/art/picture_code.h"

namespace drippo::ui::pieces {

using namespace kit;

namespace {

void sparkle(QPainter& p, QPointF c, qreal r, const QColor& colour) {
  QPainterPath star(c + QPointF(0, -r));
  star.quadTo(c, c + QPointF(r, 0));
  star.quadTo(c, c + QPointF(0, r));
  star.quadTo(c, c + QPointF(-r, 0));
  star.quadTo(c, c + QPointF(0, -r));
  p.setPen(line(colour.darker(160), 0.4));
  p.setBrush(colour);
  p.drawPath(star);
}

}  // namespace

void teleporter(QPainter& p) {
  QPainterPath arch(QPointF(7, 34));
  arch.lineTo(QPointF(7, 16.5));
  arch.arcTo(QRectF(7, 6, 19, 19), 180, -180);
  arch.lineTo(QPointF(26, 34));
  arch.closeSubpath();
  QRadialGradient inside(QPointF(kMidX, 19), 14);
  inside.setColorAt(0, QColor("#f3e4ff"));
  inside.setColorAt(0.35, QColor("#b57cff"));
  inside.setColorAt(1, QColor("#5a21b0"));
  p.setPen(line(tone::gold.outline, 4.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(arch);
  p.setPen(line(tone::gold.mid, 2.6));
  p.setBrush(inside);
  p.drawPath(arch);
  // A swirl into the other side.
  QPainterPath swirl(QPointF(kMidX, 20));
  for (int k = 1; k <= 40; ++k) {
    const qreal a = k * 0.33;
    const qreal r = k * 0.2;
    swirl.lineTo(QPointF(kMidX + std::cos(a) * r, 20 + std::sin(a) * r * 1.15));
  }
  p.setPen(line(QColor(255, 255, 255, 210), 1.3));
  p.setBrush(Qt::NoBrush);
  p.drawPath(swirl);
  p.setPen(line(tone::gold.outline, 0.8));
  p.setBrush(tone::gold.mid);
  p.drawRoundedRect(QRectF(4.5, 32.5, 24, 3), 1, 1);
  sparkle(p, QPointF(4, 7), 2.6, tone::gold.light);
  sparkle(p, QPointF(29, 11), 2.0, QColor("#ffffff"));
  sparkle(p, QPointF(29.5, 25), 1.8, tone::gold.light);
}

void bomb(QPainter& p) {
  const QPointF c(15.5, 23);
  QRadialGradient body(c + QPointF(-4, -4), 13);
  body.setColorAt(0, QColor("#6e7a8c"));
  body.setColorAt(0.45, QColor("#2f3642"));
  body.setColorAt(1, QColor("#12161c"));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 50, 70, 50));
  p.drawEllipse(QPointF(c.x() + 1, 34), 9, 1.8);
  p.setPen(line(QColor("#0b0e12"), 1.0));
  p.setBrush(body);
  p.drawEllipse(c, 10, 10);
  p.save();
  p.translate(c + QPointF(6.3, -7.3));
  p.rotate(40);
  p.setPen(line(tone::metal.outline, 0.8));
  p.setBrush(tone::metal.mid);
  p.drawRoundedRect(QRectF(-3.2, -2.4, 6.4, 4.2), 0.8, 0.8);
  p.restore();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 120));
  p.drawEllipse(c + QPointF(-4.5, -4.5), 2.6, 1.7);
  p.setBrush(QColor(255, 255, 255, 200));
  p.drawEllipse(c + QPointF(-5.5, -5.2), 1.0, 0.8);
  QPainterPath fuse(QPointF(23.5, 13));
  fuse.cubicTo(QPointF(25, 9), QPointF(23, 7.5), QPointF(26.5, 5.5));
  p.setPen(line(QColor("#6b4a2a"), 2.0));
  p.setBrush(Qt::NoBrush);
  p.drawPath(fuse);
  p.setPen(line(QColor("#d9b98a"), 1.0));
  p.drawPath(fuse);
  sparkle(p, QPointF(27, 5), 4.5, QColor("#ff8a1f"));
  sparkle(p, QPointF(27, 5), 2.6, QColor("#ffe84a"));
}

void mill(QPainter& p, int w) {
  const QPointF hub(kMidX, 16.5);
  // Legs first, so the wheel turns in front of them.
  p.setPen(line(tone::wood.outline, 3.4));
  p.drawLine(hub, QPointF(7, 35));
  p.drawLine(hub, QPointF(26, 35));
  p.setPen(line(tone::wood.mid, 2.0));
  p.drawLine(hub, QPointF(7, 35));
  p.drawLine(hub, QPointF(26, 35));
  const qreal rim = 10.5;
  p.setPen(line(tone::wood.outline, 1.0));
  for (int k = 0; k < 8; ++k) {
    const qreal a = k * M_PI / 4 + M_PI / 8;
    p.save();
    p.translate(hub);
    p.rotate(a * 180 / M_PI);
    p.setPen(line(tone::wood.outline, 0.8));
    p.setBrush(tone::wood.dark);
    p.drawRect(QRectF(0, -0.7, rim, 1.4));
    p.setBrush(k % 2 ? QColor("#ff6b5a") : tone::gold.mid);
    p.drawRoundedRect(QRectF(rim - 2.5, -2.6, 5.2, 5.2), 0.8, 0.8);
    p.restore();
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(line(tone::wood.outline, 2.6));
  p.drawEllipse(hub, rim - 2.5, rim - 2.5);
  p.setPen(line(tone::wood.light, 1.2));
  p.drawEllipse(hub, rim - 2.5, rim - 2.5);
  p.setPen(line(tone::metal.outline, 0.8));
  p.setBrush(tone::metal.mid);
  p.drawEllipse(hub, 2.6, 2.6);
  rivet(p, hub, 1.0);
  if (w & water::falling) {
    falling_stream(p, kMidX + 3, -1, 3.5);
    splash(p, QPointF(kMidX + 3, 3.5), 5.0);
    // Motion and the power the turning wheel gives its neighbours.
    p.setBrush(Qt::NoBrush);
    p.setPen(line(QColor(255, 255, 255, 230), 1.3));
    p.drawArc(QRectF(hub.x() - 14, hub.y() - 14, 28, 28), 200 * 16, 50 * 16);
    p.drawArc(QRectF(hub.x() - 14, hub.y() - 14, 28, 28), 290 * 16, 50 * 16);
    drop(p, QPointF(25.5, 27), 1.1);
    drop(p, QPointF(29, 21), 0.9);
    bolt(p, QPointF(3.6, 10), 8);
    bolt(p, QPointF(29.6, 9), 8);
  }
}

void sponge(QPainter& p, int w) {
  const bool wet = w & water::falling;
  const QRectF body(4.5, 13, 24, 19);
  QLinearGradient g(body.topLeft(), body.bottomLeft());
  g.setColorAt(0, wet ? QColor("#ffd84a") : QColor("#fff07a"));
  g.setColorAt(1, wet ? QColor("#d9901c") : QColor("#f2b92b"));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 50, 70, 45));
  p.drawEllipse(QPointF(kMidX + 1, 33.5), 12, 1.8);
  p.setPen(line(QColor("#9a6b12"), 1.0));
  p.setBrush(g);
  p.drawRoundedRect(body, 4, 4);
  // The green scouring side on top.
  p.setPen(line(QColor("#1f6b33"), 1.0));
  p.setBrush(QColor("#49b65a"));
  p.drawRoundedRect(QRectF(4.5, 9.5, 24, 5.2), 2.2, 2.2);
  p.setPen(line(QColor(255, 255, 255, 120), 0.8));
  p.drawLine(QPointF(7, 11), QPointF(26, 11));
  p.setPen(Qt::NoPen);
  // A soaked sponge shows water in its pores.
  p.setBrush(wet ? tone::water.mid : QColor("#d99a1c"));
  const QPointF pores[] = {{8, 18}, {24.5, 18.5}, {11, 28.5}, {22, 28}, {7.5, 24.5}, {26, 25}};
  for (const QPointF& c : pores) p.drawEllipse(c, 1.3, 1.0);
  // A small content face.
  p.setBrush(QColor("#3a2a10"));
  p.drawEllipse(QPointF(13, 21), 1.2, 1.5);
  p.drawEllipse(QPointF(20, 21), 1.2, 1.5);
  p.setBrush(Qt::NoBrush);
  p.setPen(line(QColor("#3a2a10"), 0.9));
  p.drawArc(QRectF(13.5, 21.5, 6, 4), 200 * 16, 140 * 16);
  if (wet) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 120, 120, 140));
    p.drawEllipse(QPointF(10.5, 24), 1.6, 1.0);
    p.drawEllipse(QPointF(22.5, 24), 1.6, 1.0);
    falling_stream(p, kMidX, -1, 10);
    splash(p, QPointF(kMidX, 9.6), 5);
    drop(p, QPointF(9.5, 35), 1.0);
    drop(p, QPointF(21, 35.5), 1.1);
  }
}

void cat(QPainter& p, int w) {
  const bool wet = w & water::falling;
  const QColor fur = wet ? QColor("#c98a3a") : QColor("#f7a43b");
  const QColor ink("#6b3508");
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 50, 70, 45));
  p.drawEllipse(QPointF(kMidX + 1, 34.5), 10, 1.5);
  QPainterPath tail(QPointF(24, 31));
  tail.cubicTo(QPointF(31, 31), QPointF(31, 22), QPointF(28, 19));
  p.setPen(line(ink, 3.6));
  p.setBrush(Qt::NoBrush);
  p.drawPath(tail);
  p.setPen(line(fur, 2.2));
  p.drawPath(tail);
  p.setPen(line(ink, 0.9));
  p.setBrush(fur);
  p.drawEllipse(QPointF(kMidX, 27), 8.5, 7.5);
  p.setBrush(QColor("#fff4e2"));
  p.drawEllipse(QPointF(kMidX, 28.5), 4.2, 5);
  p.drawEllipse(QPointF(12.5, 33.5), 2.6, 1.6);
  p.drawEllipse(QPointF(20.5, 33.5), 2.6, 1.6);
  // Head: ears, then the face.
  const QPointF head(kMidX, 15);
  p.setBrush(fur);
  p.drawPolygon(QPolygonF({QPointF(9, 13), QPointF(9.5, 4.5), QPointF(15, 9)}));
  p.drawPolygon(QPolygonF({QPointF(24, 13), QPointF(23.5, 4.5), QPointF(18, 9)}));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor("#ff9fb0"));
  p.drawPolygon(QPolygonF({QPointF(10.3, 11), QPointF(10.6, 6.6), QPointF(13.5, 9.3)}));
  p.drawPolygon(QPolygonF({QPointF(22.7, 11), QPointF(22.4, 6.6), QPointF(19.5, 9.3)}));
  p.setPen(line(ink, 0.9));
  p.setBrush(fur);
  if (wet) {
    // Fur stands on end.
    QPainterPath spiky;
    for (int k = 0; k <= 18; ++k) {
      const qreal a = k * 2 * M_PI / 18;
      const qreal r = (k % 2) ? 8.4 : 7.0;
      const QPointF pt = head + QPointF(std::cos(a) * r * 1.05, std::sin(a) * r * 0.92);
      if (k == 0)
        spiky.moveTo(pt);
      else
        spiky.lineTo(pt);
    }
    p.drawPath(spiky);
  } else {
    p.drawEllipse(head, 7.8, 6.9);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor("#fff4e2"));
  p.drawEllipse(QPointF(kMidX, 18), 3.6, 2.6);
  p.setPen(line(ink, 0.8));
  p.drawLine(QPointF(kMidX, 9), QPointF(kMidX, 11));
  p.drawLine(QPointF(kMidX - 2.2, 9.4), QPointF(kMidX - 1.6, 11));
  p.drawLine(QPointF(kMidX + 2.2, 9.4), QPointF(kMidX + 1.6, 11));
  if (wet) {
    // Shocked: squeezed eyes and an open mouth.
    p.setPen(line(QColor("#222222"), 1.0));
    p.drawPolyline(QPolygonF({QPointF(11, 12.5), QPointF(13.5, 14), QPointF(11, 15.5)}));
    p.drawPolyline(QPolygonF({QPointF(22, 12.5), QPointF(19.5, 14), QPointF(22, 15.5)}));
    p.setBrush(QColor("#7a1c2a"));
    p.drawEllipse(QPointF(kMidX, 19), 1.5, 1.8);
  } else {
    for (qreal x : {13.2, 19.8}) {
      p.setPen(line(QColor("#2b4a14"), 0.6));
      p.setBrush(QColor("#9be05a"));
      p.drawEllipse(QPointF(x, 14), 1.9, 2.2);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor("#1b1b1b"));
      p.drawEllipse(QPointF(x, 14.2), 0.8, 1.6);
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(x - 0.6, 13.2), 0.5, 0.5);
    }
    p.setPen(line(ink, 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(kMidX - 2.2, 17.2, 2.2, 2), 180 * 16, 180 * 16);
    p.drawArc(QRectF(kMidX, 17.2, 2.2, 2), 180 * 16, 180 * 16);
  }
  p.setPen(line(QColor("#d94a6a"), 0.5));
  p.setBrush(QColor("#ff7a92"));
  p.drawPolygon(
      QPolygonF({QPointF(kMidX - 1, 16.6), QPointF(kMidX + 1, 16.6), QPointF(kMidX, 17.6)}));
  p.setPen(line(QColor(90, 50, 20, 170), 0.4));
  for (int side : {-1, 1}) {
    p.drawLine(QPointF(kMidX + side * 3, 17.5), QPointF(kMidX + side * 9, 16.5));
    p.drawLine(QPointF(kMidX + side * 3, 18.3), QPointF(kMidX + side * 9, 18.8));
  }
  if (wet) {
    falling_stream(p, kMidX, -1, 6.5);
    splash(p, QPointF(kMidX, 7), 7);
    drop(p, QPointF(4.5, 22), 1.1);
    drop(p, QPointF(28.5, 14.5), 1.0);
    drop(p, QPointF(6, 30.5), 0.9);
  }
}

void brick(QPainter& p) {
  p.fillRect(QRectF(0, 0, kW, kH), QColor("#ecd7b8"));
  const qreal row_h = kH / 4;
  const qreal brick_w = kW / 2;
  for (int row = 0; row < 4; ++row) {
    // Every other row is offset by half a brick, so walls bond across cells.
    const qreal offset = (row % 2) ? -brick_w / 2 : 0;
    for (int k = 0; k < 3; ++k) {
      const QRectF r(offset + k * brick_w + 0.7, row * row_h + 0.7, brick_w - 1.4, row_h - 1.4);
      QLinearGradient g(r.topLeft(), r.bottomLeft());
      const bool odd = (row + k) % 3 == 1;
      g.setColorAt(0, odd ? QColor("#f59172") : tone::brick.light);
      g.setColorAt(0.5, odd ? QColor("#e0603f") : tone::brick.mid);
      g.setColorAt(1, tone::brick.dark);
      p.setPen(line(tone::brick.outline, 0.6));
      p.setBrush(g);
      p.drawRoundedRect(r, 1.3, 1.3);
      p.setPen(line(QColor(255, 255, 255, 110), 0.7));
      p.drawLine(QPointF(r.left() + 1.5, r.top() + 1.2), QPointF(r.right() - 1.5, r.top() + 1.2));
    }
  }
}

}  // namespace drippo::ui::pieces
