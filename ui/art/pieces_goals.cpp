// The three goals: fish bowl, flower pot and cocktail glass. Each shows the
// water falling into it; water running past it is not drawn.
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "ui/art/art_kit.h"
#include "ui/art/pieces.h"
#include "ui/art/picture_code.h"

namespace drippo::ui::pieces {

using namespace kit;

void fish_bowl(QPainter& p, int w) {
  const QPointF c(kMidX, 21.5);
  const qreal r = 12.3;
  QPainterPath bowl;
  bowl.addEllipse(c, r, r);
  QPainterPath cut;
  cut.addRect(QRectF(0, 11, kW, kH));
  bowl = bowl.intersected(cut);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 50, 70, 45));
  p.drawEllipse(QPointF(kMidX, 34.3), 10, 1.6);
  QPainterPath water;
  water.addEllipse(c, r - 1, r - 1);
  QPainterPath below;
  below.addRect(QRectF(0, 15.5, kW, kH));
  water = water.intersected(below);
  QLinearGradient g(0, 15, 0, 34);
  g.setColorAt(0, QColor("#9fdcff"));
  g.setColorAt(1, QColor("#3f9fe8"));
  p.setBrush(QColor(230, 246, 255, 170));
  p.drawPath(bowl);
  p.setBrush(g);
  p.drawPath(water);
  // Pebbles and a fish.
  p.setBrush(QColor("#f2d28a"));
  p.drawEllipse(QPointF(12, 31.3), 3, 1.4);
  p.setBrush(QColor("#e7a86a"));
  p.drawEllipse(QPointF(20, 31.6), 3.4, 1.3);
  p.setPen(line(QColor("#a33e00"), 0.7));
  p.setBrush(QColor("#ff8a1f"));
  QPolygonF tail({QPointF(20.5, 23.5), QPointF(24.5, 20.5), QPointF(24.5, 26.5)});
  p.drawPolygon(tail);
  p.drawEllipse(QPointF(16, 23.5), 5, 3.4);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(13.6, 22.6), 1.2, 1.2);
  p.setBrush(QColor("#1b1b1b"));
  p.drawEllipse(QPointF(13.4, 22.6), 0.6, 0.6);
  p.setPen(line(QColor("#ffffff"), 0.6));
  p.setBrush(QColor(255, 255, 255, 80));
  p.drawEllipse(QPointF(9, 19.5), 0.9, 0.9);
  p.drawEllipse(QPointF(10.5, 17.5), 0.6, 0.6);
  p.setBrush(Qt::NoBrush);
  p.setPen(line(tone::glass.outline, 1.0));
  p.drawPath(bowl);
  p.setPen(line(tone::glass.dark, 1.4));
  p.drawLine(QPointF(8.5, 11), QPointF(24.5, 11));
  p.setPen(line(QColor(255, 255, 255, 230), 1.2));
  p.drawArc(QRectF(c.x() - r + 2.2, c.y() - r + 2.2, 2 * r - 4.4, 2 * r - 4.4), 140 * 16, 50 * 16);
  if (w & water::falling) {
    falling_stream(p, kMidX + 2, -1, 16);
    splash(p, QPointF(kMidX + 2, 16), 5.5);
    p.setPen(line(QColor("#ffffff"), 0.6));
    p.setBrush(QColor(255, 255, 255, 80));
    p.drawEllipse(QPointF(22, 28), 1.0, 1.0);
    p.drawEllipse(QPointF(24, 25), 0.7, 0.7);
  }
}

