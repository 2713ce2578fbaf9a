#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QObject>
#include <QTimer>

#include "game/game.h"
#include "solver/hint_search.h"
#include "storage/hint_marks.h"
#include "ui/common/background_search.h"

namespace drippo::ui {

class BoardWidget;

// The hint while a level is played: the solver works on a copy of the game
// as it stands, the game paused meanwhile when the water runs, and the board
// shows its answer for a few seconds or until the player acts. A level won
// after a hint is listed beside the score files.
class HintControl : public QObject {
  Q_OBJECT
 public:
  struct Host {
    Game& game;
    BoardWidget& board;
    LevelCatalogue& levels;
    HintMarks marks;
    std::function<void()> sync;  // the window shows the game's state again
  };
  static constexpr int shown_ms = 5000;
  static constexpr double search_seconds = 1.8;

  explicit HintControl(Host host);

  // During the countdown and while the water runs of a level played.
  bool available() const;
  void ask();
  bool waiting() const { return asked_.has_value(); }
  void cancel();

  // The game changed: a search for another state stops, the end of a game is noted.
  void game_changed();
  void player_acted();

 protected:
  // A key pressed on the board is the player acting, but for the hint's own.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void on_answer(solve::Hint hint);
  void clear_hint();
  void resume();
  bool same_state(const solve::LiveStart& asked) const;
  // A level put on the board again, or another one: its game owes nothing
  // to a hint given in the one before.
  void notice_new_game();

  Host host_;
  BackgroundSearch search_;
  QTimer clear_timer_;
  std::optional<solve::LiveStart> asked_;
  bool paused_for_hint_ = false;
  bool hinted_ = false;            // a hint was given in this game
  bool clean_win_before_ = false;  // the level already stood won without hints
  int games_seen_ = 0;
  int levels_seen_ = 0;
};

}  // namespace drippo::ui
