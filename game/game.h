#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/editor_session.h"
#include "game/game_settings.h"
#include "game/game_view.h"
#include "game/level_data.h"
#include "game/mode_jeu.h"
#include "game/piece_placing.h"
#include "game/play_session.h"
#include "game/ports.h"
#include "game/simulation.h"
#include "game/table.h"
#include "game/window_state.h"

namespace drippo {

// The whole game: the level on the board and its water (table), the play
// session, the editor, placing pieces, and what the window shows around the
// board. Time comes from outside: the window's timers call timer_eau_Timer()
// and timer_rebour_Timer(), tests and tools call them in loops.
class Game {
 public:
  Game(GameView& view, ScoreRecorder& scores, LevelCatalogue& levels);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  GameSettings& settings() { return settings_; }
  const GameSettings& settings() const { return settings_; }
  Table& table() { return table_; }
  const Table& table() const { return table_; }
  Simulation& water() { return table_.water(); }
  const Simulation& water() const { return table_.water(); }
  WindowState& window() { return window_; }
  const WindowState& window() const { return window_; }
  PlaySession& play() { return play_; }
  const PlaySession& play() const { return play_; }
  EditorSession& editor() { return editor_; }
  const EditorSession& editor() const { return editor_; }
  PiecePlacing& placing() { return placing_; }
  const PiecePlacing& placing() const { return placing_; }

  // ---- Levels ---------------------------------------------------------
  void set_mode_jeu(ModeJeu mode) { table_.set_mode_jeu(mode); }
  // Puts a level read from its file on the board, for playing or editing as
  // mode_jeu says. The file has been read and checked in full beforehand.
  void load_level(const LevelData& level, const std::string& file_name);
  void nouveau_tableau();

  // ---- The water timer ---------------------------------------------------
  void timer_eau_Timer();
  bool in_tick() const { return table_.in_tick; }
  // A drop poured into cell i: "G" moving left, "D" right, "B" falling.
  void verser_goutte(int i, const std::string& letter);

 private:
  // What a tick did, shown and heard in the order it happened.
  void play_back(const TickEvent& event);
  void exploser(int c);

  GameView& view_;
  GameSettings settings_;
  Table table_;
  WindowState window_;
  PlaySession play_;
  EditorSession editor_;
  PiecePlacing placing_;

  TickReport report_;
  std::array<std::int16_t, board_slots> pictures_{};  // what the cells show during a tick
};

}  // namespace drippo
