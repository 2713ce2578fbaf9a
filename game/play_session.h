#pragma once

#include "game/game_view.h"
#include "game/ports.h"
#include "game/table.h"
#include "game/window_state.h"

namespace drippo {

enum class Outcome { None, Win, TimeOut, GameOver, Cat };

// A level being played: the countdown before the water, the pause, and the
// end of the game with its score.
class PlaySession {
 public:
  PlaySession(Table& table, WindowState& window, GameView& view, ScoreRecorder& scores, LevelCatalogue& levels)
      : table_(table), window_(window), view_(view), scores_(scores), levels_(levels) {}

  // ---- Countdown ---------------------------------------------------------
  void timer_rebour_Timer();
  void start_water();  // what the countdown does when it reaches 0
  bool timer_rebour_enabled() const { return timer_rebour_enabled_; }
  bool time_is_red() const { return time_red_; }
  // A level is on the board: the countdown runs when it is to be played.
  void level_started(bool playing);

  // ---- Pause -----------------------------------------------------------
  void toggle_pause();  // a click on the title
  bool en_pause() const { return table_.en_pause; }

  // ---- The end ---------------------------------------------------------
  // The game ends with this outcome and the score it made.
  void fin_partie(Outcome outcome, double score);
  // A level won at 100: when every level of the folder stands at 100, the
  // welcome screen congratulates the player.
  void tous_reussis();
  Outcome last_outcome() const { return last_outcome_; }
  int games_ended() const { return fin_partie_count_; }  // runs of fin_partie so far
  int levels_started() const { return level_started_count_; }  // levels put on the board so far

 private:
  Table& table_;
  WindowState& window_;
  GameView& view_;
  ScoreRecorder& scores_;
  LevelCatalogue& levels_;

  bool timer_rebour_enabled_ = false;
  bool time_red_ = false;
  Outcome last_outcome_ = Outcome::None;
  int fin_partie_count_ = 0;
  int level_started_count_ = 0;
};

}  // namespace drippo
