#pragma once

#include <vector>

#include "midi_file.h"
#include "style.h"

namespace drippo::soundgen {

// The bars of a tune: an intro, the A theme, again with a harmony, B, A once
// more, then C, A, B, A... until the tune lasts at least min_seconds, and a
// closing chord.
struct Form {
  std::vector<char> sections;  // I A B C O, in order
};
Form make_form(const Style& style, double min_seconds);

// A format 1 tune: a conductor track (name, metre, key, tempo and the
// slowing down at the end), then lead, second voice, chords, bass, counter
// voice and drums on channel 10.
std::vector<MidiTrack> compose(const Style& style, double min_seconds = 64);

}  // namespace drippo::soundgen
