#pragma once

#include <QRectF>

class QPainter;

namespace drippo::ui {

// Paints the art of a piece in a water state, stretched to fill rect. The
// state is drawn as asked: callers map shared states first (shared_picture).
void paint_piece_art(QPainter& p, const QRectF& rect, int piece, int w);

}  // namespace drippo::ui
