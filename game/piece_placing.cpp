#include "game/piece_placing.h"

#include "game/control_text.h"

namespace drippo {

bool PiecePlacing::teleporter_limit_reached() const {
  int count = 0;
  for (int i = 0; i < derniere_case; ++i) {
    if (table_.cell(i).piece == piece::teleporteur) ++count;
  }
  return count > 1;
}

std::optional<PlacingRefusal> PiecePlacing::refusal(int i, int t) const {
  // Goals and the cat sit in the editor's panel, which only the editor shows.
  if (is_editor_only(t) && !table_.mode_edition()) return PlacingRefusal::EditorOnly;
  if (table_.cell(i).piece != piece::vide) return PlacingRefusal::CellTaken;
  // A hand-made level may hold a negative count: it means none.
  if (leading_number(table_.stock(t)) < 1) return PlacingRefusal::NoneInStock;
  if (t == piece::teleporteur && teleporter_limit_reached()) return PlacingRefusal::TwoTeleporters;
  return std::nullopt;
}

bool PiecePlacing::take_from_stock(int t) {
  if (leading_number(table_.stock(t)) < 1) return false;
  std::string left = number_text(leading_number(table_.stock(t)) - 1);
  if (left == "0") left.clear();
  table_.set_stock(t, left);
  return true;
}

// A goal set down starts empty, whatever its cell held.
void set_piece_down(Simulation& water, int i, int t) {
  const CellRef c = water.cell_ref(i);
  c.piece = static_cast<std::int16_t>(t);
  if (is_goal(c.piece)) c.besoin = goal_need(c.piece);
  c.modifiable = 1;
}

// Piece t goes down on the empty cell i.
void PiecePlacing::set_down(int i, int t) {
  editor_.remember_board_change();
  set_piece_down(table_.water(), i, t);
  table_.dessiner_case(i);
}

bool PiecePlacing::board_mouse_down(int i, MouseButton button) {
  if (!is_cell(i) || table_.board_locked()) return false;
  if (table_.mode_jeu() == ModeJeu::Aucun && !table_.mode_edition()) return false;

  const Cellule c = table_.cell(i);
  if (c.piece == piece::vide && button == MouseButton::Right && table_.mode_edition()) {
    table_.water().pour(i, falling);
  }
  if (button == MouseButton::Left) {
    if (c.piece == piece::vide) {
      poser_piece(i);
      return false;
    }
    if (c.modifiable > 0) {
      depuis_plateau_ = true;
      drag_origin_ = i;
      type_glisse_ = c.piece;
      return true;
    }
    return false;
  }
  if (button == MouseButton::Right) reprendre_piece(i);
  return false;
}

bool PiecePlacing::palette_mouse_down(int t) {
  if (t < 1 || t > nb_types) return false;
  if (leading_number(table_.stock(t)) < 1) return false;
  if (is_editor_only(t) && !table_.mode_edition()) return false;
  if (!is_editor_only(t)) type_choisi_ = t;
  depuis_plateau_ = false;
  type_glisse_ = t;
  return true;
}

void PiecePlacing::drag_over_cell(int i) { highlighted_cell_ = is_cell(i) ? i : -1; }

void PiecePlacing::drag_over_background() { highlighted_cell_ = -1; }

void PiecePlacing::drag_cancelled() {
  highlighted_cell_ = -1;
  depuis_plateau_ = false;
}

void PiecePlacing::poser_piece(int i) {
  if (!is_cell(i) || table_.board_locked() || table_.cell(i).piece != piece::vide) return;
  type_glisse_ = type_choisi_;
  if (table_.stock(type_glisse_).empty() || leading_number(table_.stock(type_glisse_)) < 1) return;
  depuis_plateau_ = false;
  if (type_glisse_ == piece::teleporteur && teleporter_limit_reached()) {
    highlighted_cell_ = -1;
    return;
  }
  set_down(i, type_glisse_);
  take_from_stock(type_glisse_);
  highlighted_cell_ = -1;
  depuis_plateau_ = false;
  editor_.after_board_change();
}

bool PiecePlacing::drop_on_cell(int i) {
  if (!is_cell(i) || table_.board_locked() || table_.cell(i).piece != piece::vide) {
    highlighted_cell_ = -1;
    depuis_plateau_ = false;
    return false;
  }
  if (!depuis_plateau_ && refusal(i, type_glisse_).has_value()) {
    highlighted_cell_ = -1;
    return false;
  }
  set_down(i, type_glisse_);
  if (depuis_plateau_) {
    table_.show_picture(drag_origin_, piece::vide);
    table_.water().cell_ref(drag_origin_).piece = piece::vide;
  } else {
    take_from_stock(type_glisse_);
  }
  highlighted_cell_ = -1;
  depuis_plateau_ = false;
  editor_.after_board_change();
  return true;
}

void PiecePlacing::drop_on_palette() {
  if (depuis_plateau_) reprendre_piece(drag_origin_);
  depuis_plateau_ = false;
  highlighted_cell_ = -1;
}

void PiecePlacing::reprendre_piece(int i) {
  if (!is_cell(i) || table_.board_locked()) return;
  const CellRef c = table_.water().cell_ref(i);
  // An empty cell gives nothing back (the editor's right click pours test
  // water there): not a change of the board, so no undo step and no recount,
  // which would forget a goal that test water has just blown up.
  if (c.modifiable <= 0 || c.piece == piece::vide) return;
  editor_.remember_board_change();
  if (is_valid_piece(c.piece)) {
    // "99" is the editor's unlimited stock: never raised past it.
    const std::string& box = table_.stock(c.piece);
    if (box != "99") table_.set_stock(c.piece, number_text(leading_number(box) + 1));
  }
  c.piece = piece::vide;
  table_.dessiner_case(i);
  editor_.after_board_change();
}

}  // namespace drippo
