// The tunes: what the generator makes, and that the shipped files are it.
#include "tunes.h"

#include <gtest/gtest.h>

#include <map>

#include "generator.h"
#include "smf_reader.h"
#include "support/temp_folder.h"

namespace drippo::soundgen {
namespace {

using testing_support::file_bytes;
using audio_testing::read_smf;
using audio_testing::Smf;
using audio_testing::smf_seconds;

constexpr int drum_channel = 9;

TEST(Tunes, AreFormatOneFilesOfAMinuteWithDrumsOnChannelTenAndEveryNoteEnds) {
  for (const Style& s : all_tunes()) {
    const auto bytes = tune_file(s);
    Smf smf;
    ASSERT_NO_THROW(smf = read_smf(bytes)) << s.title;
    EXPECT_EQ(smf.format, 1) << s.title;
    EXPECT_EQ(smf.declared_tracks, static_cast<int>(smf.tracks.size())) << s.title;
    EXPECT_EQ(smf.trailing_bytes, 0u) << s.title;
    EXPECT_GE(smf_seconds(smf), 60.0) << s.title;
    EXPECT_LT(bytes.size(), 24'000u) << s.title;

    std::map<int, int> notes;  // by channel
    std::map<int, std::uint32_t> program_at;
    for (const auto& t : smf.tracks) {
      std::map<std::pair<int, int>, int> sounding;
      for (const auto& e : t.events) {
        const int kind = e.status & 0xF0;
        const int ch = e.status & 0x0F;
        if (kind == 0xC0 && !program_at.count(ch)) program_at[ch] = e.tick;
        if (kind != 0x90 && kind != 0x80) continue;
        const std::pair<int, int> key{ch, e.data[0]};
        if (kind == 0x90 && e.data[1] > 0) {
          // Every pitched channel chooses its instrument before its first note.
          if (notes[ch]++ == 0 && ch != drum_channel) {
            EXPECT_TRUE(program_at.count(ch) && program_at[ch] <= e.tick) << s.title << " channel " << ch;
          }
          EXPECT_EQ(sounding[key]++, 0) << s.title << ": pitch " << key.second << " struck while it sounds";
        } else {
          --sounding[key];
        }
      }
      for (const auto& [key, n] : sounding) EXPECT_EQ(n, 0) << s.title << " pitch " << key.second;
    }
    EXPECT_GE(notes.size(), 5u) << s.title << ": melody, second voice, chords, bass, drums";
    EXPECT_GT(notes[drum_channel], 100) << s.title;
  }
}

TEST(ShippedTunes, AreWhatTheGeneratorMakesToday) {
  const auto shipped = std::filesystem::path(DRIPPO_ASSETS) / "mid";
  for (const Style& s : all_tunes()) {
    const auto file = shipped / (s.title + ".mid");
    ASSERT_TRUE(std::filesystem::exists(file)) << file;
    EXPECT_EQ(file_bytes(file), tune_file(s)) << file << " is stale: run drippo-soundgen assets";
  }
}

}  // namespace
}  // namespace drippo::soundgen
