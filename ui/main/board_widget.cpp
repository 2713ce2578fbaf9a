#include "ui/main/board_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

#include "ui/common/twips.h"
#include "ui/common/key_outline.h"
#include "ui/main/window_layout.h"

namespace drippo::ui {

namespace {
// The index k whose [edge(k), edge(k + 1)) holds pixel x; edges are rounded,
// so the first guess may be one off.
template <class Edge>
int index_of(int x, double pitch, int count, Edge edge) {
  int k = static_cast<int>(x / pitch);
  if (k > 0 && edge(k) > x) --k;
  if (edge(k + 1) <= x) ++k;
  return k >= 0 && k < count ? k : -1;
}
}  // namespace

BoardWidget::BoardWidget(const Game& game, ArtBook& art, QWidget* parent)
    : QWidget(parent), game_(game), art_(art) {
  setObjectName("Picture1");
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The keys' home: the window gives it the focus, a click gives it back.
  setFocusPolicy(Qt::StrongFocus);
}

void BoardWidget::set_key_cursor(int cell) {
  if (!is_cell(cell) || cell == cursor_) return;
  repaint_cell(cursor_);
  cursor_ = cell;
  repaint_cell(cursor_);
}

void BoardWidget::show_key_cursor(bool shown) {
  if (shown == cursor_shown_) return;
  cursor_shown_ = shown;
  repaint_cell(cursor_);
}

void BoardWidget::set_carried(int piece) {
  if (piece == carried_) return;
  carried_ = piece;
  repaint_cell(cursor_);
}

void BoardWidget::set_hint(const Hint& hint) {
  repaint_cell(hint_.cell);
  hint_ = hint;
  repaint_cell(hint_.cell);
}

void BoardWidget::show_game(const Game* other) {
  other_ = other;
  update();
}

double BoardWidget::cell_width() const { return layout::cell_width / twips_per_pixel * zoom_; }
double BoardWidget::cell_height() const { return layout::cell_height / twips_per_pixel * zoom_; }
int BoardWidget::column_edge(int k) const { return qRound(k * cell_width()); }
int BoardWidget::row_edge(int k) const { return qRound(k * cell_height()); }

QRect BoardWidget::cell_rect(int i) const {
  if (!is_cell(i)) return {};
  const int col = i % nb_colonnes;
  const int row = i / nb_colonnes;
  return QRect(column_edge(col), row_edge(row), column_edge(col + 1) - column_edge(col),
               row_edge(row + 1) - row_edge(row));
}

int BoardWidget::cell_at(QPoint pos) const {
  if (pos.x() < 0 || pos.y() < 0) return -1;
  const int col = index_of(pos.x(), cell_width(), nb_colonnes, [this](int k) { return column_edge(k); });
  const int row = index_of(pos.y(), cell_height(), nb_lignes, [this](int k) { return row_edge(k); });
  if (col < 0 || row < 0) return -1;
  return row * nb_colonnes + col;
}

void BoardWidget::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.fillRect(event->rect(), QColor(0x2b, 0x4a, 0x6f));
  if (!shown().window().cells_shown()) return;
  const qreal dpr = devicePixelRatioF();
  for (int i = 0; i <= derniere_case; ++i) {
    const QRect r = cell_rect(i);
    if (!r.intersects(event->rect())) continue;
    p.drawPixmap(r, art_.piece(shown().table().shown_picture(i), r.size(), dpr));
  }
  if (other_ != nullptr) return;
  if (is_cell(hint_.cell)) {
    const QRect r = cell_rect(hint_.cell);
    if (!hint_.take_back && game_.table().cell(hint_.cell).piece == piece::vide) {
      p.setOpacity(0.45);
      p.drawPixmap(r, art_.piece(hint_.piece, r.size(), dpr));
      p.setOpacity(1);
    }
    const QColor colour = hint_.take_back ? QColor(0xd0, 0x20, 0x20) : QColor(0xff, 0xd4, 0x00);
    const int w = std::max(2, r.width() / 12);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, w));
    p.drawRect(r.adjusted(w / 2, w / 2, -(w + 1) / 2, -(w + 1) / 2));
    if (hint_.take_back) {
      p.drawLine(r.topLeft() + QPoint(w, w), r.bottomRight() - QPoint(w, w));
      p.drawLine(r.topRight() + QPoint(-w, w), r.bottomLeft() + QPoint(w, -w));
    }
  }
  const int lit = game_.placing().highlighted_cell();
  if (is_cell(lit)) {
    // A single border, dark outside and light inside, to show on any piece.
    const QRect r = cell_rect(lit).adjusted(0, 0, -1, -1);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(r);
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(r.adjusted(1, 1, -1, -1));
  }
  if (cursor_shown_) {
    const QRect r = cell_rect(cursor_);
    if (carried_ > 0 && game_.table().cell(cursor_).piece == piece::vide) {
      p.setOpacity(0.6);
      p.drawPixmap(r, art_.piece(carried_, r.size(), dpr));
      p.setOpacity(1);
    }
    draw_key_outline(p, r, std::max(2.0, r.width() / 10.0));
  }
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  const int i = cell_at(event->position().toPoint());
  if (i < 0) return;
  set_key_cursor(i);  // the keys go on from where the mouse was
  emit cell_pressed(i, event->button());
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
  emit mouse_moved(event->globalPosition().toPoint(), event->modifiers(), event->buttons());
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
  emit mouse_released(event->globalPosition().toPoint(), event->button());
}

}  // namespace drippo::ui
