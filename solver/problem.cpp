#include "solver/problem.h"

#include "game/board_geometry.h"

namespace drippo::solve {

std::optional<StartProblem> place(Game& game, Placement p) {
  if (!is_cell(p.cell) || p.piece < 1 || p.piece > nb_types) {
    return StartProblem{StartProblem::Kind::NotAPlacement, p, std::nullopt};
  }
  if (const auto why = game.placing().refusal(p.cell, p.piece)) return StartProblem{StartProblem::Kind::Refused, p, why};
  if (game.placing().palette_mouse_down(p.piece) && game.placing().drop_on_cell(p.cell)) return std::nullopt;
  return StartProblem{StartProblem::Kind::Refused, p, std::nullopt};
}

std::optional<StartProblem> set_up(Game& game, const Problem& problem) {
  game.settings().difficulte = problem.difficulte;
  game.set_mode_jeu(ModeJeu::Jouer);
  game.load_level(problem.level, "solve.tab");
  for (const Placement& p : problem.fixed) {
    if (auto refused = place(game, p)) return refused;
  }
  if (problem.live) {
    take_on(game, *problem.live);
    if (problem.moment > 0 && !game.water().running()) return StartProblem{StartProblem::Kind::OverBeforeMoment, {}, std::nullopt};
    return std::nullopt;
  }
  if (problem.moment <= 0) return std::nullopt;
  game.play().start_water();
  for (std::int32_t k = 0; k < problem.moment && game.water().running(); ++k) game.timer_eau_Timer();
  if (!game.water().running()) return StartProblem{StartProblem::Kind::OverBeforeMoment, {}, std::nullopt};
  return std::nullopt;
}

void let_water_run(Game& game, const Problem& problem) {
  if (problem.moment <= 0) game.play().start_water();
}

Replay replay(const Problem& problem, const Placements& ordered) {
  HeadlessGame headless;
  Game& game = headless.game;
  Replay r;
  r.refused = set_up(game, problem);
  for (std::size_t k = 0; k < ordered.size() && !r.refused; ++k) r.refused = place(game, ordered[k]);
  if (r.refused) return r;
  let_water_run(game, problem);
  // The time runs out after 1200 ticks; the bound only guards against a
  // game that would somehow never end.
  constexpr std::int32_t tick_bound = 100000;
  while (game.water().running() && r.ticks < tick_bound) {
    game.timer_eau_Timer();
    ++r.ticks;
  }
  r.won = game.play().last_outcome() == Outcome::Win && game.water().score() == 100.0;
  return r;
}

}  // namespace drippo::solve
