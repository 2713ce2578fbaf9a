// The solver against trying everything: on small random levels full of
// special pieces, every set of pieces the stock allows on every empty cell,
// played from scratch through the game.
#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "solver/solver.h"

namespace drippo::solve {
namespace {

// The fewest pieces of a winning set of at most `most`, or nothing. The game
// judges every set, in every order until it takes one.
std::optional<int> fewest_by_trying_all(const Problem& problem, int most) {
  Placements all;
  for (int c = 0; c < nb_cases; ++c) {
    if (problem.level.cells[static_cast<std::size_t>(c)].piece != piece::vide) continue;
    for (int t = 1; t <= nb_types; ++t) {
      if (!problem.level.stocks[static_cast<std::size_t>(t)].empty()) all.push_back({c, t});
    }
  }
  const auto wins = [&](Placements set) {
    std::sort(set.begin(), set.end());
    do {
      const Replay r = replay(problem, set);
      if (!r.refused) return r.won;
    } while (std::next_permutation(set.begin(), set.end()));
    return false;
  };
  if (wins({})) return 0;
  const std::size_t n = all.size();
  for (std::size_t a = 0; a < n; ++a) {
    if (wins({all[a]})) return 1;
  }
  std::optional<int> best;
  for (std::size_t a = 0; a < n && most >= 2; ++a) {
    for (std::size_t b = a + 1; b < n; ++b) {
      if (all[a].cell == all[b].cell) continue;
      if (wins({all[a], all[b]})) return 2;
      for (std::size_t c = b + 1; c < n && most >= 3 && !best; ++c) {
        if (all[c].cell == all[a].cell || all[c].cell == all[b].cell) continue;
        if (wins({all[a], all[b], all[c]})) best = 3;
      }
    }
  }
  return best;
}

// The top right corner of the board, 4 rows by 4 columns, with random pieces
// and a glass or two; bricks everywhere else. The stock holds one to three of
// two kinds of piece.
Problem random_corner(std::mt19937& rng) {
  static constexpr int kinds[] = {1, 2, 3, 4, 5, 6, 7, 7, 8, 8, 9, 10, 11, 12, 13, 14, 15, 19, 20};
  Problem p;
  for (int c = 0; c < nb_cases; ++c) p.level.cells[static_cast<std::size_t>(c)].piece = piece::brique;
  std::vector<int> corner;
  for (int row = 0; row < 4; ++row) {
    for (int col = 15; col < nb_colonnes; ++col) corner.push_back(row * nb_colonnes + col);
  }
  for (int c : corner) {
    const bool empty = std::uniform_int_distribution<int>(0, 99)(rng) < 78;
    p.level.cells[static_cast<std::size_t>(c)].piece =
        static_cast<std::int16_t>(empty ? 0 : kinds[std::uniform_int_distribution<std::size_t>(0, std::size(kinds) - 1)(rng)]);
  }
  const int goals = std::uniform_int_distribution<int>(0, 4)(rng) == 0 ? 2 : 1;
  for (int g = 0; g < goals; ++g) {
    const int c = corner[std::uniform_int_distribution<std::size_t>(8, corner.size() - 1)(rng)];
    p.level.cells[static_cast<std::size_t>(c)].piece = piece::verre;
  }
  static constexpr int stocked[] = {1, 1, 2, 2, 3, 3, 4, 5, 6, 7, 7, 8, 8, 9, 10, 11, 12, 13, 14, 15, 20};
  for (int k = 0; k < 2; ++k) {
    const int t = stocked[std::uniform_int_distribution<std::size_t>(0, std::size(stocked) - 1)(rng)];
    p.level.stocks[static_cast<std::size_t>(t)] = std::to_string(std::uniform_int_distribution<int>(1, 3)(rng));
  }
  p.level.water = std::to_string(10 * goals + std::uniform_int_distribution<int>(5, 20)(rng));
  return p;
}

TEST(SolverAgainstTryingAll, AgreesOnTheFewestPiecesOfRandomLevels) {
  std::mt19937 rng(7);
  constexpr int most = 3;
  int solved = 0, unsolved = 0;
  for (int n = 0, tried = 0; n < 30 && tried < 300; ++tried) {
    const Problem p = random_corner(rng);
    // A level won without a piece tests nothing.
    if (replay(p, {}).won) continue;
    ++n;
    const std::optional<int> expected = fewest_by_trying_all(p, most);
    expected ? ++solved : ++unsolved;
    for (const bool guided : {false, true}) {
      Limits limits;
      limits.max_pieces = most;
      limits.guided = guided;
      const SolveResult r = solve(p, limits);
      EXPECT_EQ(r.counters.rejected, 0) << "level " << n;
      if (expected) {
        ASSERT_EQ(r.verdict, Verdict::Solved) << "level " << n << (guided ? ", guided" : "");
        EXPECT_TRUE(r.shortest) << "level " << n;
        EXPECT_EQ(static_cast<int>(r.placements.size()), *expected) << "level " << n << (guided ? ", guided" : "");
      } else {
        EXPECT_EQ(r.verdict, Verdict::NoSolution) << "level " << n << (guided ? ", guided" : "");
      }
    }
  }
  // Both answers were put to the test.
  EXPECT_GE(solved, 5);
  EXPECT_GE(unsolved, 5);
}

}  // namespace
}  // namespace drippo::solve
