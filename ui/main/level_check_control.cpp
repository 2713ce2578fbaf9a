#include "ui/main/level_check_control.h"

#include "ui/main/board_widget.h"
#include "ui/dialogs/solver_texts.h"

namespace drippo::ui {
namespace {

// Beyond the game's own time limit: the water shown has surely ended.
constexpr int most_ticks_shown = 2000;

}  // namespace

LevelCheckControl::LevelCheckControl(Host host) : host_(std::move(host)), search_(this) {
  connect(&show_timer_, &QTimer::timeout, this, &LevelCheckControl::show_step);
}

void LevelCheckControl::check() {
  Game& game = host_.game;
  if (!game.table().mode_edition() || waiting()) return;
  stop_showing();
  asked_ = solve::edited_level(game);
  host_.tell(searching_text(game.settings().langue));
  const std::int16_t difficulte = game.settings().difficulte;
  std::function<solve::LevelCheck(const std::atomic<bool>&)> work = [level = *asked_, difficulte](const std::atomic<bool>& cancel) {
    return solve::check_level(level, difficulte, search_seconds, &cancel);
  };
  search_.start(std::move(work), std::function<void(solve::LevelCheck)>([this](solve::LevelCheck c) { on_answer(std::move(c)); }));
}

void LevelCheckControl::on_answer(solve::LevelCheck check) {
  Game& game = host_.game;
  const bool same_level = game.table().mode_edition() && asked_ && solve::edited_level(game) == *asked_;
  checked_ = std::move(asked_);
  asked_.reset();
  if (!same_level) return;
  last_ = std::move(check);
  host_.tell(check_text(*last_, game.settings().langue));
}

void LevelCheckControl::cancel() {
  search_.cancel();
  asked_.reset();
  stop_showing();
}

bool LevelCheckControl::show_solution() {
  Game& game = host_.game;
  if (!game.table().mode_edition() || !last_ || last_->result.verdict != solve::Verdict::Solved || !checked_ ||
      solve::edited_level(game) != *checked_) {
    return false;
  }
  stop_showing();
  shown_ = std::make_unique<solve::HeadlessGame>();
  solve::Problem problem;
  problem.level = *checked_;
  problem.difficulte = game.settings().difficulte;
  solve::set_up(shown_->game, problem);
  pieces_shown_ = 0;
  ticks_shown_ = 0;
  if (last_->result.placements.empty()) shown_->game.play().start_water();
  host_.board.show_game(&shown_->game);
  show_timer_.start(piece_ms);
  return true;
}

void LevelCheckControl::show_step() {
  Game& g = shown_->game;
  const solve::Placements& pieces = last_->result.placements;
  if (pieces_shown_ < pieces.size()) {
    solve::place(g, pieces[pieces_shown_++]);
    if (pieces_shown_ == pieces.size()) {
      g.play().start_water();
      show_timer_.setInterval(g.settings().difficulte);
    }
  } else if (g.water().running() && ticks_shown_ < most_ticks_shown) {
    g.timer_eau_Timer();
    ++ticks_shown_;
  } else {
    stop_showing();
    return;
  }
  host_.board.update();
}

void LevelCheckControl::stop_showing() {
  show_timer_.stop();
  if (!shown_) return;
  host_.board.show_game(nullptr);
  shown_.reset();
}

}  // namespace drippo::ui
