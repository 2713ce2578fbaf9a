#pragma once

#include <QRectF>

#include "ui/art/art_book.h"

class QPainter;

namespace drippo::ui {

// Paints the SVG picture of art stretched to fill rect; nothing if the
// picture's resource is missing.
void paint_picture(QPainter& p, const QRectF& rect, Art art);

}  // namespace drippo::ui
