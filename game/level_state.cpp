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
  if (in_tick_) return;
  const bool playing = mode_jeu_ == "jouer";
  const bool editing = mode_jeu_ == "charger";

  en_pause_ = false;
  montrer_accueil(false);
  animer_enveloppe(false);
  sim_.release_held_drops();
  history_.clear();
  view_.start_next_music();
  set_score_problem("");
  set_comment("");
  mode_edition_ = editing;
  sync_mode();
  tableau_sauve_ = playing;
  playing_set_shown_ = playing;

  std::int16_t goals = 0;
  // No goal of a level just loaded is full, also in the editor, whose test
  // water would otherwise add to the score of the last game played.
  set_texte_score("0");
  for (int i = 0; i <= derniere_case; ++i) {
    Cellule c = level.cells[static_cast<std::size_t>(i)];
    if (is_goal(c.piece)) {
      ++goals;
      c.besoin = goal_need(c.piece);
    }
    c.modifiable = (playing && c.piece != piece::vide) ? 0 : 1;
    sim_.set_cell(i, c);
  }
  sim_.set_goals(goals, 0.0);
  for (int t = 1; t <= nb_types; ++t) set_stock(t, level.stocks[static_cast<std::size_t>(t)]);

  set_text_temps(scaled_by_difficulty(level.time, difficulte_));
  set_text_eau(scaled_by_difficulty(level.water, difficulte_));
  auteur_tableau_ = level.author;

  redraw_all();
  nom_tableau_ = file_name;
  view_.show_text(Field::Title, nom_tableau_);
  fields_locked_ = playing;
  timer_rebour_enabled_ = playing;
  sim_.set_running(editing);
  time_red_ = false;
  view_.state_changed();
}

void Game::nouveau_tableau() {
  if (in_tick_) return;
  en_pause_ = false;
  montrer_accueil(false);
  animer_enveloppe(false);
  mode_edition_ = true;
  sync_mode();
  sim_.release_held_drops();
  history_.clear();
  set_score_problem("");
  tableau_sauve_ = false;
  playing_set_shown_ = false;
  fields_locked_ = false;
  for (int t = 1; t <= nb_types; ++t) set_stock(t, "99");
  set_text_eau("10");
  set_text_temps("10");
  for (int i = 0; i <= derniere_case; ++i) {
    const CellRef c = sim_.cell_ref(i);
    c.piece = piece::vide;
    c.eau_g = c.eau_d = c.eau_b = 0;
    c.compteur = 0;
    c.modifiable = 1;
    show_picture(i, piece::vide);
  }
  // The old level's goals are gone: the empty board has none, and no score.
  recount_goals();
  nom_tableau_ = "nouveau";
  view_.show_text(Field::Title, nom_tableau_);
  sim_.set_running(true);
  timer_rebour_enabled_ = false;
  time_red_ = false;
  view_.state_changed();
}

LevelData Game::level_for_saving(const std::string& author) {
  LevelData level;
  sim_.clear_water();
  level.cells = sim_.board();
  level.stocks = stocks_;
  level.time = text_temps_;
  level.water = text_eau_;
  level.author = author;
  return level;
}

void Game::level_saved(const std::string& name, const std::string& author) {
  tableau_sauve_ = true;
  history_.clear();  // undo never reaches back past a save
  nom_tableau_ = name + ".tab";
  // The level is now signed so: the next save proposes this author.
  auteur_tableau_ = author;
  view_.show_text(Field::Title, nom_tableau_);
  view_.state_changed();
}

}  // namespace drippo
