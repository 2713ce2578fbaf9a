#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "midi_file.h"
#include "style.h"
#include "synth.h"

namespace drippo::soundgen {

// One bar of the tune as the parts see it.
struct BarPlan {
  BarChords chords;
  char section = 'A';  // I intro, A B C the themes, O the closing chord
  int variation = 0;   // how many times this section was heard before
  int index = 0;       // bar within its section
  int length = 1;      // bars in the section
  Chord next = I;      // the chord the next bar starts on
  bool last_of_section() const { return index == length - 1; }
};
using Plan = std::vector<BarPlan>;

namespace channel {
inline constexpr int lead = 0, second = 1, chords = 2, bass = 3, counter = 4, drums = 9;
}

// Ticks of the grid, swing included.
class Timing {
 public:
  explicit Timing(const Style& style) : style_(style) {}
  std::uint32_t bar_ticks() const;
  // The tick of a step of a bar on a grid of `steps` per bar; step may equal
  // steps (the end of the bar).
  std::uint32_t at(int bar, int step, int steps) const;

 private:
  const Style& style_;
};

// A note or a hit read from a pattern: where it starts, how many steps it lasts.
struct Hit {
  int step = 0;
  int length = 1;
  char token = 'x';
};
// Each character that is neither '.' nor '-' starts a hit, held over the dots after it.
std::vector<Hit> read_pattern(const std::string& pattern);

// A loudness for a note starting at this step: firmer on the beats.
int accent(const Style& style, int step, int steps, int base, Rng& rng);

Chord chord_at(const BarPlan& bar, int step, int steps);

void play_bass(const Style& style, const Plan& plan, MidiTrack& track, Rng& rng);
void play_chords(const Style& style, const Plan& plan, MidiTrack& track, Rng& rng);
void play_counter(const Style& style, const Plan& plan, MidiTrack& track, Rng& rng);
void play_drums(const Style& style, const Plan& plan, MidiTrack& track, Rng& rng);
// The tune on the lead, and on the second voice its B theme and harmonies.
void play_melody(const Style& style, const Plan& plan, MidiTrack& lead, MidiTrack& second,
                 Rng& rng);

}  // namespace drippo::soundgen
