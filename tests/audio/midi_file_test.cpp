#include "midi_file.h"

#include <gtest/gtest.h>

#include "smf_reader.h"

namespace drippo::soundgen {
namespace {

using audio_testing::read_smf;
using audio_testing::smf_seconds;

struct VlqCase {
  std::uint32_t value;
  std::vector<std::uint8_t> bytes;
};

TEST(VariableLength, EncodesSevenBitsPerByteHighBitOnAllButTheLast) {
  const VlqCase cases[] = {
      {0, {0x00}},
      {0x40, {0x40}},
      {0x7F, {0x7F}},
      {0x80, {0x81, 0x00}},
      {0x2000, {0xC0, 0x00}},
      {0x3FFF, {0xFF, 0x7F}},
      {0x4000, {0x81, 0x80, 0x00}},
      {0x1FFFFF, {0xFF, 0xFF, 0x7F}},
      {0x200000, {0x81, 0x80, 0x80, 0x00}},
      {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}},
  };
  for (const auto& c : cases) EXPECT_EQ(variable_length(c.value), c.bytes) << std::hex << c.value;
}

// A note that sounds, as read back: channel, pitch, start and end ticks.
struct Sounding {
  int channel, pitch;
  std::uint32_t start, end;
  bool operator==(const Sounding&) const = default;
};

std::vector<Sounding> notes_of(const audio_testing::SmfTrack& track) {
  std::vector<Sounding> out;
  std::vector<std::size_t> open;
  for (const auto& e : track.events) {
    const int kind = e.status & 0xF0;
    if (kind == 0x90 && e.data[1] > 0) {
      open.push_back(out.size());
      out.push_back({e.status & 0x0F, e.data[0], e.tick, 0});
    } else if (kind == 0x80 || (kind == 0x90 && e.data[1] == 0)) {
      for (auto it = open.begin(); it != open.end(); ++it) {
        Sounding& n = out[*it];
        if (n.channel == (e.status & 0x0F) && n.pitch == e.data[0]) {
          n.end = e.tick;
          open.erase(it);
          break;
        }
      }
    }
  }
  return out;
}

TEST(SmfBytes, WritesAFormatOneHeaderAndOneChunkPerTrack) {
  MidiTrack conductor;
  conductor.tempo(0, 100);
  MidiTrack notes;
  notes.note(2, 0, 480, 60, 100);
  const auto smf = read_smf(smf_bytes({conductor, notes, MidiTrack{}}));
  EXPECT_EQ(smf.format, 1);
  EXPECT_EQ(smf.declared_tracks, 3);
  EXPECT_EQ(smf.division, ticks_per_quarter);
  ASSERT_EQ(smf.tracks.size(), 3u);
  EXPECT_EQ(smf.trailing_bytes, 0u);
  EXPECT_EQ(smf.tracks[2].events.size(), 1u) << "an empty track still ends";
  EXPECT_EQ(smf.tracks[0].events[0].data, (std::vector<std::uint8_t>{0x09, 0x27, 0xC0}))
      << "600000 microseconds a quarter at 100 a minute";
}

TEST(SmfBytes, ARepeatedNoteIsNotCutByTheEndOfTheOneBefore) {
  MidiTrack t;
  t.note(0, 480, 960, 64, 90);  // added first, written second
  t.note(0, 0, 480, 64, 90);
  const auto smf = read_smf(smf_bytes({t}));
  const auto notes = notes_of(smf.tracks[0]);
  EXPECT_EQ(notes, (std::vector<Sounding>{{0, 64, 0, 480}, {0, 64, 480, 960}}));
}

TEST(SmfBytes, RunningStatusReadsBackToTheSameEvents) {
  MidiTrack t;
  t.program(3, 33);
  for (int i = 0; i < 4; ++i) t.note(3, 100u * i, 100u * i + 90, 40 + i, 80);
  t.control(500, 3, 7, 100);
  t.note(9, 600, 660, 36, 127);
  const auto bytes = smf_bytes({t});
  const auto smf = read_smf(bytes);
  std::vector<Sounding> expected;
  for (int i = 0; i < 4; ++i) expected.push_back({3, 40 + i, 100u * i, 100u * i + 90});
  expected.push_back({9, 36, 600, 660});
  EXPECT_EQ(notes_of(smf.tracks[0]), expected);
  // 8 note events of channel 4 share one status byte: 14 header, 8 chunk head,
  // program 3, 8 events of at most 4 bytes less 7 statuses, control 4, drum
  // pair 7, end 4.
  EXPECT_LE(bytes.size(), 14u + 8 + 3 + 8 * 4 - 7 + 4 + 7 + 4);
}

TEST(SmfBytes, TempoChangesSetTheDuration) {
  MidiTrack conductor;
  conductor.tempo(0, 120);   // 480 ticks = 0.5 s
  conductor.tempo(960, 60);  // 480 ticks = 1 s
  MidiTrack notes;
  notes.note(0, 0, 1920, 60, 100);
  const auto smf = read_smf(smf_bytes({conductor, notes}));
  EXPECT_DOUBLE_EQ(smf_seconds(smf), 1.0 + 2.0);
}

TEST(SmfReader, RejectsTornFiles) {
  MidiTrack t;
  t.note(0, 0, 480, 60, 100);
  const auto good = smf_bytes({t});
  auto cut = good;
  cut.resize(cut.size() - 3);
  EXPECT_THROW(read_smf(cut), std::runtime_error);
  auto long_length = good;
  long_length[14 + 7] += 1;  // the track claims one byte more
  EXPECT_THROW(read_smf(long_length), std::runtime_error);
  auto no_header = good;
  no_header[0] = 'X';
  EXPECT_THROW(read_smf(no_header), std::runtime_error);
}

}  // namespace
}  // namespace drippo::soundgen
