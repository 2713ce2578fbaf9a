#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/board_arrays.h"
#include "game/cellule.h"
#include "game/editor_history.h"
#include "game/game_view.h"
#include "game/level_data.h"
#include "game/messages.h"
#include "game/pieces.h"
#include "game/ports.h"
#include "game/simulation.h"

namespace drippo {

enum class Outcome { None, Win, TimeOut, GameOver, Cat };

// What a click on the board was done with.
enum class MouseButton { Left, Right, Other };

// The whole game: board, water, pieces, outcome, and the texts of the window
// that hold game values. Time comes from outside: the window's timers call
// timer_eau_Timer() and timer_rebour_Timer(), tests and tools call them in loops.
class Game {
 public:
  Game(GameView& view, ScoreRecorder& scores, LevelCatalogue& levels);

  // ---- Settings -------------------------------------------------------
  void set_langue(std::int16_t langue) { langue_ = langue; }
  void set_bruitages(bool on) { bruitages_ = on; }
  void set_difficulte(std::int16_t ms) { difficulte_ = ms; }
  std::int16_t langue() const { return langue_; }
  bool bruitages() const { return bruitages_; }
  std::int16_t difficulte() const { return difficulte_; }

  // ---- Board ----------------------------------------------------------
  // A copy of the live board; const so that a write to the copy cannot compile.
  const Board plateau() const { return sim_.board(); }
  void set_plateau(const Board& board) { sim_.set_board(board); }
  Cellule cell(int i) const { return sim_.cell(i); }
  // A live cell whose fields can be assigned, for tools and tests that build
  // boards by hand.
  CellRef cell_ref(int i) { return sim_.cell_ref(i); }
  int shown_picture(int i) const { return shown_[static_cast<std::size_t>(i)]; }
  void dessiner_case(int i);
  void verser_goutte(int i, const std::string& letter);
  void redraw_all();

  // ---- Water ----------------------------------------------------------
  void timer_eau_Timer();
  bool in_tick() const { return in_tick_; }
  // Whole-board moves when no drop meets a special piece (on by default);
  // off, every drop goes through the rule table one by one. Same result.
  void set_plain_flow(bool on) { sim_.set_plain_flow(on); }
  std::int32_t tick_counter() const { return sim_.tick_counter(); }
  void set_tick_counter(std::int32_t t) { sim_.set_tick_counter(t); }
  bool plateau_sec() const { return sim_.dry(); }
  std::vector<Retenue> retenues() const { return sim_.held_drops().to_vector(); }
  double score() const { return sim_.score(); }
  std::int16_t nb_buts() const { return sim_.goals(); }
  const Simulation& simulation() const { return sim_; }

  // ---- Play flow ------------------------------------------------------
  void timer_rebour_Timer();
  void start_water();  // what the countdown does when it reaches 0
  void toggle_pause();  // a click on the title
  bool timer_eau_enabled() const { return sim_.running(); }
  bool timer_rebour_enabled() const { return timer_rebour_enabled_; }
  bool en_pause() const { return en_pause_; }
  bool time_is_red() const { return time_red_; }
  Outcome last_outcome() const { return last_outcome_; }
  int games_ended() const { return fin_partie_count_; }  // runs of fin_partie so far

  // ---- Levels ---------------------------------------------------------
  // Puts a level read from its file on the board, for playing or editing as
  // mode_jeu says. The file has been read and checked in full beforehand.
  void load_level(const LevelData& level, const std::string& file_name);
  void nouveau_tableau();
  // The level as it is to be saved; clears the drops of every cell first.
  LevelData level_for_saving(const std::string& author);
  void level_saved(const std::string& name, const std::string& author);  // the save succeeded

  void set_mode_jeu(const std::string& mode) {
    mode_jeu_ = mode;
    sync_mode();
  }
  const std::string& mode_jeu() const { return mode_jeu_; }
  bool mode_edition() const { return mode_edition_; }
  bool tableau_sauve() const { return tableau_sauve_; }
  const std::string& nom_tableau() const { return nom_tableau_; }
  const std::string& auteur_tableau() const { return auteur_tableau_; }
  bool fields_locked() const { return fields_locked_; }

  // ---- Texts held by the window's boxes --------------------------------
  const std::string& stock(int t) const { return stocks_[static_cast<std::size_t>(t)]; }
  void set_stock(int t, const std::string& text);
  const std::string& text_temps() const { return text_temps_; }
  void set_text_temps(const std::string& text);
  const std::string& text_eau() const { return text_eau_; }
  void set_text_eau(const std::string& text);
  const std::string& texte_score() const { return texte_score_; }
  const std::string& comment() const { return comment_; }
  // A message of the window's own, such as the hover help over the character.
  void show_message(const std::string& text) { set_comment(text); }
  const std::string& accueil() const { return accueil_; }
  void set_accueil(const std::string& text);

  // ---- What is shown ---------------------------------------------------
  // The welcome screen is the big picture, the two side pictures and the text.
  bool image3_shown() const { return image3_shown_; }
  bool side_pictures_shown() const { return side_pictures_shown_; }
  bool accueil_shown() const { return accueil_shown_; }
  bool envelope_shown() const { return envelope_shown_; }
  // Bumped by every start of the envelope's bounce, so the view knows to
  // put it back in its corner.
  int envelope_starts() const { return envelope_starts_; }
  bool envelope_moving() const { return envelope_moving_; }
  // Paused: the pause label is up and the board hidden.
  bool cells_shown() const { return !en_pause_; }
  bool playing_set_shown() const { return playing_set_shown_; }
  bool editing_set_shown() const { return mode_edition_; }
  void montrer_accueil(bool visible);
  void animer_enveloppe(bool on);

