#pragma once

#include <QRect>
#include <QRectF>

namespace drippo::ui {

// The window is laid out in twips, 15 to the pixel at 100 %. Every widget of
// the main window keeps its place in twips, and one zoom turns them into
// pixels, so that everything scales together when the window is resized.
inline constexpr double twips_per_pixel = 15.0;

struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

class Zoom {
 public:
  explicit Zoom(double factor = 1.0) : factor_(factor) {}
  double factor() const { return factor_; }
  double px(double twips) const { return twips / twips_per_pixel * factor_; }
  double twips(double pixels) const { return pixels * twips_per_pixel / factor_; }
  QRect rect(const TwipRect& t) const {
    // Edges are rounded, not sizes, so that neighbours stay edge to edge.
    const int l = qRound(px(t.left));
    const int top = qRound(px(t.top));
    return QRect(l, top, qRound(px(t.left + t.width)) - l, qRound(px(t.top + t.height)) - top);
  }
  QRectF rectf(const TwipRect& t) const { return QRectF(px(t.left), px(t.top), px(t.width), px(t.height)); }

 private:
  double factor_;
};

}  // namespace drippo::ui
