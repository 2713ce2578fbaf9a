#include "audio/music_list.h"

#include <gtest/gtest.h>

#include <deque>

#include "support/temp_folder.h"

namespace drippo {
namespace {

using testing_support::TempFolder;
using testing_support::put_file;

// A source that returns the given numbers in turn and counts what it gave.
struct Scripted {
  std::deque<double> values;
  int drawn = 0;
  RandomSource source() {
    return [this] {
      ++drawn;
      const double v = values.front();
      values.pop_front();
      return v;
    };
  }
};

struct DrawCase {
  const char* what;
  int n;
  int last;
  std::vector<double> draws;
  int expected;
  int draws_used;
};

TEST(DrawTrack, FollowsTheTableOfCases) {
  const DrawCase cases[] = {
      {"no file: nothing to play", 0, 0, {}, -1, 0},
      {"one file plays again, without drawing", 1, 0, {}, 0, 0},
      {"floor of r times n", 3, 0, {0.5}, 1, 1},
      {"the top of the range", 3, 0, {0.999}, 2, 1},
      {"the last file's index is drawn again", 3, 1, {0.4, 0.5, 0.7}, 2, 3},
      {"a last index past the list never matches", 2, 5, {0.1}, 0, 1},
      {"a source outside [0,1) is kept in range", 3, 0, {1.7}, 2, 1},
      {"negative numbers too", 3, 2, {-0.5}, 0, 1},
  };
  for (const auto& c : cases) {
    Scripted s{{c.draws.begin(), c.draws.end()}};
    EXPECT_EQ(draw_track(c.n, c.last, s.source()), c.expected) << c.what;
    EXPECT_EQ(s.drawn, c.draws_used) << c.what;
  }
}

TEST(DrawTrack, ASourceStuckOnTheLastFileDoesNotHang) {
  const RandomSource stuck = [] { return 0.0; };
  EXPECT_EQ(draw_track(3, 0, stuck), 1);
}

TEST(SeededRandom, StaysInTheUnitIntervalAndRepeatsForOneSeed) {
  const RandomSource a = seeded_random(7);
  const RandomSource b = seeded_random(7);
  const RandomSource c = seeded_random(8);
  int differs = 0;
  for (int i = 0; i < 1000; ++i) {
    const double x = a();
    ASSERT_GE(x, 0.0);
    ASSERT_LT(x, 1.0);
    EXPECT_EQ(x, b());
    if (x != c()) ++differs;
  }
  EXPECT_GT(differs, 990);
}

TEST(MusicFiles, AreSortedByNameWithoutHiddenFilesOrFolders) {
  TempFolder dir;
  for (const char* name : {"zebra.mid", "alpha.mid", "Mango.mid", ".shipped", "beta.txt"}) {
    put_file(dir / name, {1, 2, 3});
  }
  std::filesystem::create_directories(dir / "folder.mid");
  std::vector<std::string> names;
  for (const auto& p : music_files(dir.path())) names.push_back(p.filename().string());
  EXPECT_EQ(names, (std::vector<std::string>{"Mango.mid", "alpha.mid", "beta.txt", "zebra.mid"}));
}

TEST(MusicFiles, AMissingFolderListsNothing) {
  TempFolder dir;
  EXPECT_TRUE(music_files(dir / "no such folder").empty());
  put_file(dir / "a file", {1});
  EXPECT_TRUE(music_files(dir / "a file").empty());
}

}  // namespace
}  // namespace drippo
