#include "game/control_text.h"
#include "game/game.h"

namespace drippo {

void Game::timer_rebour_Timer() {
  if (en_pause_) return;
  const double t = leading_number(text_temps_) - 1;
  set_text_temps(number_text(t));
  if (t > 0 && t < 4) play(Sound::Hurry);
  if (t < 4) {
    time_red_ = true;
    set_message(msg::attention);
  } else {
    time_red_ = false;
  }
  // A time that is not a whole positive number never shows exactly 0.
  if (t <= 0) start_water();
  view_.state_changed();
}

void Game::start_water() {
  play(Sound::Water);
  sim_.start_water();
  time_red_ = false;
  timer_rebour_enabled_ = false;
  set_score_problem("");
  set_message(msg::c_est_parti);
  view_.state_changed();
}

void Game::toggle_pause() {
  if (mode_jeu_ != "jouer") return;
  en_pause_ = !en_pause_;
  view_.state_changed();
}

}  // namespace drippo
