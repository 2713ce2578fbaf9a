#include "game/table.h"

#include <cmath>

#include "game/control_text.h"

namespace drippo {

void Table::show_picture(int i, int code) {
  auto& shown = shown_[static_cast<std::size_t>(i)];
  if (shown == code) return;
  shown = static_cast<std::int16_t>(code);
  view_.show_cell(i, code);
}

void Table::show_pictures(const std::array<std::int16_t, board_slots>& codes) {
  // Most ticks change a few cells: one pass over the whole board tells which.
  int changed = 0;
  for (std::size_t k = 0; k < board_slots; ++k) changed |= codes[k] ^ shown_[k];
  if (changed == 0) return;
  for (int i = 0; i <= derniere_case; ++i) show_picture(i, codes[static_cast<std::size_t>(i)]);
}

void Table::dessiner_case(int i) {
  if (!is_cell(i)) return;
  show_picture(i, cell(i).piece);
}

void Table::redraw_all() {
  for (int i = 0; i <= derniere_case; ++i) dessiner_case(i);
}

void Table::set_mode_jeu(ModeJeu mode) {
  mode_jeu_ = mode;
  sim_.set_mode(mode_edition_, playing());
}

void Table::set_mode_edition(bool on) {
  mode_edition_ = on;
  sim_.set_mode(mode_edition_, playing());
}

void Table::set_stock(int t, const std::string& text) {
  if (t < 1 || t > nb_types) return;
  auto& box = stocks_[static_cast<std::size_t>(t)];
  if (box == text) return;
  box = text;
  view_.show_stock(t, box);
}

void Table::set_text_temps(const std::string& text) {
  if (text_temps_ == text) return;
  text_temps_ = text;
  view_.show_text(Field::Time, text_temps_);
}

void Table::set_text_eau(const std::string& text) {
  sim_.set_water_left(leading_number(text));
  if (text_eau_ == text) return;
  text_eau_ = text;
  view_.show_text(Field::Water, text_eau_);
}

void Table::show_water_left() {
  const std::string text = number_text(sim_.water_left());
  if (text_eau_ == text) return;
  text_eau_ = text;
  view_.show_text(Field::Water, text_eau_);
}

void Table::set_texte_score(const std::string& text) {
  if (texte_score_ == text) return;
  texte_score_ = text;
  view_.show_text(Field::Score, texte_score_);
}

void Table::show_score() { set_texte_score(number_text(std::floor(sim_.score()))); }

void Table::set_nom_tableau(const std::string& name) {
  nom_tableau_ = name;
  view_.show_text(Field::Title, nom_tableau_);
}

void Table::set_message(const Bilingual& text) {
  if (settings_.langue == 0) set_comment(text.french);
  else if (settings_.langue == 1) set_comment(text.english);
}

void Table::set_comment(const std::string& text) {
  said_ = text;
  show_comment();
}

void Table::set_score_problem(const std::string& text) {
  score_problem_ = text;
  show_comment();
}

void Table::show_comment() {
  const std::string text = score_problem_.empty() ? said_ : said_ + "\n" + score_problem_;
  if (comment_ == text) return;
  comment_ = text;
  view_.show_text(Field::Message, comment_);
}

void Table::play(Sound s) {
  if (settings_.bruitages) view_.play_sound(s);
}

}  // namespace drippo
