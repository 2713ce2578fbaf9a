#include "ui/main/palette_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/common/key_outline.h"

namespace drippo::ui {

namespace {
// The selection frame reaches 120 twips around a picture and its count.
constexpr TwipRect frame_around(const TwipRect& picture) {
  return TwipRect{picture.left - 120, picture.top - 120, 735, 1095};
}
}  // namespace

PaletteWidget::PaletteWidget(const Game& game, ArtBook& art, std::vector<Entry> entries, TwipRect own_size,
                             bool shows_selection, QWidget* parent)
    : QWidget(parent),
      game_(game),
      art_(art),
      entries_(std::move(entries)),
      own_size_(own_size),
      shows_selection_(shows_selection) {
  setMouseTracking(true);
}

void PaletteWidget::set_marked(int piece) {
  if (piece == marked_) return;
  marked_ = piece;
  update();
}

Zoom PaletteWidget::zoom() const { return Zoom(width() * twips_per_pixel / own_size_.width); }

QRect PaletteWidget::picture_rect(int piece) const {
  for (const Entry& e : entries_) {
    if (e.piece == piece) return zoom().rect(e.picture);
  }
  return {};
}

int PaletteWidget::piece_at(QPoint pos) const {
  for (const Entry& e : entries_) {
    if (zoom().rect(e.picture).contains(pos)) return e.piece;
  }
  return -1;
}

void PaletteWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal dpr = devicePixelRatioF();
  for (const Entry& e : entries_) {
    const QRect r = zoom().rect(e.picture);
    p.drawPixmap(r, art_.piece(e.piece, r.size(), dpr));
  }
  if (shows_selection_) {
    for (const Entry& e : entries_) {
      if (e.piece != game_.placing().type_choisi()) continue;
      const QRectF frame = zoom().rectf(frame_around(e.picture));
      const double width = std::max(2.0, zoom().px(30));
      p.setBrush(Qt::NoBrush);
      // A dark edge keeps the yellow frame in sight in grey scale.
      p.setPen(QPen(QColor(40, 30, 0), width + 2));
      p.drawRoundedRect(frame.adjusted(2, 2, -2, -2), 4, 4);
      p.setPen(QPen(QColor(255, 214, 0), width));
      p.drawRoundedRect(frame.adjusted(2, 2, -2, -2), 4, 4);
    }
  }
  for (const Entry& e : entries_) {
    if (e.piece == marked_) draw_key_outline(p, zoom().rectf(e.picture), std::max(2.0, zoom().px(40)));
  }
}

void PaletteWidget::mousePressEvent(QMouseEvent* event) {
  const int t = piece_at(event->position().toPoint());
  if (t >= 0) emit piece_pressed(t);
}

void PaletteWidget::mouseMoveEvent(QMouseEvent* event) {
  emit mouse_moved(event->globalPosition().toPoint(), event->modifiers(), event->buttons());
}

void PaletteWidget::mouseReleaseEvent(QMouseEvent* event) {
  emit mouse_released(event->globalPosition().toPoint(), event->button());
}

}  // namespace drippo::ui
