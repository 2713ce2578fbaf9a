#include "game/window_state.h"

#include "game/messages.h"

namespace drippo {

void WindowState::set_accueil(const std::string& text) {
  accueil_ = text;
  view_.show_text(Field::Welcome, accueil_);
}

void WindowState::montrer_accueil(bool visible) {
  image3_shown_ = visible;
  side_pictures_shown_ = visible;
  accueil_shown_ = visible;
  view_.state_changed();
}

void WindowState::show_congratulation() {
  view_.start_next_music();
  accueil_shown_ = true;
  envelope_shown_ = true;
  image3_shown_ = true;
  const char* const* lines = nullptr;
  if (table_.settings().langue == 0) lines = congratulation_fr;
  else if (table_.settings().langue == 1) lines = congratulation_en;
  if (lines != nullptr) {
    std::string text = lines[0];
    for (int k = 1; k < 5; ++k) text += std::string("\r") + lines[k];
    set_accueil(text);
  }
  view_.state_changed();
}

void WindowState::animer_enveloppe(bool on) {
  envelope_shown_ = on;
  envelope_moving_ = on;
  if (on) ++envelope_starts_;
  view_.state_changed();
}

void WindowState::survoler_case(int i) {
  if (!is_cell(i)) return;
  case_survolee_ = is_goal(table_.cell(i).piece) ? i : -1;
  montrer_gouttes();
}

void WindowState::montrer_gouttes() {
  if (case_survolee_ >= 0) montrer_besoin(table_.cell(case_survolee_).besoin);
}

void WindowState::montrer_besoin(int besoin) {
  const std::string n = std::to_string(besoin > 0 ? besoin : 0);
  const Bilingual& gouttes = msg::gouttes;
  if (table_.settings().langue == 0) table_.set_comment(gouttes.french + n);
  else if (table_.settings().langue == 1) table_.set_comment(gouttes.english + n);
}

}  // namespace drippo
