#include <gtest/gtest.h>

#include "sim/sim_options.h"

namespace drippo::sim {
namespace {

std::optional<Options> parse(std::vector<std::string> args) {
  std::string error;
  auto o = parse_options(args, error);
  if (!o) {
    EXPECT_FALSE(error.empty());
  }
  return o;
}

TEST(SimOptions, DefaultsAreFrenchNormalPlayWithoutTrace) {
  const auto o = parse({"level.tab"});
  ASSERT_TRUE(o);
  EXPECT_EQ(o->level_path, "level.tab");
  EXPECT_FALSE(o->edit);
  EXPECT_FALSE(o->trace);
  EXPECT_FALSE(o->ticks.has_value());  // the mode chooses 1300 or 100
  EXPECT_EQ(o->difficulty, 100);
  EXPECT_EQ(o->lang, 0);
}

TEST(SimOptions, RepeatedPlacementsAndDropsKeepTheirOrder) {
  const auto o = parse({"--place", "40:7", "l.tab", "--drop", "3:50", "--place", "100:7", "--edit", "--ticks", "0"});
  ASSERT_TRUE(o);
  ASSERT_EQ(o->placements.size(), 2u);
  EXPECT_EQ(o->placements[0].cell, 40);
  EXPECT_EQ(o->placements[1].cell, 100);
  EXPECT_EQ(o->placements[1].piece, 7);
  ASSERT_EQ(o->drops.size(), 1u);
  EXPECT_EQ(o->drops[0].tick, 3);
  EXPECT_EQ(o->drops[0].cell, 50);
  EXPECT_TRUE(o->edit);
  EXPECT_EQ(o->ticks, 0);
}

TEST(SimOptions, RefusesWhatCannotBeRun) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"a.tab", "b.tab"},
      {"a.tab", "--place", "228:1"},
      {"a.tab", "--place", "-1:1"},
      {"a.tab", "--place", "5:0"},
      {"a.tab", "--place", "5:21"},
      {"a.tab", "--place", "5"},
      {"a.tab", "--place", "5:1x"},
      {"a.tab", "--drop", "0:5"},
      // Numbers past what the option holds are refused, never narrowed to a
      // small one (4294967297 would be tick 1, 4294967336 cell 40).
      {"a.tab", "--drop", "4294967297:40"},
      {"a.tab", "--drop", "1:4294967336"},
      {"a.tab", "--place", "4294967336:1"},
      {"a.tab", "--ticks", "9223372036854775808"},
      {"a.tab", "--ticks", "-3"},
      {"a.tab", "--ticks"},
      {"a.tab", "--difficulty", "0"},
      {"a.tab", "--lang", "en"},
      {"a.tab", "--verbose"},
  };
  for (const auto& args : bad) {
    std::string error;
    EXPECT_FALSE(parse_options(args, error)) << ::testing::PrintToString(args);
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
}  // namespace drippo::sim
