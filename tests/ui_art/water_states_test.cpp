#include <gtest/gtest.h>

#include "ui/art/art_book.h"

namespace {

using drippo::ui::shared_picture;
using drippo::ui::shared_water_state;

TEST(SharedWaterState, EveryOpenDoorStateHasItsOwnArt) {
  for (int w = 8; w <= 15; ++w) EXPECT_EQ(shared_water_state(14, w), w);
}

TEST(SharedWaterState, DryPiecesShowThemselves) {
  for (int p = 0; p <= 20; ++p) EXPECT_EQ(shared_water_state(p, 0), 0) << "piece " << p;
}

TEST(SharedWaterState, UnknownCodesShowTheEmptyCell) {
  EXPECT_EQ(shared_picture(21), 0);
  EXPECT_EQ(shared_picture(399), shared_picture(300));
  EXPECT_EQ(shared_picture(-5), 0);
  EXPECT_EQ(shared_water_state(-1, 3), 0);
  EXPECT_EQ(shared_water_state(2, -1), 0);
}

TEST(SharedWaterState, OnlyTheDoorHasAPoweredState) {
  // The power bit means nothing to other pieces: they show their unpowered art.
  EXPECT_EQ(shared_picture(913), shared_picture(113));
  EXPECT_EQ(shared_picture(800), 0);
}

}  // namespace
