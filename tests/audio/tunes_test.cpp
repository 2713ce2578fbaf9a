#include "tunes.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "composer.h"
#include "generator.h"
#include "harmony.h"
#include "smf_reader.h"
#include "temp_dir.h"

namespace drippo::soundgen {
namespace {

using audio_testing::read_bytes;
using audio_testing::read_smf;
using audio_testing::Smf;
using audio_testing::smf_seconds;

constexpr int drum_channel = 9;

std::map<int, int> notes_per_channel(const Smf& smf) {
  std::map<int, int> count;
  for (const auto& t : smf.tracks) {
    for (const auto& e : t.events) {
      if ((e.status & 0xF0) == 0x90 && e.data[1] > 0) ++count[e.status & 0x0F];
    }
  }
  return count;
}

TEST(Tunes, AtLeastFiveWithDistinctNames) {
  const auto tunes = all_tunes();
  EXPECT_GE(tunes.size(), 5u);
  std::set<std::string> names;
  for (const auto& s : tunes) names.insert(s.title);
  EXPECT_EQ(names.size(), tunes.size());
}

TEST(Tunes, AreValidFormatOneFilesOfAtLeastAMinuteWithDrumsOnChannelTen) {
  for (const Style& s : all_tunes()) {
    const auto bytes = tune_file(s);
    Smf smf;
    ASSERT_NO_THROW(smf = read_smf(bytes)) << s.title;
    EXPECT_EQ(smf.format, 1) << s.title;
    EXPECT_EQ(smf.declared_tracks, static_cast<int>(smf.tracks.size())) << s.title;
    EXPECT_EQ(smf.trailing_bytes, 0u) << s.title;
    EXPECT_GE(smf_seconds(smf), 60.0) << s.title;
    EXPECT_LT(bytes.size(), 24'000u) << s.title;

    const auto counts = notes_per_channel(smf);
    EXPECT_GE(counts.size(), 5u) << s.title << ": melody, second voice, chords, bass, drums";
    EXPECT_GT(counts.count(drum_channel) ? counts.at(drum_channel) : 0, 100) << s.title;

    // Every pitched channel chooses its instrument before its first note.
    std::map<int, std::uint32_t> program_at;
    std::map<int, std::uint32_t> first_note;
    for (const auto& t : smf.tracks) {
      for (const auto& e : t.events) {
        const int ch = e.status & 0x0F;
        if ((e.status & 0xF0) == 0xC0 && !program_at.count(ch)) program_at[ch] = e.tick;
        if ((e.status & 0xF0) == 0x90 && !first_note.count(ch)) first_note[ch] = e.tick;
      }
    }
    for (const auto& [ch, tick] : first_note) {
      if (ch == drum_channel) continue;
      ASSERT_TRUE(program_at.count(ch)) << s.title << " channel " << ch;
      EXPECT_LE(program_at[ch], tick) << s.title << " channel " << ch;
    }
  }
}

TEST(Tunes, EveryNoteThatStartsAlsoStops) {
  for (const Style& s : all_tunes()) {
    const auto smf = read_smf(tune_file(s));
    for (const auto& t : smf.tracks) {
      std::map<std::pair<int, int>, int> sounding;
      for (const auto& e : t.events) {
        const int kind = e.status & 0xF0;
        if (kind != 0x90 && kind != 0x80) continue;
        const std::pair<int, int> key{e.status & 0x0F, e.data[0]};
        if (kind == 0x90 && e.data[1] > 0) {
          EXPECT_EQ(sounding[key], 0)
              << s.title << ": pitch " << key.second << " struck while it sounds";
          ++sounding[key];
        } else {
          --sounding[key];
        }
      }
      for (const auto& [key, n] : sounding) EXPECT_EQ(n, 0) << s.title << " pitch " << key.second;
    }
  }
}

TEST(Tunes, TheMelodyStaysInItsScaleAndRangeAndEndsOnTheTonic) {
  for (const Style& s : all_tunes()) {
    const auto tracks = compose(s);
    const auto smf = read_smf(smf_bytes(tracks));
    std::set<int> scale;
    for (const int step : s.scale) scale.insert((s.tonic + step) % 12);
    const int low = scale_pitch(s, s.melody_low);
    const int high = scale_pitch(s, s.melody_high);
    int last_pitch = -1;
    std::uint32_t last_tick = 0;
    for (const auto& t : smf.tracks) {
      for (const auto& e : t.events) {
        if ((e.status & 0xF0) != 0x90 || e.data[1] == 0) continue;
        const int ch = e.status & 0x0F;
        if (ch != 0 && ch != 1) continue;  // the lead and the second voice carry the tune
        EXPECT_TRUE(scale.count(e.data[0] % 12))
            << s.title << ": pitch " << int(e.data[0]) << " at " << e.tick;
        if (ch == 0) {
          EXPECT_GE(e.data[0], low - 2) << s.title;
          EXPECT_LE(e.data[0], high + 2) << s.title;
          if (e.tick >= last_tick) {
            last_tick = e.tick;
            last_pitch = e.data[0];
          }
        }
      }
    }
    EXPECT_EQ(last_pitch % 12, s.tonic % 12) << s.title;
  }
}

TEST(Tunes, ALongerWishMakesALongerTune) {
  const Style waltz = all_tunes()[2];
  const double short_one = smf_seconds(read_smf(smf_bytes(compose(waltz, 30))));
  const double long_one = smf_seconds(read_smf(smf_bytes(compose(waltz, 120))));
  EXPECT_GE(short_one, 30);
  EXPECT_GE(long_one, 120);
  EXPECT_GT(long_one, short_one + 60);
}

TEST(ShippedTunes, AreWhatTheGeneratorMakesToday) {
  const auto shipped = std::filesystem::path(DRIPPO_ASSETS) / "mid";
  for (const Style& s : all_tunes()) {
    const auto file = shipped / (s.title + ".mid");
    ASSERT_TRUE(std::filesystem::exists(file)) << file;
    EXPECT_EQ(read_bytes(file), tune_file(s)) << file << " is stale: run drippo-soundgen assets";
  }
}

}  // namespace
}  // namespace drippo::soundgen
