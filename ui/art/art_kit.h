#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <functional>

class QPainter;

// Shared drawing kit of the pieces: every piece is drawn in a box of 33 x 36
// units, the cell's shape at 100 %, so one unit is one pixel at that size.
namespace drippo::ui::kit {

inline constexpr qreal kW = 33;
inline constexpr qreal kH = 36;
inline constexpr qreal kMidX = kW / 2;
// Height at which pipes meet their neighbours, and the platforms' top.
inline constexpr qreal kPipeY = 18;
inline constexpr qreal kDeckY = 23;

// A material: a light and a mid fill, and the soft outline around it.
struct Tone {
  QColor light;
  QColor mid;
  QColor dark;
  QColor outline;
};

namespace tone {
extern const Tone water;
extern const Tone wood;
extern const Tone pipe;
extern const Tone metal;
extern const Tone brick;
extern const Tone gold;
extern const Tone glass;
}  // namespace tone

QPen line(const QColor& colour, qreal width);

// The empty cell: a glazed wall tile that repeats edge to edge.
void tile(QPainter& p);

// Draws fn mirrored left to right inside the cell.
void mirrored(QPainter& p, const std::function<void()>& fn);

// A band of water along a path: outline, body and glints.
void water_band(QPainter& p, const QPainterPath& path, qreal width);
// Water falling straight down at x from y0 to y1.
void falling_stream(QPainter& p, qreal x, qreal y0, qreal y1);
void drop(QPainter& p, QPointF centre, qreal radius);
// A crown of droplets where water hits a surface at `at`.
void splash(QPainter& p, QPointF at, qreal spread);

// A stroked tube along path, with shading; wet tubes show water inside.
void tube(QPainter& p, const QPainterPath& path, qreal width, const Tone& t, bool wet);
// A ring where a pipe meets the cell edge, centred at c, across direction.
void flange(QPainter& p, QPointF c, bool vertical_pipe);
// A plank from a to b, its top face lit.
void plank(QPainter& p, QPointF a, QPointF b, qreal thickness);
// A small screw head.
void rivet(QPainter& p, QPointF c, qreal r);
// A fat lightning bolt, the sign of power.
void bolt(QPainter& p, QPointF centre, qreal size);

}  // namespace drippo::ui::kit
