// Levels made from a seed: the same seed gives the same file, and every level
// is won by the solution it comes with and by no smaller set of pieces.
#include <gtest/gtest.h>

#include "solver/generator.h"
#include "solver/solver.h"
#include "storage/level_file.h"

namespace drippo::solve {
namespace {

Problem problem_of(const LevelData& level) {
  Problem p;
  p.level = level;
  return p;
}

TEST(Generator, TheSameSeedGivesTheSameLevelFileAndAnotherSeedAnother) {
  const auto first = generate(Difficulty::Medium, 2024);
  const auto again = generate(Difficulty::Medium, 2024);
  const auto other = generate(Difficulty::Medium, 2025);
  ASSERT_TRUE(first && again && other);
  EXPECT_EQ(level_bytes(first->level), level_bytes(again->level));
  EXPECT_EQ(first->solution, again->solution);
  EXPECT_NE(level_bytes(first->level), level_bytes(other->level));
}

// Seeds per difficulty: enough to meet junctions, cats and long runs, few
// enough that the whole test stays well under half a minute.
constexpr std::uint32_t seeds = 50;

TEST(Generator, EveryLevelIsWonByItsSolutionAndByNoSmallerSet) {
  for (Difficulty difficulty : {Difficulty::Easy, Difficulty::Medium, Difficulty::Hard}) {
    const PieceRange range = pieces_needed(difficulty);
    for (std::uint32_t seed = 1; seed <= seeds; ++seed) {
      SCOPED_TRACE("difficulty " + std::to_string(static_cast<int>(difficulty)) + " seed " + std::to_string(seed));
      const auto made = generate(difficulty, seed);
      ASSERT_TRUE(made);
      const auto pieces = static_cast<int>(made->solution.size());
      EXPECT_GE(pieces, range.least);
      EXPECT_LE(pieces, range.most);
      // Through the ordinary game, from the level's own stock.
      const Replay played = replay(problem_of(made->level), made->solution);
      EXPECT_TRUE(played.won);
      EXPECT_EQ(played.ticks, made->ticks);
      // Every offered piece comes from the stock, so the file can be played.
      const auto back = level_from_bytes(level_bytes(made->level));
      ASSERT_TRUE(back);
      EXPECT_EQ(back.value(), made->level);
      Limits fewer;
      fewer.max_pieces = range.least - 1;
      fewer.guided = false;
      fewer.seconds = 20;
      EXPECT_EQ(solve(problem_of(made->level), fewer).verdict, Verdict::NoSolution);
    }
  }
}

}  // namespace
}  // namespace drippo::solve
