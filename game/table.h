#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/cellule.h"
#include "game/game_settings.h"
#include "game/game_view.h"
#include "game/messages.h"
#include "game/mode_jeu.h"
#include "game/pieces.h"
#include "game/simulation.h"

namespace drippo {

// The level on the board and the boxes of the window that hold its values:
// the water simulation, the stocks, time, water, score, title and message
// line, and the pictures the cells show. Every change is passed to the view.
class Table {
 public:
  Table(GameView& view, const GameSettings& settings) : view_(view), settings_(settings) {}

  // ---- The board ------------------------------------------------------
  Simulation& water() { return sim_; }
  const Simulation& water() const { return sim_; }
  Cellule cell(int i) const { return sim_.cell(i); }
  int shown_picture(int i) const { return shown_[static_cast<std::size_t>(i)]; }
  void show_picture(int i, int code);
  void show_pictures(const std::array<std::int16_t, board_slots>& codes);  // the cells whose picture changed
  void dessiner_case(int i);
  void redraw_all();

  // ---- Mode ------------------------------------------------------------
  ModeJeu mode_jeu() const { return mode_jeu_; }
  void set_mode_jeu(ModeJeu mode);
  bool mode_edition() const { return mode_edition_; }
  void set_mode_edition(bool on);
  bool playing() const { return mode_jeu_ == ModeJeu::Jouer && !mode_edition_; }
  // No placing, taking back or undo while a tick is in progress (an
  // explosion's pause lets the mouse act, and the end of the tick would
  // overwrite the change) nor while the game is paused (the board is hidden).
  bool in_tick = false;
  bool en_pause = false;
  bool board_locked() const { return in_tick || en_pause; }

  // ---- The boxes ---------------------------------------------------------
  const std::string& stock(int t) const { return stocks_[static_cast<std::size_t>(t)]; }
  void set_stock(int t, const std::string& text);
  const std::string& text_temps() const { return text_temps_; }
  void set_text_temps(const std::string& text);
  const std::string& text_eau() const { return text_eau_; }
  void set_text_eau(const std::string& text);  // and the water the source has left
  void show_water_left();  // the box after the source let a drop go
  const std::string& texte_score() const { return texte_score_; }
  void set_texte_score(const std::string& text);
  void show_score();  // the score box as the goals now stand
  const std::string& nom_tableau() const { return nom_tableau_; }
  void set_nom_tableau(const std::string& name);
  std::string auteur_tableau;

  // ---- The message line --------------------------------------------------
  const std::string& comment() const { return comment_; }
  void set_message(const Bilingual& text);
  void set_comment(const std::string& text);
  // A score that could not be kept stays under whatever the game says next,
  // until another game begins.
  void set_score_problem(const std::string& text);

  void play(Sound s);
  const GameSettings& settings() const { return settings_; }

 private:
  void show_comment();

  GameView& view_;
  const GameSettings& settings_;
  Simulation sim_;
  // The picture each cell shows.
  std::array<std::int16_t, board_slots> shown_{};

  ModeJeu mode_jeu_ = ModeJeu::Aucun;
  bool mode_edition_ = false;

  std::array<std::string, nb_types + 1> stocks_{};
  std::string text_temps_;
  std::string text_eau_;
  std::string texte_score_;
  std::string nom_tableau_;
  std::string comment_;  // what the message line shows: said_, then score_problem_
  std::string said_;
  std::string score_problem_;
};

}  // namespace drippo