void flower_pot(QPainter& p, int w) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 50, 70, 45));
  p.drawEllipse(QPointF(kMidX + 1, 34.5), 8, 1.4);
  // Stem, leaves and bloom.
  QPainterPath stem(QPointF(14, 21));
  stem.cubicTo(QPointF(15.5, 16), QPointF(12, 13), QPointF(13.5, 8));
  p.setPen(line(QColor("#1f6b33"), 2.4));
  p.setBrush(Qt::NoBrush);
  p.drawPath(stem);
  p.setPen(line(QColor("#4cbd5d"), 1.2));
  p.drawPath(stem);
  p.setPen(line(QColor("#1f6b33"), 0.7));
  p.setBrush(QColor("#5fd06f"));
  QPainterPath leaf(QPointF(14.3, 16.5));
  leaf.quadTo(QPointF(19, 12), QPointF(21.5, 14.5));
  leaf.quadTo(QPointF(18, 18.5), QPointF(14.3, 16.5));
  p.drawPath(leaf);
  QPainterPath leaf2(QPointF(13.6, 18.5));
  leaf2.quadTo(QPointF(8.5, 15.5), QPointF(6.5, 18));
  leaf2.quadTo(QPointF(10, 21), QPointF(13.6, 18.5));
  p.drawPath(leaf2);
  const QPointF bloom(13.5, 7.5);
  p.setPen(line(QColor("#b3246a"), 0.7));
  p.setBrush(QColor("#ff78b4"));
  for (int k = 0; k < 5; ++k) {
    const qreal a = k * 2 * M_PI / 5 - M_PI / 2;
    p.drawEllipse(bloom + QPointF(std::cos(a) * 3.4, std::sin(a) * 3.4), 2.6, 2.6);
  }
  p.setPen(line(tone::gold.outline, 0.6));
  p.setBrush(tone::gold.mid);
  p.drawEllipse(bloom, 2.2, 2.2);
  // The pot.
  QPolygonF pot({QPointF(8.5, 23), QPointF(24.5, 23), QPointF(22.5, 34), QPointF(10.5, 34)});
  QLinearGradient clay(8, 0, 25, 0);
  clay.setColorAt(0, QColor("#f29a6b"));
  clay.setColorAt(1, QColor("#b8542e"));
  p.setPen(line(QColor("#6e2a12"), 0.9));
  p.setBrush(clay);
  p.drawPolygon(pot);
  p.drawRoundedRect(QRectF(6.5, 19.5, 20, 4.5), 1.2, 1.2);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor("#5a3a22"));
  p.drawEllipse(QPointF(kMidX, 20.2), 9, 0.9);
  p.setPen(line(QColor(255, 255, 255, 110), 0.9));
  p.drawLine(QPointF(8.5, 21), QPointF(24, 21));
  if (w & water::falling) {
    falling_stream(p, 22, -1, 19.5);
    splash(p, QPointF(22, 19.7), 4.5);
    drop(p, QPointF(10, 4), 0.9);
    drop(p, QPointF(17.5, 12.5), 0.8);
  }
}

void glass(QPainter& p, int w) {
  const bool filled = w & water::falling;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 50, 70, 45));
  p.drawEllipse(QPointF(kMidX + 1, 34), 8, 1.4);
  // The straw stands behind the bowl.
  p.setPen(line(QColor("#b0241c"), 2.2));
  p.drawLine(QPointF(9.5, 3), QPointF(14.5, 17));
  p.setPen(line(QColor("#ffffff"), 1.0));
  p.drawLine(QPointF(9.8, 4.5), QPointF(11, 8));
  p.drawLine(QPointF(12, 10), QPointF(13, 13));
  QPolygonF bowl({QPointF(4.5, 9), QPointF(28.5, 9), QPointF(kMidX, 22)});
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(235, 248, 255, 170));
  p.drawPolygon(bowl);
  if (filled) {
    QPolygonF drink({QPointF(7.5, 11), QPointF(25.5, 11), QPointF(kMidX, 20.8)});
    QLinearGradient g(0, 11, 0, 21);
    g.setColorAt(0, tone::water.light);
    g.setColorAt(1, tone::water.mid);
    p.setBrush(g);
    p.drawPolygon(drink);
  }
  p.setPen(line(tone::glass.outline, 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawPolygon(bowl);
  p.setPen(line(tone::glass.outline, 1.6));
  p.drawLine(QPointF(kMidX, 22), QPointF(kMidX, 32));
  p.setPen(line(tone::glass.outline, 0.9));
  p.setBrush(QColor(235, 248, 255, 200));
  p.drawEllipse(QPointF(kMidX, 32.5), 7, 1.8);
  p.setPen(line(QColor(255, 255, 255, 230), 1.0));
  p.drawLine(QPointF(8, 10.8), QPointF(13, 16.5));
  // A slice of lemon on the rim.
  p.setPen(line(QColor("#9a7b00"), 0.7));
  p.setBrush(QColor("#fff36b"));
  p.drawPie(QRectF(23, 4.5, 8, 8), 200 * 16, 180 * 16);
  p.setPen(line(QColor("#e2c100"), 0.5));
  p.drawLine(QPointF(27, 8.5), QPointF(24, 10));
  p.drawLine(QPointF(27, 8.5), QPointF(27.5, 12));
  if (filled) {
    falling_stream(p, kMidX + 1, -1, 11.5);
    splash(p, QPointF(kMidX + 1, 11.5), 5);
  }
}

}  // namespace drippo::ui::pieces
