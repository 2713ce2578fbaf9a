#include "midi_file.h"

#include <gtest/gtest.h>

#include "smf_reader.h"

namespace drippo::soundgen {
namespace {

using audio_testing::read_smf;
using audio_testing::smf_seconds;

TEST(VariableLength, EncodesSevenBitsPerByteHighBitOnAllButTheLast) {
  const std::pair<std::uint32_t, std::vector<std::uint8_t>> cases[] = {
      {0, {0x00}},          {0x7F, {0x7F}}, {0x80, {0x81, 0x00}}, {0x3FFF, {0xFF, 0x7F}}, {0x4000, {0x81, 0x80, 0x00}},
      {0x200000, {0x81, 0x80, 0x80, 0x00}}, {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}},
  };
  for (const auto& [value, bytes] : cases) EXPECT_EQ(variable_length(value), bytes) << std::hex << value;
}

TEST(SmfBytes, WritesAFormatOneHeaderOneChunkPerTrackAndTheTempoChanges) {
  MidiTrack conductor;
  conductor.tempo(0, 120);   // 480 ticks = 0.5 s
  conductor.tempo(960, 60);  // 480 ticks = 1 s
  MidiTrack notes;
  notes.note(2, 0, 1920, 60, 100);
  const auto smf = read_smf(smf_bytes({conductor, notes, MidiTrack{}}));
  EXPECT_EQ(smf.format, 1);
  EXPECT_EQ(smf.declared_tracks, 3);
  EXPECT_EQ(smf.division, ticks_per_quarter);
  ASSERT_EQ(smf.tracks.size(), 3u);
  EXPECT_EQ(smf.trailing_bytes, 0u);
  EXPECT_EQ(smf.tracks[2].events.size(), 1u) << "an empty track still ends";
  EXPECT_EQ(smf.tracks[0].events[1].data, (std::vector<std::uint8_t>{0x0F, 0x42, 0x40}))
      << "1000000 microseconds a quarter at 60 a minute";
  EXPECT_DOUBLE_EQ(smf_seconds(smf), 1.0 + 2.0);
}

TEST(SmfBytes, ARepeatedNoteIsNotCutByTheEndOfTheOneBefore) {
  MidiTrack t;
  t.note(0, 480, 960, 64, 90);  // added first, written second
  t.note(0, 0, 480, 64, 90);
  const auto smf = read_smf(smf_bytes({t}));
  std::vector<std::pair<std::uint32_t, bool>> starts;  // tick, and whether a note starts there
  for (const auto& e : smf.tracks[0].events) {
    if (e.status != 0xFF) starts.emplace_back(e.tick, e.data[1] > 0);
  }
  EXPECT_EQ(starts, (std::vector<std::pair<std::uint32_t, bool>>{{0, true}, {480, false}, {480, true}, {960, false}}));
}

}  // namespace
}  // namespace drippo::soundgen
