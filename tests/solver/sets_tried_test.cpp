// The table of sets already tried answers as a plain set of sets would.
#include "solver/sets_tried.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "game/board_geometry.h"
#include "game/pieces.h"

namespace drippo::solve {
namespace {

TEST(SetsTried, AnswersAsASetOfSetsAndForgetsNothingBeforeItsLimit) {
  std::mt19937 rng(5);
  SetsTried tried(1'000'000);
  std::set<Placements> reference;
  // Few cells and pieces, so that sets come again; up to twelve placements,
  // past the nine packed into two words. The last cell's highest code and
  // cell 99's differ in the top bit alone, the one a word's end cuts off.
  const int cells[] = {0, 1, 2, 99, nb_cases - 1};
  const auto random_set = [&] {
    Placements set(std::uniform_int_distribution<std::size_t>(0, 12)(rng));
    for (Placement& p : set) {
      p.cell = cells[std::uniform_int_distribution<std::size_t>(0, std::size(cells) - 1)(rng)];
      p.piece = std::uniform_int_distribution<int>(0, 1)(rng) == 0 ? nb_types : 1;
    }
    std::sort(set.begin(), set.end());
    return set;
  };
  for (int k = 0; k < 100'000; ++k) {
    const Placements set = random_set();
    ASSERT_EQ(tried.add(set), reference.insert(set).second) << k;
  }
  tried.clear();
  EXPECT_TRUE(tried.add(*reference.begin()));
}

TEST(SetsTried, PastItsLimitEverySetIsNew) {
  SetsTried tried(2);
  EXPECT_TRUE(tried.add({{1, 1}}));
  EXPECT_TRUE(tried.add({{2, 1}}));
  EXPECT_TRUE(tried.add({{3, 1}}));
  EXPECT_TRUE(tried.add({{3, 1}}));   // not remembered: run again
  EXPECT_FALSE(tried.add({{1, 1}}));  // remembered before the limit
}

}  // namespace
}  // namespace drippo::solve
