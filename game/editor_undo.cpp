#include "game/game.h"

namespace drippo {

namespace {
// The typing fields, for grouping keystrokes: stock boxes are 1..20.
constexpr int time_field = nb_types + 1;
constexpr int water_field = nb_types + 2;
}  // namespace

EditorSnapshot Game::editor_snapshot() const {
  EditorSnapshot s;
  for (int i = 0; i <= derniere_case; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const BoardArrays& board = sim_.arrays();
    s.piece[k] = board.piece[k];
    s.modifiable[k] = board.modifiable[k];
    s.besoin[k] = board.besoin[k];
  }
  s.stocks = stocks_;
  s.time = text_temps_;
  s.water = text_eau_;
  return s;
}

void Game::restore(const EditorSnapshot& s) {
  for (int i = 0; i <= derniere_case; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const CellRef c = sim_.cell_ref(i);
    c.piece = s.piece[k];
    c.modifiable = s.modifiable[k];
    c.besoin = s.besoin[k];
    dessiner_case(i);
  }
  for (int t = 1; t <= nb_types; ++t) set_stock(t, s.stocks[static_cast<std::size_t>(t)]);
  set_text_temps(s.time);
  set_text_eau(s.water);
  recount_goals();
  view_.state_changed();
}

void Game::remember_board_change() {
  if (mode_edition_) history_.record(editor_snapshot(), EditorHistory::Source::Board);
}

void Game::edit_stock(int t, const std::string& text) {
  if (t < 1 || t > nb_types || fields_locked_ || stock(t) == text) return;
  if (mode_edition_) history_.record(editor_snapshot(), EditorHistory::Source::Field, t);
  set_stock(t, text);
}

void Game::edit_time(const std::string& text) {
  if (fields_locked_ || text_temps_ == text) return;
  if (mode_edition_) history_.record(editor_snapshot(), EditorHistory::Source::Field, time_field);
  set_text_temps(text);
}

void Game::edit_water(const std::string& text) {
  if (fields_locked_ || text_eau_ == text) return;
  if (mode_edition_) history_.record(editor_snapshot(), EditorHistory::Source::Field, water_field);
  set_text_eau(text);
}

bool Game::undo() {
  if (!can_undo() || board_locked()) return false;
  restore(history_.undo(editor_snapshot()));
  return true;
}

bool Game::redo() {
  if (!can_redo() || board_locked()) return false;
  restore(history_.redo(editor_snapshot()));
  return true;
}

}  // namespace drippo
