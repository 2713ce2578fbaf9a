#pragma once

#include <vector>

#include "style.h"

namespace drippo::soundgen {

// Pitch classes from the scale's tonic, lowest first: root, third, fifth and,
// for dominants or when asked, the seventh.
std::vector<int> chord_tones(const Style& style, Chord chord, bool seventh);

int chord_root(const Style& style, Chord chord);  // pitch class from the tonic

// The MIDI note of a scale index of the melody (0 = style.tonic).
int scale_pitch(const Style& style, int index);

// Whether the note of a scale index belongs to the chord.
bool in_chord(const Style& style, Chord chord, int index);

// The scale index nearest to `near` whose note belongs to the chord; with
// root_only, the chord's root. Ties go the way of `prefer` (+1 up, -1 down).
int nearest_chord_index(const Style& style, Chord chord, int near, bool root_only = false,
                        int prefer = -1);

// Whether a melody note clashes a half step against a chord tone foreign to the scale.
bool clashes(const Style& style, Chord chord, int index);

// The chord's pitch classes laid in the octave from low upwards (close position).
std::vector<int> voicing(const Style& style, Chord chord, int low);

// The interval a bass token names above the chord's root, in semitones.
int bass_interval(const Style& style, Chord chord, char token);

}  // namespace drippo::soundgen
