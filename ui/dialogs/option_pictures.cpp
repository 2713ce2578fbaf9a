#include "ui/dialogs/option_pictures.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

#include <QPainter>

namespace drippo::ui {

namespace {

const QColor flag_blue(1, 33, 105);
const QColor flag_red(200, 16, 46);

}  // namespace

void paint_british_flag(QPainter& painter, const QRectF& r) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setClipRect(r);
  painter.fillRect(r, flag_blue);
  // Proportions of a 60 x 30 flag, stretched over the button.
  const double ux = r.width() / 60.0;
  const double uy = r.height() / 30.0;
  const QPointF c = r.center();
  auto saltire = [&](double width, const QColor& colour) {
    painter.setPen(QPen(colour, width * std::min(ux, uy), Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(r.topLeft(), r.bottomRight());
    painter.drawLine(r.bottomLeft(), r.topRight());
  };
  saltire(6, Qt::white);
  saltire(2, flag_red);
  painter.fillRect(QRectF(c.x() - 5 * ux, r.top(), 10 * ux, r.height()), Qt::white);
  painter.fillRect(QRectF(r.left(), c.y() - 5 * uy, r.width(), 10 * uy), Qt::white);
  painter.fillRect(QRectF(c.x() - 3 * ux, r.top(), 6 * ux, r.height()), flag_red);
  painter.fillRect(QRectF(r.left(), c.y() - 3 * uy, r.width(), 6 * uy), flag_red);
  painter.restore();
}

void paint_french_flag(QPainter& painter, const QRectF& r) {
  const double third = r.width() / 3.0;
  painter.fillRect(QRectF(r.left(), r.top(), third, r.height()), QColor(0, 35, 149));
  painter.fillRect(QRectF(r.left() + third, r.top(), third, r.height()), Qt::white);
  painter.fillRect(QRectF(r.left() + 2 * third, r.top(), r.width() - 2 * third, r.height()), QColor(237, 41, 57));
}

RampStyle ramp_style_for(double random01) {
  return static_cast<int>(2 * random01) + 1 == 1 ? RampStyle::Red : RampStyle::Blue;
}

std::vector<RampBand> ramp_bands(RampStyle style, float width, float height) {
  std::vector<RampBand> bands;
  if (!(height > 0) || !(width > 0)) return bands;  // an empty step would never end
  const float step = height / 100.0f;
  // Halves go to the even neighbour whatever the rounding mode was.
  const int saved = std::fegetround();
  std::fesetround(FE_TONEAREST);
  for (float y = 0; y < height;) {
    const float share = y / height;
    const float level_f = style == RampStyle::Red ? share * 255.0f * 0.7f : share * 255.0f;
    const int level = static_cast<int>(std::nearbyint(level_f));
    const QColor colour = style == RampStyle::Red ? QColor(level, 0, 0) : QColor(0, 0, level);
    // Each band ends exactly where the next begins: the single-precision sum
    // and y + step in double may straddle a pixel's edge and leave a dark line.
    const float next = y + step;
    bands.push_back({QRectF(0, y, width, static_cast<double>(next) - y), colour});
    y = next;
  }
  std::fesetround(saved);
  return bands;
}

}  // namespace drippo::ui
