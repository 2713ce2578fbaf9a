#include "ui/art/art_book.h"

#include <QPainter>
#include <cmath>
#include <functional>

#include "ui/art/pictures.h"
#include "ui/art/piece_painter.h"
#include "ui/art/picture_code.h"

// Outside any namespace, as Q_INIT_RESOURCE requires: a static library's
// resources are not registered until someone asks.
static void register_art_resources() { Q_INIT_RESOURCE(drippo_art); }

namespace drippo::ui {

namespace {

// Beyond this many pixmaps the window has been resized many times: start over
// rather than keep every size ever asked for.
constexpr std::size_t kCacheLimit = 2048;

using Draw = std::function<void(QPainter&, const QRectF&)>;

const QPixmap& cached(std::map<QString, QPixmap>& cache, const QString& what, QSize size, qreal dpr,
                      const Draw& draw) {
  const QString key =
      QStringLiteral("%1 %2x%3 @%4").arg(what).arg(size.width()).arg(size.height()).arg(dpr);
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  if (cache.size() >= kCacheLimit) cache.clear();
  QPixmap pixmap;
  if (!size.isEmpty() && dpr > 0) {
    // Drawn at the screen's pixel density, so it stays sharp on a high-density screen.
    pixmap = QPixmap(std::lround(size.width() * dpr), std::lround(size.height() * dpr));
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
  }
  return cache.emplace(key, std::move(pixmap)).first->second;
}

}  // namespace

ArtBook::ArtBook() { register_art_resources(); }

void ArtBook::paint_piece(QPainter& painter, const QRectF& rect, int code_image) const {
  const int shown = shared_picture(code_image);
  paint_piece_art(painter, rect, picture_piece(shown), picture_water(shown));
}

const QPixmap& ArtBook::piece(int code_image, QSize size, qreal device_pixel_ratio) {
  const int shown = shared_picture(code_image);
  // Keyed by the shared picture, so states that share art share the pixmap.
  return cached(
      cache_, QStringLiteral("piece %1").arg(shown), size, device_pixel_ratio,
      [shown](QPainter& p, const QRectF& r) { paint_piece_art(p, r, picture_piece(shown), picture_water(shown)); });
}

void ArtBook::paint(QPainter& painter, const QRectF& rect, Art art) const {
  paint_picture(painter, rect, art);
}

const QPixmap& ArtBook::picture(Art art, QSize size, qreal device_pixel_ratio) {
  return cached(cache_, QStringLiteral("art %1").arg(static_cast<int>(art)), size,
                device_pixel_ratio,
                [art](QPainter& p, const QRectF& r) { paint_picture(p, r, art); });
}

}  // namespace drippo::ui
