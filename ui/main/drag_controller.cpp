#include "ui/main/drag_controller.h"

#include <QPainter>

#include "ui/art/art_book.h"
#include "ui/main/board_widget.h"
#include "ui/main/main_window.h"
#include "ui/main/palette_widget.h"

namespace drippo::ui {

namespace {

// The dragged piece: drawn half see-through, and never in the way of the
// mouse, so that what lies under it can be found.
class DraggedPiece : public QWidget {
 public:
  DraggedPiece(ArtBook& art, QWidget* parent) : QWidget(parent), art_(art) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
  }
  void set_piece(int piece) {
    piece_ = piece;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setOpacity(0.75);
    p.drawPixmap(rect(), art_.piece(piece_, size(), devicePixelRatioF()));
  }

 private:
  ArtBook& art_;
  int piece_ = 0;
};

enum class Over { Cell, Palette, Background, Elsewhere };

struct Target {
  Over over = Over::Elsewhere;
  int index = -1;
};

Target target_at(MainWindow& w, QPoint global_pos) {
  BoardWidget& board = w.board();
  const int cell = board.cell_at(board.mapFromGlobal(global_pos));
  if (board.rect().contains(board.mapFromGlobal(global_pos)) && cell >= 0) return {Over::Cell, cell};
  for (PaletteWidget* palette : {&w.palette(), &w.editor_palette()}) {
    if (!palette->isVisibleTo(&w)) continue;
    const int piece = palette->piece_at(palette->mapFromGlobal(global_pos));
    if (piece >= 0) return {Over::Palette, piece};
  }
  if (w.is_background(w.childAt(w.mapFromGlobal(global_pos)))) return {Over::Background, -1};
  return {};
}

}  // namespace

DragController::DragController(MainWindow& window, ArtBook& art)
    : window_(window), picture_(new DraggedPiece(art, &window)) {}

DragController::~DragController() = default;

void DragController::begin(int piece, QPoint global_pos) {
  active_ = true;
  static_cast<DraggedPiece*>(picture_)->set_piece(piece);
  picture_->resize(window_.board().cell_rect(0).size());
  picture_->raise();
  picture_->show();
  move(global_pos);
}

void DragController::move(QPoint global_pos) {
  if (!active_) return;
  picture_->move(window_.mapFromGlobal(global_pos) - QPoint(picture_->width() / 2, picture_->height() / 2));
  Game& game = window_.game();
  const int lit = game.placing().highlighted_cell();
  const Target t = target_at(window_, global_pos);
  if (t.over == Over::Cell) game.placing().drag_over_cell(t.index);
  else if (t.over == Over::Background) game.placing().drag_over_background();
  if (lit != game.placing().highlighted_cell()) {
    window_.board().repaint_cell(lit);
    window_.board().repaint_cell(game.placing().highlighted_cell());
  }
}

void DragController::release(QPoint global_pos) {
  if (!active_) return;
  active_ = false;
  picture_->hide();
  Game& game = window_.game();
  const int lit = game.placing().highlighted_cell();
  const Target t = target_at(window_, global_pos);
  if (t.over == Over::Cell) game.placing().drop_on_cell(t.index);
  else if (t.over == Over::Palette) game.placing().drop_on_palette();
  else game.placing().drag_cancelled();
  window_.board().repaint_cell(lit);
  window_.sync_from_game();
}

}  // namespace drippo::ui
