#include "ui/art/piece_painter.h"

#include <QPainter>

#include "ui/art/art_kit.h"
#include "ui/art/pieces.h"
#include "ui/art/picture_code.h"

namespace drippo::ui {

namespace {

// Left-handed pieces are their right-handed twin seen in a mirror, and their
// water states swap the water moving right and the water moving left.
int swap_sides(int w) {
  const int rest = w & ~(water::moving_right | water::moving_left);
  return rest | ((w & water::moving_right) ? water::moving_left : 0) |
         ((w & water::moving_left) ? water::moving_right : 0);
}

void draw(QPainter& p, int piece_code, int w) {
  using namespace pieces;
  switch (piece_code) {
    case piece::plateforme:
      return flat(p, w);
    case piece::diagonale_droite:
      return diagonal_right(p, w);
    case piece::diagonale_gauche:
      return kit::mirrored(p, [&] { diagonal_right(p, swap_sides(w)); });
    case piece::coude_droit:
      return right_curve(p, w);
    case piece::coude_gauche:
      return kit::mirrored(p, [&] { right_curve(p, swap_sides(w)); });
    case piece::bifurcation:
      return junction(p);
    case piece::teleporteur:
      return teleporter(p);
    case piece::bombe:
      return bomb(p);
    case piece::embranchement_droit:
      return right_junction(p);
    case piece::embranchement_gauche:
      return kit::mirrored(p, [&] { right_junction(p); });
    case piece::tuyau_plat:
      return horizontal_pipe(p, w);
    case piece::tuyau_croisement:
      return cross_pipe(p);
    case piece::moulin:
      return mill(p, w);
    case piece::porte:
      return door(p, w);
    case piece::eponge:
      return sponge(p, w);
    case piece::bocal:
      return fish_bowl(p, w);
    case piece::pot_de_fleurs:
      return flower_pot(p, w);
    case piece::verre:
      return glass(p, w);
    case piece::chat:
      return cat(p, w);
    case piece::brique:
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
