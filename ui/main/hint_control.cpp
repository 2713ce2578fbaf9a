#include "ui/main/hint_control.h"

#include <QKeyEvent>

#include "ui/main/board_widget.h"
#include "ui/dialogs/solver_texts.h"

namespace drippo::ui {

HintControl::HintControl(Host host) : host_(std::move(host)), search_(this) {
  clear_timer_.setSingleShot(true);
  clear_timer_.setInterval(shown_ms);
  connect(&clear_timer_, &QTimer::timeout, this, &HintControl::clear_hint);
  games_seen_ = host_.game.play().games_ended();
  levels_seen_ = host_.game.play().levels_started();
}

void HintControl::notice_new_game() {
  if (host_.game.play().levels_started() == levels_seen_) return;
  levels_seen_ = host_.game.play().levels_started();
  hinted_ = false;
}

bool HintControl::available() const {
  const Game& g = host_.game;
  return g.table().playing() && (g.play().timer_rebour_enabled() || g.water().running());
}

void HintControl::ask() {
  if (!available() || waiting()) return;
  Game& game = host_.game;
  clear_hint();
  notice_new_game();
  if (!hinted_) {
    const std::string& name = game.table().nom_tableau();
    clean_win_before_ = host_.levels.stored_score_text(name) == "100" && !host_.marks.marked(name);
  }
  // The water waits for the hint, so that it is still true when shown.
  if (game.water().running() && !game.play().en_pause()) {
    game.play().toggle_pause();
    paused_for_hint_ = true;
  }
  asked_ = solve::live_start_of(game);
  const std::int16_t langue = game.settings().langue;
  game.table().set_comment(searching_text(langue).toStdString());
  host_.sync();
  const std::int16_t difficulte = game.settings().difficulte;
  std::function<solve::Hint(const std::atomic<bool>&)> work = [live = *asked_, difficulte](const std::atomic<bool>& cancel) {
    return solve::find_hint(live, difficulte, {search_seconds, &cancel});
  };
  search_.start(std::move(work), std::function<void(solve::Hint)>([this](solve::Hint h) { on_answer(h); }));
}

void HintControl::on_answer(solve::Hint hint) {
  if (!asked_ || !same_state(*asked_)) return cancel();
  asked_.reset();
  resume();
  hinted_ = true;
  Game& game = host_.game;
  game.table().set_comment(hint_text(hint.kind, game.settings().langue).toStdString());
  if (hint.kind == solve::Hint::Kind::Place || hint.kind == solve::Hint::Kind::TakeBack) {
    host_.board.set_hint({hint.placement.cell, hint.placement.piece, hint.kind == solve::Hint::Kind::TakeBack});
    clear_timer_.start();
  }
  host_.sync();
}

void HintControl::cancel() {
  search_.cancel();
  if (asked_) {
    asked_.reset();
    resume();
  }
}

void HintControl::resume() {
  if (paused_for_hint_ && host_.game.play().en_pause()) host_.game.play().toggle_pause();
  paused_for_hint_ = false;
}

bool HintControl::same_state(const solve::LiveStart& asked) const {
  const solve::LiveStart now = solve::live_start_of(host_.game);
  if (!host_.game.table().playing() || now.water_running != asked.water_running || now.stocks != asked.stocks ||
      now.water.tick_counter() != asked.water.tick_counter()) {
    return false;
  }
  for (int i = 0; i <= derniere_case; ++i) {
    if (now.water.cell(i).piece != asked.water.cell(i).piece) return false;
  }
  return true;
}

void HintControl::game_changed() {
  if (asked_ && !same_state(*asked_)) cancel();
  Game& game = host_.game;
  if (host_.board.hint().cell >= 0 && !available()) clear_hint();
  if (game.play().games_ended() != games_seen_) {
    games_seen_ = game.play().games_ended();
    const bool won = game.play().last_outcome() == Outcome::Win && game.water().score() == 100.0;
    if (won && !(hinted_ && clean_win_before_)) host_.marks.record_win(game.table().nom_tableau(), hinted_);
    hinted_ = false;
  }
  notice_new_game();
}

void HintControl::player_acted() { clear_hint(); }

bool HintControl::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() != Qt::Key_H) player_acted();
  return false;
}

void HintControl::clear_hint() {
  clear_timer_.stop();
  if (host_.board.hint().cell >= 0) host_.board.set_hint({});
}

}  // namespace drippo::ui