  // ---- Placing pieces ----------------------------------------------------
  int type_choisi() const { return type_choisi_; }
  int type_glisse() const { return type_glisse_; }
  bool depuis_plateau() const { return depuis_plateau_; }
  int highlighted_cell() const { return highlighted_cell_; }
  // Mouse down on a board cell. Returns true when a drag of that cell's piece begins.
  bool board_mouse_down(int i, MouseButton button);
  // Mouse down on the palette picture of piece t. True when a drag begins.
  bool palette_mouse_down(int t);
  // The dragged piece passes over cell i, or over the window's background.
  void drag_over_cell(int i);
  void drag_over_background();
  // The dragged piece is dropped on cell i / on a palette picture. True when placed.
  bool drop_on_cell(int i);
  void drop_on_palette();
  void drag_cancelled();  // dropped anywhere else
  void poser_piece(int i);
  void reprendre_piece(int i);
  bool teleporter_limit_reached() const;

  // ---- The editor's undo and redo --------------------------------------
  // Typing in the stock, time and water boxes of the editor.
  void edit_stock(int t, const std::string& text);
  void edit_time(const std::string& text);
  void edit_water(const std::string& text);
  // A sweep with SHIFT or CTRL held: everything it changes is one step.
  void begin_sweep() { history_.begin_group(); }
  void end_sweep() { history_.end_group(); }
  bool undo();  // false when there is nothing to undo
  bool redo();
  bool can_undo() const { return mode_edition_ && history_.can_undo(); }
  bool can_redo() const { return mode_edition_ && history_.can_redo(); }

  // ---- Hover --------------------------------------------------------------
  // The mouse rests on cell i (the hover part of the board's mouse-move).
  void hover_cell(int i);
  int case_survolee() const { return case_survolee_; }
  void montrer_gouttes();

 private:
  // What a tick did, shown and heard in the order it happened.
  void play_back(const TickEvent& event);
  void exploser(int c);
  void sync_mode() { sim_.set_mode(mode_edition_, mode_jeu_ == "jouer" && !mode_edition_); }
  void set_water_text(const std::string& text);  // the box only: the water itself is known
  void show_need(int besoin);  // the hover help over a goal

  // Outcomes.
  void fin_partie(Outcome outcome, double score);
  void tous_reussis();
  void set_message(const Bilingual& text);
  void set_comment(const std::string& text);
  void set_score_problem(const std::string& text);
  void show_comment();
  void set_texte_score(const std::string& text);
  void play(Sound s);

  // Pictures.
  void show_picture(int i, int code) {
    auto& shown = shown_[static_cast<std::size_t>(i)];
    if (shown == code) return;
    shown = static_cast<std::int16_t>(code);
    view_.show_cell(i, code);
  }

  // Editor bookkeeping.
  EditorSnapshot editor_snapshot() const;
  void restore(const EditorSnapshot& s);
  void remember_board_change();
  void recount_goals();
  void after_editor_change();
  // No placing, taking back or undo while a tick is in progress (an
  // explosion's pause lets the mouse act, and the end of the tick would
  // overwrite the change) nor while the game is paused (the board is hidden).
  bool board_locked() const { return in_tick_ || en_pause_; }
  bool take_from_stock(int t);
  void set_highlight(int i);

  GameView& view_;
  ScoreRecorder& scores_;
  LevelCatalogue& levels_;

  std::int16_t langue_ = 0;
  bool bruitages_ = true;
  std::int16_t difficulte_ = 100;

  Simulation sim_;
  TickReport report_;
  // The picture each cell shows, and the pictures a tick computes.
  std::array<std::int16_t, board_slots> shown_{};
  std::array<std::int16_t, board_slots> pictures_{};

  bool in_tick_ = false;
  Outcome last_outcome_ = Outcome::None;
  int fin_partie_count_ = 0;

  bool timer_rebour_enabled_ = false;
  bool en_pause_ = false;
  bool time_red_ = false;

  std::string mode_jeu_;
  bool mode_edition_ = false;
  bool tableau_sauve_ = true;
  std::string nom_tableau_;
  std::string auteur_tableau_;
  bool fields_locked_ = false;

  std::array<std::string, nb_types + 1> stocks_{};
  std::string text_temps_;
  std::string text_eau_;
  std::string texte_score_;
  std::string comment_;  // what the message line shows: said_, then score_problem_
  std::string said_;
  std::string score_problem_;
  std::string accueil_;

  bool image3_shown_ = true;
  bool side_pictures_shown_ = true;
  bool accueil_shown_ = true;
  bool envelope_shown_ = true;
  bool envelope_moving_ = false;
  int envelope_starts_ = 0;
  bool playing_set_shown_ = false;

  int type_choisi_ = piece::brique;
  int type_glisse_ = 0;
  bool depuis_plateau_ = false;
  int drag_origin_ = 0;  // the cell a piece dragged from the board left
  int highlighted_cell_ = -1;
  int case_survolee_ = -1;

  EditorHistory history_;
};

}  // namespace drippo
