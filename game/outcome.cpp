#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "game/control_text.h"
#include "game/game.h"

namespace drippo {

void Game::fin_partie(Outcome outcome) {
  play(Sound::Griou);
  timer_eau_enabled_ = false;
  set_score_problem(scores_.noter_score(nom_tableau_, score_, langue_).value_or(""));
  animer_enveloppe(true);
  last_outcome_ = outcome;
  ++fin_partie_count_;
  view_.state_changed();
}

void Game::time_out() {
  fin_partie(Outcome::TimeOut);
  set_message(msg::temps_ecoule);
}

void Game::game_over() {
  fin_partie(Outcome::GameOver);
  set_message(msg::partie_terminee);
}

void Game::cat_wetted() {
  play(Sound::Meow);
  if (!mode_edition_) fin_partie(Outcome::Cat);
  set_message(msg::attention_chat);
}

void Game::goal_filled() {
  set_message(msg::bien_joue);
  // Without a counted goal there is no share to compute: the goal is
  // acknowledged and the score stays as it is.
  if (nb_buts_ > 0) {
    const double n = nb_buts_;
    // The goals filled so far, recovered from the score through 15 significant
    // digits so that 3 * 33.333... reads as 100 and not 99.999...
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", n * score_);
    const double filled = std::strtod(buf, nullptr) / 100.0;
    score_ = (filled + 1.0) / n * 100.0;
    set_texte_score(number_text(std::floor(score_)));
  }
  play(Sound::Goal);
  if (nb_buts_ > 0 && score_ == 100.0) win();
}

void Game::win() {
  set_message(msg::partie_gagnee);
  // Test water proves the level can be won, but the level was not played:
  // the editor's water goes on and nothing is recorded.
  if (mode_edition_) return;
  fin_partie(Outcome::Win);
  tous_reussis();
}

void Game::tous_reussis() {
  bool every_level_completed = true;
  for (const std::string& file : levels_.level_files()) {
    if (levels_.stored_score_text(file) != "100") every_level_completed = false;
  }
  if (!every_level_completed) return;

  view_.start_next_music();
  accueil_shown_ = true;
  envelope_shown_ = true;
  image3_shown_ = true;
  const char* const* lines = nullptr;
  if (langue_ == 0) lines = congratulation_fr;
  else if (langue_ == 1) lines = congratulation_en;
  if (lines != nullptr) {
    std::string text = lines[0];
    for (int k = 1; k < 5; ++k) text += std::string("\r") + lines[k];
    set_accueil(text);
  }
  view_.state_changed();
}

}  // namespace drippo
