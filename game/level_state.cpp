#include <cmath>
#include <limits>

#include "game/control_text.h"
#include "game/game.h"

namespace drippo {
namespace {

// A stored time or water as the level shows it at this difficulty (easy
// doubles it). A whole number is scaled in double precision, where doubling
// is exact: single precision would show "16777217" as 16777216 and turn
// anything past 3.4e38 into an infinity, which reads as no water at all. Only
// a fraction goes through single precision, whose shortest text keeps "10.3"
// as "10.3" rather than the double nearest to the float.
std::string scaled_by_difficulty(const std::string& stored, std::int16_t difficulte) {
  const double value = leading_number(stored);
  if (value == std::trunc(value)) {
    const double scaled = value * (difficulte / 100.0);
    // Past the largest double, the largest double: very much water, not none.
    if (!std::isfinite(scaled)) return number_text(std::copysign(std::numeric_limits<double>::max(), scaled));
    return number_text(scaled);
  }
  const float f = static_cast<float>(difficulte) / 100.0f;
  return single_text(static_cast<float>(value) * f);
}

}  // namespace

void Game::load_level(const LevelData& level, const std::string& file_name) {
  if (table_.in_tick) return;
  const bool playing = table_.mode_jeu() == ModeJeu::Jouer;
  const bool editing = table_.mode_jeu() == ModeJeu::Charger;

  table_.en_pause = false;
  window_.montrer_accueil(false);
  window_.animer_enveloppe(false);
  water().release_held_drops();
  editor_.forget_history();
  view_.start_next_music();
  table_.set_score_problem("");
  table_.set_comment("");
  table_.set_mode_edition(editing);
  editor_.set_tableau_sauve(playing);
  window_.set_playing_set_shown(playing);

  std::int16_t goals = 0;
  // No goal of a level just loaded is full, also in the editor, whose test
  // water would otherwise add to the score of the last game played.
  table_.set_texte_score("0");
  Board board = level.cells;
  for (Cellule& c : board) {
    if (is_goal(c.piece)) {
      ++goals;
      c.besoin = goal_need(c.piece);
    }
    c.modifiable = (playing && c.piece != piece::vide) ? 0 : 1;
  }
  water().set_board(board);
  water().set_goals(goals, 0.0);
  for (int t = 1; t <= nb_types; ++t) table_.set_stock(t, level.stocks[static_cast<std::size_t>(t)]);

  table_.set_text_temps(scaled_by_difficulty(level.time, settings_.difficulte));
  table_.set_text_eau(scaled_by_difficulty(level.water, settings_.difficulte));
  table_.auteur_tableau = level.author;

  table_.redraw_all();
  table_.set_nom_tableau(file_name);
  editor_.set_fields_locked(playing);
  play_.level_started(playing);
  water().set_running(editing);
  view_.state_changed();
}

void Game::nouveau_tableau() {
  if (table_.in_tick) return;
  table_.en_pause = false;
  window_.montrer_accueil(false);
  window_.animer_enveloppe(false);
  table_.set_mode_edition(true);
  water().release_held_drops();
  editor_.forget_history();
  table_.set_score_problem("");
  editor_.set_tableau_sauve(false);
  window_.set_playing_set_shown(false);
  editor_.set_fields_locked(false);
  for (int t = 1; t <= nb_types; ++t) table_.set_stock(t, "99");
  table_.set_text_eau("10");
  table_.set_text_temps("10");
  for (int i = 0; i <= derniere_case; ++i) {
    const CellRef c = water().cell_ref(i);
    c.piece = piece::vide;
    c.eau_g = c.eau_d = c.eau_b = 0;
    c.compteur = 0;
    c.modifiable = 1;
    table_.show_picture(i, piece::vide);
  }
  // The old level's goals are gone: the empty board has none, and no score.
  editor_.recount_goals();
  table_.set_nom_tableau("nouveau");
  water().set_running(true);
  play_.level_started(false);
  view_.state_changed();
}

}  // namespace drippo
