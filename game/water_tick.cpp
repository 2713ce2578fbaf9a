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
  if (table_.in_tick) return;
  TickScope scope(table_.in_tick);

  if (table_.en_pause) return;

  // The hover help tells what the goal under the mouse needed as the tick began.
  const int hovered = window_.case_survolee();
  const int hovered_need = hovered >= 0 ? table_.cell(hovered).besoin : 0;
  water().tick(report_, &pictures_);

  if (table_.playing()) table_.set_text_temps(std::to_string(water().tick_counter() / 10));
  std::size_t next = 0;
  if (!report_.events.empty() && report_.events.front().kind == TickEvent::Kind::TimeOut) {
    play_back(report_.events.front());
    next = 1;
  }
  if (hovered >= 0) window_.montrer_besoin(hovered_need);
  if (report_.poured) table_.show_water_left();

  table_.show_pictures(pictures_);

  for (; next < report_.events.size(); ++next) play_back(report_.events[next]);
}

void Game::play_back(const TickEvent& event) {
  using Kind = TickEvent::Kind;
  switch (event.kind) {
    case Kind::TimeOut:
      play_.fin_partie(Outcome::TimeOut, event.score);
      table_.set_message(msg::temps_ecoule);
      break;
    case Kind::GameOver:
      play_.fin_partie(Outcome::GameOver, event.score);
      table_.set_message(msg::partie_terminee);
      break;
    case Kind::Explosion: exploser(event.cell); break;
    case Kind::CatBlown: table_.set_message(msg::paf_le_chat); break;
    case Kind::BlastEndsGame:
      table_.show_picture(event.cell, piece::vide);
      for (Direction d : blast_order) {
        const int n = neighbour(event.cell, d);
        if (n >= 0) table_.show_picture(n, piece::vide);
      }
      play_.fin_partie(Outcome::Cat, event.score);
      break;
    case Kind::CatWetted:
      table_.play(Sound::Meow);
      if (!table_.mode_edition()) play_.fin_partie(Outcome::Cat, event.score);
      table_.set_message(msg::attention_chat);
      break;
    case Kind::GoalFilled:
      table_.set_message(msg::bien_joue);
      if (water().goals() > 0) table_.set_texte_score(number_text(std::floor(event.score)));
      table_.play(Sound::Goal);
      break;
    case Kind::Win:
      table_.set_message(msg::partie_gagnee);
      // Test water proves the level can be won, but the level was not played:
      // the editor's water goes on and nothing is recorded.
      if (table_.mode_edition()) break;
      play_.fin_partie(Outcome::Win, event.score);
      play_.tous_reussis();
      break;
  }
}

// The bomb's picture, and a short pause that lets the player see it.
void Game::exploser(int c) {
  table_.play(Sound::Poof);
  view_.hide_explosion();
  view_.show_explosion(c);
  view_.pause_ms(explosion_pause_ms);
  view_.hide_explosion();
  table_.show_picture(c, piece::vide);
}

}  // namespace drippo
