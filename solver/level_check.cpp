#include "solver/level_check.h"

#include <algorithm>

#include "game/control_text.h"

namespace drippo::solve {
namespace {

// More than a designer's check can prove in its time: the rounds of every
// set grow too fast past it, while the guided search still finds larger wins.
constexpr int most_pieces = 8;

int stock_of(const LevelData& level, int t) {
  return static_cast<int>(std::clamp(leading_number(level.stocks[static_cast<std::size_t>(t)]), 0.0, 100.0));
}

// The cells water could enter, whatever pieces the player adds: drops move
// left, right or down, never up, and only a brick stops them; a goal or
// the cat takes what reaches it.
std::array<bool, nb_cases> reachable_cells(const LevelData& level) {
  std::array<bool, nb_cases> reached{};
  std::vector<int> todo{case_source};
  reached[case_source] = true;
  while (!todo.empty()) {
    const int i = todo.back();
    todo.pop_back();
    const int piece = level.cells[static_cast<std::size_t>(i)].piece;
    if (is_goal(piece) || piece == piece::chat) continue;
    const int col = i % nb_colonnes;
    const int next[] = {col > 0 ? i - 1 : -1, col + 1 < nb_colonnes ? i + 1 : -1, i + nb_colonnes};
    for (int n : next) {
      if (n < 0 || n > derniere_case || reached[static_cast<std::size_t>(n)]) continue;
      if (level.cells[static_cast<std::size_t>(n)].piece == piece::brique) continue;
      reached[static_cast<std::size_t>(n)] = true;
      todo.push_back(n);
    }
  }
  return reached;
}

bool has_teleporters(const LevelData& level) {
  if (stock_of(level, piece::teleporteur) > 0) return true;
  return std::any_of(level.cells.begin(), level.cells.end(),
                     [](const Cellule& c) { return c.piece == piece::teleporteur; });
}

}  // namespace

LevelData edited_level(const Game& game) {
  LevelData level;
  level.cells = game.water().board();
  for (Cellule& c : level.cells) c.eau_g = c.eau_d = c.eau_b = 0;
  for (int t = 1; t <= nb_types; ++t) level.stocks[static_cast<std::size_t>(t)] = game.table().stock(t);
  level.time = game.table().text_temps();
  level.water = game.table().text_eau();
  return level;
}

LevelCheck check_level(const LevelData& level, std::int16_t difficulte, double seconds,
                       const std::atomic<bool>* cancel) {
  LevelCheck check;
  int stock = 0;
  for (int t = 1; t <= nb_types; ++t) stock += stock_of(level, t);
  check.max_pieces = std::min(most_pieces, stock);

  check.no_goal = std::none_of(level.cells.begin(), level.cells.end(), [](const Cellule& c) { return is_goal(c.piece); });
  if (!has_teleporters(level)) {
    const auto reached = reachable_cells(level);
    for (int i = 0; i <= derniere_case; ++i) {
      const int piece = level.cells[static_cast<std::size_t>(i)].piece;
      if (reached[static_cast<std::size_t>(i)]) continue;
      if (is_goal(piece)) check.dry_goals.push_back(i);
      if (piece == piece::chat) check.dry_cat = true;
    }
  }

  Problem problem;
  problem.level = level;
  problem.difficulte = difficulte;
  Limits limits;
  limits.max_pieces = check.max_pieces;
  limits.seconds = seconds;
  limits.cancel = cancel;
  check.result = solve(problem, limits);
  if (check.result.verdict == Verdict::Solved) {
    for (int t = 1; t <= nb_types; ++t) {
      const bool used = std::any_of(check.result.placements.begin(), check.result.placements.end(),
                                    [t](const Placement& p) { return p.piece == t; });
      if (!used && stock_of(level, t) > 0) check.unneeded_stocks.push_back(t);
    }
  }
  return check;
}

}  // namespace drippo::solve
