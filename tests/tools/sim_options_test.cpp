#include <gtest/gtest.h>

#include "sim/sim_options.h"

namespace drippo::sim {
namespace {

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
      {"a.tab", "--place", "4294967336:1"},
      {"a.tab", "--ticks", "9223372036854775808"},
      {"a.tab", "--ticks", "-3"},
      {"a.tab", "--ticks"},
      {"a.tab", "--difficulty", "0"},
      {"a.tab", "--lang", "en"},
      {"--verbose"},
  };
  for (const auto& args : bad) {
    std::string error;
    EXPECT_FALSE(parse_options(args, error)) << ::testing::PrintToString(args);
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
}  // namespace drippo::sim
