#pragma once

#include <vector>

#include <QColor>
#include <QRectF>

class QPainter;

namespace drippo::ui {

// The pictures of the options dialog's language buttons.
void paint_british_flag(QPainter& painter, const QRectF& rect);
void paint_french_flag(QPainter& painter, const QRectF& rect);

// One band of the options dialog's background.
struct RampBand {
  QRectF rect;
  QColor colour;
};

// The background's two styles, drawn from the top down.
enum class RampStyle {
  Red = 1,   // black to dark red
  Blue = 2,  // black to blue
};

// The style for a random number in [0, 1): each with even odds.
RampStyle ramp_style_for(double random01);

// Bands of a hundredth of the height, from the top while they start inside
// the area, in single precision as the ramp was always worked out; nearest
// colours, halves to the even neighbour.
std::vector<RampBand> ramp_bands(RampStyle style, float width, float height);

}  // namespace drippo::ui
