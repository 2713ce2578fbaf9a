#include <algorithm>
#include <cstdlib>
#include <map>

#include "harmony.h"
#include "plan.h"

namespace drippo::soundgen {

namespace {

// A theme's material: three bar rhythms with the steps between their notes,
// and the rhythms of its two cadences. Bars 1, 2 and 3 of each four-bar
// phrase replay it on the chords of the moment; bar 4 closes.
struct Motif {
  std::size_t rhythm[3] = {0, 0, 0};
  std::vector<int> steps[3];
  std::size_t half = 0, close = 0;
};

struct MelodyNote {
  int bar = 0;
  Hit hit;
  int index = 0;  // scale index
  Chord chord;
};

int onsets(const std::string& pattern) { return static_cast<int>(read_pattern(pattern).size()); }

// Mostly steps, some leaps; a leap is followed by a step back, as singers do.
std::vector<int> draw_steps(int count, Rng& rng) {
  static constexpr int table[] = {-1, -1, -1, 1, 1, 1, -2, 2, 2, 0, -3, 3, 4, -4, -1, 1};
  std::vector<int> out;
  int previous = 0;
  for (int i = 0; i < count; ++i) {
    int step = table[rng.below(static_cast<int>(std::size(table)))];
    if (std::abs(previous) >= 3) step = previous > 0 ? -1 : 1;
    out.push_back(step);
    previous = step;
  }
  return out;
}

Motif make_motif(const Style& style, Rng& rng) {
  Motif m;
  const int n = static_cast<int>(style.rhythms.size());
  const int first = rng.below(n);
  for (int i = 0; i < 3; ++i) {
    // Three different bars when there are enough to choose from.
    m.rhythm[i] = static_cast<std::size_t>((first + i * (1 + rng.below(std::max(1, n - 1)))) % n);
    if (i == 2 && m.rhythm[2] == m.rhythm[1])
      m.rhythm[2] = (m.rhythm[2] + 1) % static_cast<std::size_t>(n);
    m.steps[i] = draw_steps(onsets(style.rhythms[m.rhythm[i]]), rng);
  }
  m.half = static_cast<std::size_t>(rng.below(static_cast<int>(style.half_cadences.size())));
  m.close = static_cast<std::size_t>(rng.below(static_cast<int>(style.cadences.size())));
  return m;
}

bool on_beat(const Style& style, int step) {
  return step % std::max(1, style.steps / style.beats_per_bar) == 0;
}

// A theme bar: each note moves by its step from the one before, kept in range,
// and lands on a chord tone on the beats and when long.
void theme_bar(const Style& style, const BarPlan& bar, int b, const std::string& pattern,
               const std::vector<int>& steps, bool anchored, int anchor, int& previous,
               std::vector<MelodyNote>& out) {
  const int beat = std::max(1, style.steps / style.beats_per_bar);
  const auto hits = read_pattern(pattern);
  for (std::size_t j = 0; j < hits.size(); ++j) {
    const Hit& hit = hits[j];
    const Chord chord = chord_at(bar, hit.step, style.steps);
    const int step = steps[j % steps.size()];
    int index = (j == 0 && anchored) ? anchor : previous + step;
    if (index > style.melody_high || index < style.melody_low) index = previous - step;
    index = std::clamp(index, style.melody_low, style.melody_high);
    if (on_beat(style, hit.step) || hit.length >= beat || clashes(style, chord, index)) {
      // Snapped the way the tune was going, and never back onto the note it left.
      const int direction = index >= previous ? 1 : -1;
      index = nearest_chord_index(style, chord, index, false, direction);
      if (index == previous && step != 0 && !(j == 0 && anchored)) {
        do index += direction;
        while (!in_chord(style, chord, index));
      }
      if (index > style.melody_high || index < style.melody_low) {
        index = nearest_chord_index(style, chord,
                                    std::clamp(index, style.melody_low, style.melody_high), false,
                                    -direction);
      }
    }
    out.push_back({b, hit, index, chord});
    previous = index;
  }
}

// A closing bar: a stepwise run onto a chord tone, the root at a section's end.
void cadence_bar(const Style& style, const BarPlan& bar, int b, const std::string& pattern,
                 bool final, int& previous, std::vector<MelodyNote>& out) {
  const auto hits = read_pattern(pattern);
  const Chord chord = chord_at(bar, hits.back().step, style.steps);
  int target = nearest_chord_index(style, chord, previous, final);
  if (target > style.melody_high) target -= 7;
  if (target < style.melody_low) target += 7;
  const int direction = previous >= target ? 1 : -1;
  const int m = static_cast<int>(hits.size());
  for (int j = 0; j < m; ++j) {
    const Hit& hit = hits[static_cast<std::size_t>(j)];
    const int index =
        std::clamp(target + (m - 1 - j) * direction, style.melody_low, style.melody_high);
    out.push_back({b, hit, index, chord_at(bar, hit.step, style.steps)});
  }
  previous = target;
}

// Long notes end with a neighbour note leading on: heard on the later rounds.
std::vector<MelodyNote> ornamented(const Style& style, const std::vector<MelodyNote>& notes) {
  const int threshold = std::max(2, 3 * style.steps / style.beats_per_bar / 2);
  std::vector<MelodyNote> out;
  for (std::size_t i = 0; i < notes.size(); ++i) {
    MelodyNote n = notes[i];
    if (n.hit.length < threshold || i + 1 == notes.size()) {
      out.push_back(n);
      continue;
    }
    const int next = notes[i + 1].index;
    MelodyNote neighbour = n;
    n.hit.length -= 1;
    neighbour.hit.step = n.hit.step + n.hit.length;
    neighbour.hit.length = 1;
    neighbour.index = next > n.index ? next - 1 : next + 1;
    if (neighbour.index == n.index) neighbour.index = next;
    neighbour.index = std::clamp(neighbour.index, style.melody_low, style.melody_high);
    out.push_back(n);
    out.push_back(neighbour);
  }
  return out;
}

// A diatonic third below, or the chord tone under the tune on the beats.
int harmony_index(const Style& style, const MelodyNote& n) {
  if (!on_beat(style, n.hit.step)) return n.index - 2;
  for (int below = 2; below <= 4; ++below) {
    if (nearest_chord_index(style, n.chord, n.index - below) == n.index - below)
      return n.index - below;
  }
  return n.index - 2;
}

}  // namespace

void play_melody(const Style& style, const Plan& plan, MidiTrack& lead, MidiTrack& second,
                 Rng& rng) {
  const Timing timing(style);
  std::map<char, Motif> motifs;
  for (const char section : {'A', 'B', 'C'}) motifs[section] = make_motif(style, rng);

  const int center = (style.melody_low + style.melody_high + 1) / 2;
  int previous = center;
  int anchor = center;
  std::vector<MelodyNote> section_notes;
  for (int b = 0; b < static_cast<int>(plan.size()); ++b) {
    const BarPlan& bar = plan[static_cast<std::size_t>(b)];
    if (bar.section == 'I') continue;
    if (bar.section == 'O') {
      const int tonic = nearest_chord_index(style, I, previous, true);
      const std::uint32_t start = timing.at(b, 0, 1);
      lead.note(channel::lead, start, start + timing.bar_ticks() * 3 / 2, scale_pitch(style, tonic),
                100);
      continue;
    }
    const Motif& motif = motifs[bar.section];
    const int position = bar.index % 4;
    if (bar.index == 0) anchor = nearest_chord_index(style, bar.chords.front(), center);
    if (position == 3 || bar.last_of_section()) {
      const std::string& pattern =
          bar.last_of_section() ? style.cadences[motif.close] : style.half_cadences[motif.half];
      cadence_bar(style, bar, b, pattern, bar.last_of_section(), previous, section_notes);
    } else {
      // Bars 1 and 2 state the motif, bar 3 varies it; each phrase starts near where the first did.
      const bool varied = position == 2 && ((bar.index / 4) % 2 == 1 || bar.variation % 2 == 1);
      const std::size_t which = position == 1 ? 1 : varied ? 2 : 0;
      const int start = nearest_chord_index(style, bar.chords.front(), anchor);
      theme_bar(style, bar, b, style.rhythms[motif.rhythm[which]], motif.steps[which],
                position == 0, start, previous, section_notes);
    }
    if (!bar.last_of_section()) continue;

    // The section is written out whole, so that variations can see the next note.
    const auto notes = bar.variation >= 2 ? ornamented(style, section_notes) : section_notes;
    const bool on_second = bar.section == 'B';
    const bool harmony = bar.section == 'A' && bar.variation % 2 == 1;
    for (const MelodyNote& n : notes) {
      const std::uint32_t start = timing.at(n.bar, n.hit.step, style.steps);
      const std::uint32_t full = timing.at(n.bar, n.hit.step + n.hit.length, style.steps);
      const std::uint32_t end = start + (full - start) * 92 / 100;
      const int velocity = accent(style, n.hit.step, style.steps, 92, rng);
      MidiTrack& voice = on_second ? second : lead;
      voice.note(on_second ? channel::second : channel::lead, start, end,
                 scale_pitch(style, n.index), velocity);
      if (harmony) {
        second.note(channel::second, start, end, scale_pitch(style, harmony_index(style, n)),
                    velocity - 22);
      }
    }
    section_notes.clear();
  }
}

}  // namespace drippo::soundgen
