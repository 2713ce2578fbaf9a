#include "harmony.h"

#include <gtest/gtest.h>

#include "plan.h"

namespace drippo::soundgen {
namespace {

Style c_major() {
  Style s;
  s.tonic = 72;
  return s;
}

TEST(Harmony, ScaleIndexesClimbAndFallThroughOctaves) {
  const Style s = c_major();
  const std::pair<int, int> cases[] = {{0, 72},  {2, 76},  {6, 83},  {7, 84},
                                       {-1, 71}, {-7, 60}, {-8, 59}, {9, 88}};
  for (const auto& [index, pitch] : cases) EXPECT_EQ(scale_pitch(s, index), pitch) << index;
}

TEST(Harmony, DiatonicAndDominantChords) {
  const Style s = c_major();
  EXPECT_EQ(chord_tones(s, I, false), (std::vector<int>{0, 4, 7}));
  EXPECT_EQ(chord_tones(s, ii, false), (std::vector<int>{2, 5, 9}));
  EXPECT_EQ(chord_tones(s, V, true), (std::vector<int>{7, 11, 2, 5}));
  EXPECT_EQ(chord_tones(s, II7, false), (std::vector<int>{2, 6, 9, 0})) << "D7 has F sharp";
  Style mixolydian = c_major();
  mixolydian.scale = {0, 2, 4, 5, 7, 9, 10};
  EXPECT_EQ(chord_tones(mixolydian, I, true), (std::vector<int>{0, 4, 7, 10}));
}

TEST(Harmony, NearestChordToneGoesTheWayAsked) {
  const Style s = c_major();
  EXPECT_EQ(nearest_chord_index(s, I, 2), 2) << "E is in C";
  EXPECT_EQ(nearest_chord_index(s, I, 3, false, -1), 2) << "F falls to E";
  EXPECT_EQ(nearest_chord_index(s, I, 3, false, +1), 4) << "or rises to G";
  EXPECT_EQ(nearest_chord_index(s, V, 3, true), 4) << "the root of G";
  EXPECT_EQ(nearest_chord_index(s, I, 5, true), 7) << "the C above A";
  EXPECT_TRUE(in_chord(s, vi, 5));
  EXPECT_FALSE(in_chord(s, vi, 6));
}

TEST(Harmony, ANoteAHalfStepFromAForeignChordToneClashes) {
  const Style s = c_major();
  EXPECT_TRUE(clashes(s, II7, 3)) << "F against F sharp";
  EXPECT_TRUE(clashes(s, II7, 4)) << "G against F sharp";
  EXPECT_FALSE(clashes(s, II7, 1)) << "D is the root";
  EXPECT_FALSE(clashes(s, V7, 3)) << "every tone of G7 is in C major";
}

TEST(Harmony, VoicingsLieInTheOctaveAboveTheirFloor) {
  const Style s = c_major();
  for (const Chord c : {I, ii, iii, IV, V, vi, V7, II7}) {
    const auto notes = voicing(s, c, 55);
    for (const int n : notes) {
      EXPECT_GE(n, 55);
      EXPECT_LT(n, 67);
    }
    EXPECT_TRUE(std::is_sorted(notes.begin(), notes.end()));
  }
}

TEST(Harmony, BassTokensNameIntervalsOfTheChord) {
  const Style s = c_major();
  EXPECT_EQ(bass_interval(s, I, 'R'), 0);
  EXPECT_EQ(bass_interval(s, I, '3'), 4);
  EXPECT_EQ(bass_interval(s, vi, '3'), 3);
  EXPECT_EQ(bass_interval(s, I, '5'), 7);
  EXPECT_EQ(bass_interval(s, V7, '7'), 10);
  EXPECT_EQ(bass_interval(s, I, '7'), 11) << "C major seven";
  EXPECT_EQ(bass_interval(s, I, '6'), 9);
  EXPECT_EQ(bass_interval(s, iii, '6'), 8) << "C, not C sharp, over E minor";
  EXPECT_EQ(bass_interval(s, I, '8'), 12);
}

TEST(Patterns, ReadNotesWithTheirHeldSteps) {
  const auto hits = read_pattern("x..x-xR.");
  ASSERT_EQ(hits.size(), 4u);
  EXPECT_EQ(hits[0].step, 0);
  EXPECT_EQ(hits[0].length, 3);
  EXPECT_EQ(hits[1].length, 1) << "a rest ends a note";
  EXPECT_EQ(hits[2].step, 5);
  EXPECT_EQ(hits[3].token, 'R');
  EXPECT_EQ(hits[3].length, 2);
  EXPECT_TRUE(read_pattern("--..").empty()) << "dots after a rest hold nothing";
}

TEST(Timing, SwingDelaysOnlyTheOffBeatEighth) {
  Style s = c_major();
  s.swing = true;
  const Timing timing(s);
  EXPECT_EQ(timing.at(0, 1, 8), 320u) << "the third triplet of the beat";
  EXPECT_EQ(timing.at(0, 2, 8), 480u);
  EXPECT_EQ(timing.at(1, 0, 8), 1920u);
  s.swing = false;
  EXPECT_EQ(Timing(s).at(0, 1, 8), 240u);
  Style jig = c_major();
  jig.beats_per_bar = 2;
  jig.beat_ticks = 720;
  EXPECT_EQ(Timing(jig).bar_ticks(), 1440u);
  EXPECT_EQ(Timing(jig).at(2, 3, 6), 2 * 1440u + 720u);
}

}  // namespace
}  // namespace drippo::soundgen
