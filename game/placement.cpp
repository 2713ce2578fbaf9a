#include <cmath>

#include "game/control_text.h"
#include "game/game.h"

namespace drippo {

// Placing, moving and taking back pieces; none of them while the board is
// locked (board_locked).

bool Game::teleporter_limit_reached() const {
  int count = 0;
  for (int i = 0; i < derniere_case; ++i) {
    if (cell(i).piece == piece::teleporteur) ++count;
  }
  return count > 1;
}

void Game::set_highlight(int i) { highlighted_cell_ = i; }

bool Game::take_from_stock(int t) {
  // A hand-made level may hold a negative count: it means none.
  if (leading_number(stock(t)) < 1) return false;
  std::string left = number_text(leading_number(stock(t)) - 1);
  if (left == "0") left.clear();
  set_stock(t, left);
  return true;
}

void Game::recount_goals() {
  std::int16_t n = 0;
  int full = 0;
  for (int i = 0; i <= derniere_case; ++i) {
    const auto k = static_cast<std::size_t>(i);
    if (!is_goal(sim_.arrays().piece[k])) continue;
    ++n;
    if (sim_.arrays().besoin[k] <= 0) ++full;
  }
  // The editor's score follows the board as it now stands: a goal taken back
  // or set down again must not leave a share of the old count behind, or the
  // next goal filled by test water would score past 100.
  sim_.set_goals(n, n > 0 ? full / static_cast<double>(n) * 100.0 : 0.0);
  set_texte_score(number_text(std::floor(sim_.score())));
}

void Game::after_editor_change() {
  if (mode_edition_) recount_goals();
}

bool Game::board_mouse_down(int i, MouseButton button) {
  if (!is_cell(i) || board_locked()) return false;
  if (mode_jeu_ != "jouer" && mode_jeu_ != "charger" && !mode_edition_) return false;

  const Cellule& c = cell(i);
  if (c.piece == piece::vide && button == MouseButton::Right && mode_edition_) {
    verser_goutte(i, "B");
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

bool Game::palette_mouse_down(int t) {
  if (t < 1 || t > nb_types) return false;
  if (leading_number(stock(t)) < 1) return false;
  // Goals and the cat sit in the editor's panel, which only the editor shows.
  if (is_editor_only(t) && !mode_edition_) return false;
  if (!is_editor_only(t)) type_choisi_ = t;
  depuis_plateau_ = false;
  type_glisse_ = t;
  return true;
}

void Game::drag_over_cell(int i) { set_highlight(is_cell(i) ? i : -1); }

void Game::drag_over_background() { set_highlight(-1); }

void Game::drag_cancelled() {
  set_highlight(-1);
  depuis_plateau_ = false;
}

void Game::poser_piece(int i) {
  if (!is_cell(i) || board_locked() || cell(i).piece != piece::vide) return;
  type_glisse_ = type_choisi_;
  if (stock(type_glisse_).empty() || leading_number(stock(type_glisse_)) < 1) return;
  depuis_plateau_ = false;
  if (type_glisse_ == piece::teleporteur && teleporter_limit_reached()) {
    set_highlight(-1);
    return;
  }
  remember_board_change();
  const CellRef c = sim_.cell_ref(i);
  c.piece = static_cast<std::int16_t>(type_glisse_);
  if (is_goal(c.piece)) c.besoin = goal_need(c.piece);
  dessiner_case(i);
  c.modifiable = 1;
  take_from_stock(type_glisse_);
  set_highlight(-1);
  depuis_plateau_ = false;
  after_editor_change();
}

bool Game::drop_on_cell(int i) {
  if (!is_cell(i) || board_locked() || cell(i).piece != piece::vide) {
    set_highlight(-1);
    depuis_plateau_ = false;
    return false;
  }
  if (!depuis_plateau_) {
    if (type_glisse_ == piece::teleporteur && teleporter_limit_reached()) {
      set_highlight(-1);
      return false;
    }
    if (leading_number(stock(type_glisse_)) < 1) {
      set_highlight(-1);
      return false;
    }
  }
  remember_board_change();
  const CellRef c = sim_.cell_ref(i);
  c.piece = static_cast<std::int16_t>(type_glisse_);
  // A goal set down in the editor starts empty, whatever its cell held.
  if (is_goal(c.piece)) c.besoin = goal_need(c.piece);
  dessiner_case(i);
  c.modifiable = 1;
  if (depuis_plateau_) {
    show_picture(drag_origin_, piece::vide);
    sim_.cell_ref(drag_origin_).piece = piece::vide;
  } else {
    take_from_stock(type_glisse_);
  }
  set_highlight(-1);
  depuis_plateau_ = false;
  after_editor_change();
  return true;
}

void Game::drop_on_palette() {
  if (depuis_plateau_) reprendre_piece(drag_origin_);
  depuis_plateau_ = false;
  set_highlight(-1);
}

void Game::reprendre_piece(int i) {
  if (!is_cell(i) || board_locked()) return;
  const CellRef c = sim_.cell_ref(i);
  // An empty cell gives nothing back (the editor's right click pours test
  // water there): not a change of the board, so no undo step and no recount,
  // which would forget a goal that test water has just blown up.
  if (c.modifiable <= 0 || c.piece == piece::vide) return;
  remember_board_change();
  if (is_valid_piece(c.piece)) {
    // "99" is the editor's unlimited stock: never raised past it.
    const std::string& box = stock(c.piece);
    if (box != "99") set_stock(c.piece, number_text(leading_number(box) + 1));
  }
  c.piece = piece::vide;
  dessiner_case(i);
  after_editor_change();
}

}  // namespace drippo
