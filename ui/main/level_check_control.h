#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QObject>
#include <QTimer>

#include "game/game.h"
#include "solver/level_check.h"
#include "solver/problem.h"
#include "ui/common/background_search.h"

namespace drippo::ui {

class BoardWidget;

// The editor's check: the solver on the level as edited, on a worker
// thread; its verdict and warnings in the window's text line. Once solved,
// the solution can be shown: its pieces set down one by one on a copy of the
// level, then its water, the board coming back as it was at the end.
class LevelCheckControl : public QObject {
  Q_OBJECT
 public:
  struct Host {
    Game& game;
    BoardWidget& board;
    std::function<void(const QString&)> tell;
  };
  static constexpr double search_seconds = 5.0;
  static constexpr int piece_ms = 400;

  explicit LevelCheckControl(Host host);

  void check();
  bool waiting() const { return asked_.has_value(); }
  const std::optional<solve::LevelCheck>& last() const { return last_; }
  // Shows the last solution found for the level as it is now; false when there is none.
  bool show_solution();
  bool showing() const { return shown_ != nullptr; }
  void stop_showing();
  void cancel();

 private:
  void on_answer(solve::LevelCheck check);
  void show_step();

  Host host_;
  BackgroundSearch search_;
  std::optional<LevelData> asked_;
  std::optional<LevelData> checked_;  // the level the last check was about
  std::optional<solve::LevelCheck> last_;
  std::unique_ptr<solve::HeadlessGame> shown_;
  std::size_t pieces_shown_ = 0;
  int ticks_shown_ = 0;
  QTimer show_timer_;
};

}  // namespace drippo::ui
