#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "ui/art/art_book.h"

namespace {

using drippo::ui::shared_picture;
using drippo::ui::shared_water_state;

struct Copy {
  int destination;
  int source;
};

// The picture bank's copies, destination ← source, row by row.
// clang-format off
const Copy kCopies[] = {
    // diagonal right
    {202, 2}, {302, 102}, {502, 102}, {702, 102}, {602, 402},
    // diagonal left
    {403, 3}, {603, 203}, {303, 103}, {503, 103}, {703, 103},
    // flat platform
    {301, 101}, {501, 101}, {701, 101}, {401, 201}, {601, 201},
    // mill
    {313, 113}, {513, 113}, {713, 113}, {213, 13}, {413, 13}, {613, 13},
    // right curve
    {104, 4}, {404, 4}, {504, 4},
    // horizontal pipe
    {311, 111}, {511, 111}, {711, 111}, {211, 11}, {411, 11}, {611, 11},
    // left curve
    {105, 5}, {205, 5}, {305, 5},
    // right curve and right junction
    {304, 204}, {604, 204}, {704, 204}, {209, 204}, {309, 204}, {609, 204}, {709, 204},
    // left curve and left junction
    {505, 405}, {605, 405}, {705, 405}, {410, 405}, {510, 405}, {610, 405}, {710, 405},
    // right junction
    {109, 9}, {409, 9}, {509, 9},
    // left junction
    {110, 10}, {210, 10}, {310, 10},
    // electric door, closed
    {414, 214}, {614, 214}, {514, 314}, {714, 314},
};
// clang-format on

// The rows written as rules: pieces that never show water, and the goals,
// sponge and cat, which show only falling water.
std::vector<Copy> all_copies() {
  std::vector<Copy> copies(std::begin(kCopies), std::end(kCopies));
  for (int p : {6, 7, 8, 12, 20})
    for (int w = 1; w <= 7; ++w) copies.push_back({100 * w + p, p});
  for (int p = 15; p <= 19; ++p) {
    for (int w : {2, 4, 6}) copies.push_back({100 * w + p, p});
    for (int w : {3, 5, 7}) copies.push_back({100 * w + p, 100 + p});
  }
  return copies;
}

std::vector<int> every_picture_index() {
  std::vector<int> codes;
  for (int p = 0; p <= 20; ++p)
    for (int w = 0; w < (p == 14 ? 16 : 8); ++w) codes.push_back(100 * w + p);
  return codes;
}

TEST(SharedWaterState, EveryCopyShowsItsSource) {
  for (const Copy& c : all_copies()) {
    EXPECT_EQ(shared_picture(c.destination), c.source) << "picture " << c.destination;
    EXPECT_EQ(shared_water_state(c.destination % 100, c.destination / 100), c.source / 100)
        << "picture " << c.destination;
  }
}

TEST(SharedWaterState, SourcesAreNeverThemselvesCopies) {
  for (const Copy& c : all_copies()) EXPECT_EQ(shared_picture(c.source), c.source) << c.source;
}

TEST(SharedWaterState, PicturesOutsideTheTableHaveTheirOwnArt) {
  std::set<int> copied;
  for (const Copy& c : all_copies()) copied.insert(c.destination);
  int own = 0;
  for (int code : every_picture_index()) {
    if (copied.count(code)) continue;
    ++own;
    EXPECT_EQ(shared_picture(code), code) << "picture " << code;
    EXPECT_EQ(shared_water_state(code % 100, code / 100), code / 100) << "picture " << code;
  }
  // 21 dry pieces, the empty cell's 7 wet states, 10 of the platforms,
  // curves, pipe and mill, 5 falling states of the goals, sponge and cat, and
  // the door's 3 closed wet states and 8 open ones.
  EXPECT_EQ(own, 21 + 7 + 10 + 5 + 3 + 8);
}

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
