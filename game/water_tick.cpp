#include <cmath>
#include <string>

#include "game/control_text.h"
#include "game/game.h"

namespace drippo {

namespace {
constexpr int explosion_pause_ms = 100;

// Clears a flag when the tick leaves, whichever way it leaves.
struct TickScope {
  explicit TickScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~TickScope() { flag_ = false; }
  TickScope(const TickScope&) = delete;
  TickScope& operator=(const TickScope&) = delete;
  bool& flag_;
};
}  // namespace

void Game::timer_eau_Timer() {
  // An explosion's pause lets window events run; a tick may not start inside it.
  if (in_tick_) return;
  TickScope scope(in_tick_);

  if (en_pause_) return;

  // The hover help tells what the goal under the mouse needed as the tick began.
  const int hovered_need = case_survolee_ >= 0 ? cell(case_survolee_).besoin : 0;
  sim_.tick(report_, &pictures_);

  if (mode_jeu_ == "jouer" && !mode_edition_) set_text_temps(std::to_string(sim_.tick_counter() / 10));
  std::size_t next = 0;
  if (!report_.events.empty() && report_.events.front().kind == TickEvent::Kind::TimeOut) {
    play_back(report_.events.front());
    next = 1;
  }
  if (case_survolee_ >= 0) show_need(hovered_need);
  if (report_.poured) set_water_text(number_text(sim_.water_left()));

  int changed = 0;
  for (std::size_t k = 0; k < board_slots; ++k) changed |= pictures_[k] ^ shown_[k];
  if (changed != 0) {
    for (int i = 0; i <= derniere_case; ++i) {
      const auto k = static_cast<std::size_t>(i);
      if (pictures_[k] != shown_[k]) show_picture(i, pictures_[k]);
    }
  }

  for (; next < report_.events.size(); ++next) play_back(report_.events[next]);
}

void Game::play_back(const TickEvent& event) {
  using Kind = TickEvent::Kind;
  switch (event.kind) {
    case Kind::TimeOut:
      fin_partie(Outcome::TimeOut, event.score);
      set_message(msg::temps_ecoule);
      break;
    case Kind::GameOver:
      fin_partie(Outcome::GameOver, event.score);
      set_message(msg::partie_terminee);
      break;
    case Kind::Explosion: exploser(event.cell); break;
    case Kind::CatBlown: set_message(msg::paf_le_chat); break;
    case Kind::BlastEndsGame:
      show_picture(event.cell, piece::vide);
      for (Direction d : blast_order) {
        const int n = neighbour(event.cell, d);
        if (n >= 0) show_picture(n, piece::vide);
      }
      fin_partie(Outcome::Cat, event.score);
      break;
    case Kind::CatWetted:
      play(Sound::Meow);
      if (!mode_edition_) fin_partie(Outcome::Cat, event.score);
      set_message(msg::attention_chat);
      break;
    case Kind::GoalFilled:
      set_message(msg::bien_joue);
      if (sim_.goals() > 0) set_texte_score(number_text(std::floor(event.score)));
      play(Sound::Goal);
      break;
    case Kind::Win:
      set_message(msg::partie_gagnee);
      // Test water proves the level can be won, but the level was not played:
      // the editor's water goes on and nothing is recorded.
      if (mode_edition_) break;
      fin_partie(Outcome::Win, event.score);
      tous_reussis();
      break;
  }
}

// The bomb's picture, and a short pause that lets the player see it.
void Game::exploser(int c) {
  play(Sound::Poof);
  view_.hide_explosion();
  view_.show_explosion(c);
  view_.pause_ms(explosion_pause_ms);
  view_.hide_explosion();
  show_picture(c, piece::vide);
}

}  // namespace drippo
