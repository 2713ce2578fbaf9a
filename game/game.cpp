#include "game/game.h"

#include "game/control_text.h"

namespace drippo {

const char* sound_name(Sound s) {
  switch (s) {
    case Sound::Water: return "water";
    case Sound::Hurry: return "hurry";
    case Sound::Meow: return "meow";
    case Sound::Poof: return "poof";
    case Sound::Griou: return "griou";
    case Sound::Goal: return "goal";
  }
  return "";
}

Game::Game(GameView& view, ScoreRecorder& scores, LevelCatalogue& levels)
    : view_(view), scores_(scores), levels_(levels) {}

void Game::dessiner_case(int i) {
  if (!is_cell(i)) return;
  show_picture(i, cell(i).piece);
}

void Game::redraw_all() {
  for (int i = 0; i <= derniere_case; ++i) dessiner_case(i);
}

void Game::verser_goutte(int i, const std::string& letter) {
  if (letter == "G") sim_.pour(i, going_left);
  else if (letter == "D") sim_.pour(i, going_right);
  else if (letter == "B") sim_.pour(i, falling);
}

void Game::play(Sound s) {
  if (bruitages_) view_.play_sound(s);
}

void Game::set_message(const Bilingual& text) {
  if (langue_ == 0) set_comment(text.french);
  else if (langue_ == 1) set_comment(text.english);
}

void Game::set_comment(const std::string& text) {
  said_ = text;
  show_comment();
}

void Game::set_score_problem(const std::string& text) {
  score_problem_ = text;
  show_comment();
}

void Game::show_comment() {
  // A score that could not be kept stays under whatever the game says next,
  // until another game begins.
  const std::string text = score_problem_.empty() ? said_ : said_ + "\n" + score_problem_;
  if (comment_ == text) return;
  comment_ = text;
  view_.show_text(Field::Message, comment_);
}

void Game::set_texte_score(const std::string& text) {
  if (texte_score_ == text) return;
  texte_score_ = text;
  view_.show_text(Field::Score, texte_score_);
}

void Game::set_stock(int t, const std::string& text) {
  if (t < 1 || t > nb_types) return;
  auto& box = stocks_[static_cast<std::size_t>(t)];
  if (box == text) return;
  box = text;
  view_.show_stock(t, box);
}

void Game::set_text_temps(const std::string& text) {
  if (text_temps_ == text) return;
  text_temps_ = text;
  view_.show_text(Field::Time, text_temps_);
}

void Game::set_text_eau(const std::string& text) {
  sim_.set_water_left(leading_number(text));
  set_water_text(text);
}

void Game::set_water_text(const std::string& text) {
  if (text_eau_ == text) return;
  text_eau_ = text;
  view_.show_text(Field::Water, text_eau_);
}

void Game::set_accueil(const std::string& text) {
  accueil_ = text;
  view_.show_text(Field::Welcome, accueil_);
}

void Game::montrer_accueil(bool visible) {
  image3_shown_ = visible;
  side_pictures_shown_ = visible;
  accueil_shown_ = visible;
  view_.state_changed();
}

void Game::animer_enveloppe(bool on) {
  envelope_shown_ = on;
  envelope_moving_ = on;
  if (on) ++envelope_starts_;
  view_.state_changed();
}

void Game::hover_cell(int i) {
  if (!is_cell(i)) return;
  case_survolee_ = is_goal(cell(i).piece) ? i : -1;
  montrer_gouttes();
}

void Game::montrer_gouttes() {
  if (case_survolee_ >= 0) show_need(cell(case_survolee_).besoin);
}

void Game::show_need(int besoin) {
  const std::string n = std::to_string(besoin > 0 ? besoin : 0);
  if (langue_ == 0) set_comment(msg::gouttes.french + n);
  else if (langue_ == 1) set_comment(msg::gouttes.english + n);
}

}  // namespace drippo
