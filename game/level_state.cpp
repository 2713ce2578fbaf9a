#include "game/control_text.h"
#include "game/game.h"

namespace drippo {

void Game::load_level(const LevelData& level, const std::string& file_name) {
  if (in_tick_) return;
  const bool playing = mode_jeu_ == "jouer";
  const bool editing = mode_jeu_ == "charger";

  en_pause_ = false;
  montrer_accueil(false);
  animer_enveloppe(false);
  retenues_.clear();
  history_.clear();
  view_.start_next_music();
  set_comment("");
  mode_edition_ = editing;
  tableau_sauve_ = playing;
  playing_set_shown_ = playing;

  nb_buts_ = 0;
  set_texte_score("0");
  for (int i = 0; i <= derniere_case; ++i) {
    Cellule c = level.cells[static_cast<std::size_t>(i)];
    if (is_goal(c.piece)) {
      ++nb_buts_;
      c.besoin = goal_need(c.piece);
    }
    c.modifiable = (playing && c.piece != piece::vide) ? 0 : 1;
    plateau_.set(i, c);
  }
  for (int t = 1; t <= nb_types; ++t) set_stock(t, level.stocks[static_cast<std::size_t>(t)]);

  // Easy difficulty doubles the time and the water.
  const float f = static_cast<float>(difficulte_) / 100.0f;
  set_text_temps(single_text(static_cast<float>(leading_number(level.time)) * f));
  set_text_eau(single_text(static_cast<float>(leading_number(level.water)) * f));
  auteur_tableau_ = level.author;

  redraw_all();
  nom_tableau_ = file_name;
  view_.show_text(Field::Title, nom_tableau_);
  fields_locked_ = playing;
  timer_rebour_enabled_ = playing;
  timer_eau_enabled_ = editing;
  time_red_ = false;
  view_.state_changed();
}

void Game::nouveau_tableau() {
  if (in_tick_) return;
  en_pause_ = false;
  montrer_accueil(false);
  animer_enveloppe(false);
  mode_edition_ = true;
  retenues_.clear();
  history_.clear();
  tableau_sauve_ = false;
  playing_set_shown_ = false;
  fields_locked_ = false;
  for (int t = 1; t <= nb_types; ++t) set_stock(t, "99");
  set_text_eau("10");
  set_text_temps("10");
  for (int i = 0; i <= derniere_case; ++i) {
    const CellRef c(plateau_, i);
    c.piece = piece::vide;
    c.eau_g = c.eau_d = c.eau_b = 0;
    c.compteur = 0;
    c.modifiable = 1;
    show_picture(i, piece::vide);
  }
  // The old level's goals are gone: the empty board has none.
  recount_goals();
  nom_tableau_ = "nouveau";
  view_.show_text(Field::Title, nom_tableau_);
  timer_eau_enabled_ = true;
  timer_rebour_enabled_ = false;
  time_red_ = false;
  view_.state_changed();
}

LevelData Game::level_for_saving(const std::string& author) {
  LevelData level;
  plateau_.eau.fill(0);
  for (int i = 0; i <= derniere_case; ++i) level.cells[static_cast<std::size_t>(i)] = plateau_.get(i);
  level.stocks = stocks_;
  level.time = text_temps_;
  level.water = text_eau_;
  level.author = author;
  return level;
}

void Game::level_saved(const std::string& name) {
  tableau_sauve_ = true;
  history_.clear();  // undo never reaches back past a save
  nom_tableau_ = name + ".tab";
  view_.show_text(Field::Title, nom_tableau_);
  view_.state_changed();
}

}  // namespace drippo
