#include "game/play_session.h"

#include "game/control_text.h"
#include "game/messages.h"

namespace drippo {

void PlaySession::timer_rebour_Timer() {
  if (table_.en_pause) return;
  const double t = leading_number(table_.text_temps()) - 1;
  table_.set_text_temps(number_text(t));
  if (t > 0 && t < 4) table_.play(Sound::Hurry);
  if (t < 4) {
    time_red_ = true;
    table_.set_message(msg::attention);
  } else {
    time_red_ = false;
  }
  // A time that is not a whole positive number never shows exactly 0.
  if (t <= 0) start_water();
  view_.state_changed();
}

void PlaySession::start_water() {
  table_.play(Sound::Water);
  table_.water().start_water();
  time_red_ = false;
  timer_rebour_enabled_ = false;
  table_.set_score_problem("");
  table_.set_message(msg::c_est_parti);
  view_.state_changed();
}

void PlaySession::level_started(bool playing) {
  ++level_started_count_;
  table_.en_pause = false;
  timer_rebour_enabled_ = playing;
  time_red_ = false;
}

void PlaySession::toggle_pause() {
  if (table_.mode_jeu() != ModeJeu::Jouer) return;
  table_.en_pause = !table_.en_pause;
  view_.state_changed();
}

void PlaySession::fin_partie(Outcome outcome, double score) {
  table_.play(Sound::Griou);
  table_.water().set_running(false);
  table_.set_score_problem(
      scores_.noter_score(table_.nom_tableau(), score, table_.settings().langue).value_or(""));
  window_.animer_enveloppe(true);
  last_outcome_ = outcome;
  ++fin_partie_count_;
  view_.state_changed();
}

void PlaySession::tous_reussis() {
  for (const std::string& file : levels_.level_files()) {
    if (levels_.stored_score_text(file) != "100") return;
  }
  window_.show_congratulation();
}

}  // namespace drippo
