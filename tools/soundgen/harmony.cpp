#include "harmony.h"

#include <algorithm>

namespace drippo::soundgen {

namespace {

int mod(int a, int n) { return ((a % n) + n) % n; }

int tonic_class(const Style& style) { return mod(style.tonic, 12); }

}  // namespace

int chord_root(const Style& style, Chord chord) {
  return style.scale[static_cast<std::size_t>(mod(chord.degree, 7))];
}

std::vector<int> chord_tones(const Style& style, Chord chord, bool seventh) {
  const int root = chord_root(style, chord);
  if (chord.dominant) return {root, mod(root + 4, 12), mod(root + 7, 12), mod(root + 10, 12)};
  std::vector<int> tones;
  for (int step = 0; step <= (seventh ? 6 : 4); step += 2) {
    tones.push_back(style.scale[static_cast<std::size_t>(mod(chord.degree + step, 7))]);
  }
  return tones;
}

int scale_pitch(const Style& style, int index) {
  const int octave = index >= 0 ? index / 7 : -((-index + 6) / 7);
  return style.tonic + 12 * octave + style.scale[static_cast<std::size_t>(mod(index, 7))];
}

bool in_chord(const Style& style, Chord chord, int index) {
  const auto tones = chord_tones(style, chord, false);
  const int pc = mod(scale_pitch(style, index) - style.tonic, 12);
  return std::find(tones.begin(), tones.end(), pc) != tones.end();
}

int nearest_chord_index(const Style& style, Chord chord, int near, bool root_only, int prefer) {
  const int root = chord_root(style, chord);
  const auto fits = [&](int index) {
    if (root_only) return mod(scale_pitch(style, index) - style.tonic, 12) == root;
    return in_chord(style, chord, index);
  };
  const int first = prefer >= 0 ? 1 : -1;
  for (int distance = 0; distance < 7; ++distance) {
    if (fits(near + first * distance)) return near + first * distance;
    if (fits(near - first * distance)) return near - first * distance;
  }
  return near;  // a chord with no tone in the scale: keep the note
}

bool clashes(const Style& style, Chord chord, int index) {
  const int pc = mod(scale_pitch(style, index) - style.tonic, 12);
  for (const int tone : chord_tones(style, chord, false)) {
    const bool in_scale =
        std::find(style.scale.begin(), style.scale.end(), tone) != style.scale.end();
    if (!in_scale && (mod(pc - tone, 12) == 1 || mod(tone - pc, 12) == 1)) return true;
  }
  return false;
}

std::vector<int> voicing(const Style& style, Chord chord, int low) {
  std::vector<int> notes;
  for (const int tone : chord_tones(style, chord, style.sevenths)) {
    notes.push_back(low + mod(tonic_class(style) + tone - low, 12));
  }
  std::sort(notes.begin(), notes.end());
  return notes;
}

int bass_interval(const Style& style, Chord chord, char token) {
  const auto tones = chord_tones(style, chord, true);
  const auto above_root = [&](std::size_t i) { return mod(tones[i] - tones[0], 12); };
  switch (token) {
    case '3': return above_root(1);
    case '5': return above_root(2);
    case '6': {  // the major sixth, unless the scale has the minor one
      const int major_sixth = mod(tones[0] + 9, 12);
      const bool in_scale =
          std::find(style.scale.begin(), style.scale.end(), major_sixth) != style.scale.end();
      return in_scale ? 9 : 8;
    }
    case '7': return above_root(3);
    case '8': return 12;
    default: return 0;
  }
}

}  // namespace drippo::soundgen
