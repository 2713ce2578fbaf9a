#pragma once

#include <array>
#include <string>
#include <vector>

namespace drippo::soundgen {

// A chord by the scale degree of its root (0 = the tonic). Dominant chords
// are major with a minor seventh whatever the scale says, so that a tune
// can lean on the next chord (II7 before V, VI7 before ii).
struct Chord {
  int degree = 0;
  bool dominant = false;
};

inline constexpr Chord I{0}, ii{1}, iii{2}, IV{3}, V{4}, vi{5};
inline constexpr Chord I7{0, true}, II7{1, true}, III7{2, true}, IV7{3, true}, V7{4, true},
    VI7{5, true};

// A bar of harmony: one chord, or two sharing the bar.
using BarChords = std::vector<Chord>;
using Progression = std::vector<BarChords>;

// A line of drums on the drum grid: X accent, x hit, o soft, . nothing.
struct DrumLine {
  int note = 0;  // General MIDI percussion key
  std::string hits;
};
using Groove = std::vector<DrumLine>;

struct Programs {
  int lead = 0, second = 0, chords = 0, bass = 0, counter = 0;  // General MIDI, from 0
};

// Everything that makes one tune unlike another. Patterns are one character per
// grid step of a bar: rhythms use x (a note starts), . (it goes on), - (rest);
// bass lines use R 3 5 6 7 8 (root, third, fifth, sixth, seventh, octave of the
// chord), a and b (a half step below, a whole step above the next bar's root).
struct Style {
  std::string title;
  unsigned seed = 1;
  int time_numerator = 4;  // as written: 4/4, 3/4, 6/8
  int time_denominator = 4;
  int beats_per_bar = 4;  // felt beats: 2 in 6/8
  int beat_ticks = 480;   // a quarter, or a dotted quarter in 6/8
  double beat_bpm = 120;
  bool swing = false;  // off-beat eighths late, as triplets
  int tonic = 72;      // MIDI note of the melody's scale index 0
  int key_sharps = 0;  // for the key signature; flats negative
  std::array<int, 7> scale{0, 2, 4, 5, 7, 9, 11};
  int melody_low = -3, melody_high = 7;    // scale indexes the melody stays in
  int steps = 8;                           // grid of melody, bass, chords and counter
  std::vector<std::string> rhythms;        // melody bars
  std::vector<std::string> half_cadences;  // melody bars closing a phrase halfway
  std::vector<std::string> cadences;       // melody bars closing a section
  Progression a, b, c;
  std::vector<std::string> bass, bass_turn;  // bass bars in turn; the last bar of a section
  std::vector<std::string> comp;             // chord hits, bars in turn
  std::string counter;                       // arpeggio rhythm of the counter voice
  double comp_legato = 0.8;
  int chord_low = 55, bass_low = 40, counter_low = 72;
  bool sevenths = false;  // chords voiced with their diatonic seventh
  Programs programs;
  int drum_steps = 16;
  Groove groove, light, fill;
};

}  // namespace drippo::soundgen
