// A run the search resumes from a saved state, with the new piece put down
// just before it can first act, must be the run played from the start.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "solver/candidates.h"
#include "solver/placing_check.h"
#include "solver/water_run.h"

namespace drippo::solve {
namespace {

// A whole board of random pieces, many of them special, and a stock of every
// kind the player may place.
Problem random_board(std::mt19937& rng) {
  static constexpr int kinds[] = {1, 2, 3, 4, 5, 6, 7, 8, 8, 9, 10, 11, 12, 13, 14, 14, 15, 16, 17, 18, 19, 20};
  Problem p;
  for (auto& c : p.level.cells) {
    if (std::uniform_int_distribution<int>(0, 99)(rng) < 75) continue;
    c.piece = static_cast<std::int16_t>(kinds[std::uniform_int_distribution<std::size_t>(0, std::size(kinds) - 1)(rng)]);
  }
  for (int t = 1; t <= 15; ++t) p.level.stocks[static_cast<std::size_t>(t)] = "2";
  p.level.stocks[piece::brique] = "2";
  p.level.water = std::to_string(std::uniform_int_distribution<int>(5, 40)(rng));
  return p;
}

// How long each ran is no part of it: water going round forever is caught
// at a tick that depends on where the run started, and nothing changes then.
void expect_same_run(const WaterRun& resumed, const WaterRun& fresh, int level) {
  EXPECT_EQ(resumed.won, fresh.won) << "level " << level;
  EXPECT_EQ(resumed.first_wet, fresh.first_wet) << "level " << level;
  EXPECT_EQ(resumed.first_drop, fresh.first_drop) << "level " << level;
  EXPECT_EQ(resumed.first_blast, fresh.first_blast) << "level " << level;
  EXPECT_EQ(resumed.first_teleporter_use, fresh.first_teleporter_use) << "level " << level;
  EXPECT_EQ(resumed.end_besoin, fresh.end_besoin) << "level " << level;
}

TEST(ResumedRuns, AreTheRunsPlayedFromTheStart) {
  std::mt19937 rng(77);
  int deepest = 0;
  for (int level = 0; level < 60; ++level) {
    const Problem problem = random_board(rng);
    PlacingCheck check(problem);
    const Simulation& start = check.start_water();
    const Goals goals = goals_of(start);
    // Three pieces deep, each chosen at random among those the search would
    // try, so that a later piece often acts before an earlier one.
    std::vector<std::unique_ptr<WaterRun>> chain;
    chain.push_back(std::make_unique<WaterRun>());
    begin_run(*chain[0], start, {});
    run_water(start, 0, *chain[0], Detail::Resumable);
    std::vector<Candidate> candidates;
    for (int depth = 1; depth <= 3; ++depth) {
      const WaterRun& parent = *chain.back();
      Pruned pruned;
      find_candidates(parent, check, goals, 3, candidates, pruned);
      if (candidates.empty()) break;
      const Candidate& x = candidates[std::uniform_int_distribution<std::size_t>(0, candidates.size() - 1)(rng)];
      std::int32_t from = 0;
      const Simulation water = resume_state(parent, x.placement, x.act, from);
      auto child = std::make_unique<WaterRun>();
      begin_child(*child, parent, x.placement, from);
      run_water(water, from, *child, Detail::Resumable);

      WaterRun fresh;
      begin_run(fresh, start, child->set);
      run_water(with_pieces(start, child->set), 0, fresh, Detail::Resumable);
      expect_same_run(*child, fresh, level);
      deepest = std::max(deepest, depth);
      chain.push_back(std::move(child));
    }
  }
  EXPECT_EQ(deepest, 3);
}

}  // namespace
}  // namespace drippo::solve
