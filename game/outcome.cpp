#include "game/control_text.h"
#include "game/game.h"

namespace drippo {

void Game::fin_partie(Outcome outcome, double score) {
  play(Sound::Griou);
  sim_.set_running(false);
  set_score_problem(scores_.noter_score(nom_tableau_, score, langue_).value_or(""));
  animer_enveloppe(true);
  last_outcome_ = outcome;
  ++fin_partie_count_;
  view_.state_changed();
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
