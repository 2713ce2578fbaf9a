#include <gtest/gtest.h>

#include "ui/main/envelope_bounce.h"

namespace drippo::ui {
namespace {

TEST(EnvelopeBounce, StandsStillUntilAGameEndsThenStartsInTheCornerAndTurnsBackAtEachEdge) {
  EnvelopeBounce e(9400, 6615, 1395, 690);
  const int designed_left = e.left();
  e.step();
  EXPECT_EQ(e.left(), designed_left);
  e.start();
  e.step();
  EXPECT_EQ(e.left(), 60);
  EXPECT_EQ(e.top(), 60);
  // Down and right until the bottom: 6615 - 690 = 5925 is the last top.
  while (e.top() < 5925) e.step();
  EXPECT_EQ(e.top(), 5960);  // one step past, as the design's test comes first
  e.step();
  EXPECT_EQ(e.top(), 5910);  // and back up
  // Right until 9400 - 1395 = 8005, then back.
  while (e.left() < 8005) e.step();
  const int right_edge = e.left();
  e.step();
  EXPECT_EQ(e.left(), right_edge - 50);
  // Back at the top the heading turns down again.
  while (e.top() > 10) e.step();
  const int top = e.top();
  e.step();
  EXPECT_EQ(e.top(), top + 50);
}

}  // namespace
}  // namespace drippo::ui
