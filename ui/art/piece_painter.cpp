#include "ui/art/piece_painter.h"

#include <QPainter>

#include "ui/art/art_kit.h"
#include "ui/art/pieces.h"

namespace drippo::ui {

namespace {

// Left-handed pieces are their right-handed twin seen in a mirror, and their
// water states swap right (2) and left (4).
int swap_sides(int w) { return (w & ~6) | ((w & 2) << 1) | ((w & 4) >> 1); }

void draw(QPainter& p, int piece, int w) {
  using namespace pieces;
  switch (piece) {
    case 1:
      return flat(p, w);
    case 2:
      return diagonal_right(p, w);
    case 3:
      return kit::mirrored(p, [&] { diagonal_right(p, swap_sides(w)); });
    case 4:
      return right_curve(p, w);
    case 5:
      return kit::mirrored(p, [&] { right_curve(p, swap_sides(w)); });
    case 6:
      return junction(p);
    case 7:
      return teleporter(p);
    case 8:
      return bomb(p);
    case 9:
      return right_junction(p);
    case 10:
      return kit::mirrored(p, [&] { right_junction(p); });
    case 11:
      return horizontal_pipe(p, w);
    case 12:
      return cross_pipe(p);
    case 13:
      return mill(p, w);
    case 14:
      return door(p, w);
    case 15:
      return sponge(p, w);
    case 16:
      return fish_bowl(p, w);
    case 17:
      return flower_pot(p, w);
    case 18:
      return glass(p, w);
    case 19:
      return cat(p, w);
    case 20:
      return brick(p);
    default:
      return empty(p, w);
  }
}

}  // namespace

void paint_piece_art(QPainter& p, const QRectF& rect, int piece, int w) {
  if (rect.isEmpty()) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setClipRect(rect, Qt::IntersectClip);
  p.translate(rect.topLeft());
  p.scale(rect.width() / kit::kW, rect.height() / kit::kH);
  kit::tile(p);
  draw(p, piece, w);
  p.restore();
}

}  // namespace drippo::ui
