#include "ui/art/pictures.h"

#include <QPainter>
#include <QSvgRenderer>
#include <array>
#include <memory>

namespace drippo::ui {

namespace {

struct PictureInfo {
  const char* file;
  QSize twips;
};

// Indexed by Art; sizes are those of the window layout.
constexpr std::array<PictureInfo, art_count> kPictures{{
    {"welcome.svg", {9420, 5190}},
    {"welcome_left.svg", {1440, 1470}},
    {"welcome_right.svg", {1440, 1470}},
    {"envelope.svg", {1395, 690}},
    {"plumber.svg", {1425, 2100}},
    {"explosion.svg", {1485, 1620}},
    {"flag.svg", {975, 855}},
    {"new_level.svg", {975, 855}},
    {"options.svg", {975, 855}},
    {"help.svg", {975, 855}},
    {"save.svg", {975, 855}},
    {"load_for_edit.svg", {975, 855}},
    {"side_panel.svg", {2595, 8340}},
    {"palette_strip.svg", {9390, 1260}},
    {"browser_workman.svg", {4800, 5010}},
    {"browser_panel.svg", {2520, 3975}},
    {"check_mark.svg", {855, 735}},
    {"cross.svg", {855, 735}},
    {"hint.svg", {525, 560}},
    {"check_level.svg", {2105, 320}},
}};

int index_of(Art art) {
  const int k = static_cast<int>(art);
  return (k >= 0 && k < art_count) ? k : -1;
}

// Parsed once per run: the documents are small, but painting happens often.
QSvgRenderer* renderer(int k) {
  static std::array<std::unique_ptr<QSvgRenderer>, art_count> renderers;
  if (!renderers[k]) {
    renderers[k] = std::make_unique<QSvgRenderer>(QStringLiteral(":/drippo/art/") +
                                                  QLatin1String(kPictures[k].file));
  }
  return renderers[k].get();
}

}  // namespace

QSize design_size_twips(Art art) {
  const int k = index_of(art);
  return k < 0 ? QSize() : kPictures[k].twips;
}

void paint_picture(QPainter& p, const QRectF& rect, Art art) {
  const int k = index_of(art);
  if (k < 0 || rect.isEmpty()) return;
  QSvgRenderer* svg = renderer(k);
  if (!svg->isValid()) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  // An outline that reaches past the drawing's edge must not touch its neighbours.
  p.setClipRect(rect, Qt::IntersectClip);
  svg->render(&p, rect);
  p.restore();
}

}  // namespace drippo::ui
