#include "game/editor_session.h"

namespace drippo {

namespace {
// The typing fields, for grouping keystrokes: stock boxes are 1..20.
constexpr int time_field = nb_types + 1;
constexpr int water_field = nb_types + 2;
}  // namespace

EditorSnapshot EditorSession::snapshot() const {
  EditorSnapshot s;
  const BoardArrays& board = table_.water().arrays();
  for (std::size_t k = 0; k < nb_cases; ++k) {
    s.piece[k] = board.piece[k];
    s.modifiable[k] = board.modifiable[k];
    s.besoin[k] = board.besoin[k];
  }
  for (int t = 1; t <= nb_types; ++t) s.stocks[static_cast<std::size_t>(t)] = table_.stock(t);
  s.time = table_.text_temps();
  s.water = table_.text_eau();
  return s;
}

void EditorSession::restore(const EditorSnapshot& s) {
  for (int i = 0; i <= derniere_case; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const CellRef c = table_.water().cell_ref(i);
    c.piece = s.piece[k];
    c.modifiable = s.modifiable[k];
    c.besoin = s.besoin[k];
    table_.dessiner_case(i);
  }
  for (int t = 1; t <= nb_types; ++t) table_.set_stock(t, s.stocks[static_cast<std::size_t>(t)]);
  table_.set_text_temps(s.time);
  table_.set_text_eau(s.water);
  recount_goals();
  view_.state_changed();
}

void EditorSession::remember_board_change() {
  if (table_.mode_edition()) history_.record(snapshot(), EditorHistory::Source::Board);
}

void EditorSession::edit_stock(int t, const std::string& text) {
  if (t < 1 || t > nb_types || fields_locked_ || table_.stock(t) == text) return;
  if (table_.mode_edition()) history_.record(snapshot(), EditorHistory::Source::Field, t);
  table_.set_stock(t, text);
}

void EditorSession::edit_time(const std::string& text) {
  if (fields_locked_ || table_.text_temps() == text) return;
  if (table_.mode_edition()) history_.record(snapshot(), EditorHistory::Source::Field, time_field);
  table_.set_text_temps(text);
}

void EditorSession::edit_water(const std::string& text) {
  if (fields_locked_ || table_.text_eau() == text) return;
  if (table_.mode_edition()) history_.record(snapshot(), EditorHistory::Source::Field, water_field);
  table_.set_text_eau(text);
}

bool EditorSession::undo() {
  if (!can_undo() || table_.board_locked()) return false;
  restore(history_.undo(snapshot()));
  return true;
}

bool EditorSession::redo() {
  if (!can_redo() || table_.board_locked()) return false;
  restore(history_.redo(snapshot()));
  return true;
}

void EditorSession::recount_goals() {
  std::int16_t n = 0;
  int full = 0;
  const BoardArrays& board = table_.water().arrays();
  for (std::size_t k = 0; k < nb_cases; ++k) {
    if (!is_goal(board.piece[k])) continue;
    ++n;
    if (board.besoin[k] <= 0) ++full;
  }
  // The editor's score follows the board as it now stands: a goal taken back
  // or set down again must not leave a share of the old count behind, or the
  // next goal filled by test water would score past 100.
  table_.water().set_goals(n, n > 0 ? full / static_cast<double>(n) * 100.0 : 0.0);
  table_.show_score();
}

void EditorSession::after_board_change() {
  if (table_.mode_edition()) recount_goals();
}

LevelData EditorSession::level_for_saving(const std::string& author) {
  LevelData level;
  table_.water().clear_water();
  level.cells = table_.water().board();
  for (int t = 1; t <= nb_types; ++t) level.stocks[static_cast<std::size_t>(t)] = table_.stock(t);
  level.time = table_.text_temps();
  level.water = table_.text_eau();
  level.author = author;
  return level;
}

void EditorSession::level_saved(const std::string& name, const std::string& author) {
  tableau_sauve_ = true;
  history_.clear();  // undo never reaches back past a save
  // The level is now signed so: the next save proposes this author.
  table_.auteur_tableau = author;
  table_.set_nom_tableau(name + ".tab");
  view_.state_changed();
}

}  // namespace drippo
