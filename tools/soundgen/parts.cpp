#include <algorithm>

#include "harmony.h"
#include "plan.h"

namespace drippo::soundgen {

std::uint32_t Timing::bar_ticks() const {
  return static_cast<std::uint32_t>(style_.beats_per_bar * style_.beat_ticks);
}

std::uint32_t Timing::at(int bar, int step, int steps) const {
  auto within = static_cast<std::uint32_t>(static_cast<long long>(bar_ticks()) * step / steps);
  if (style_.swing) {
    const auto beat = static_cast<std::uint32_t>(style_.beat_ticks);
    if (within % beat == beat / 2) within += beat / 6;  // the off-beat eighth on the third triplet
  }
  return static_cast<std::uint32_t>(bar) * bar_ticks() + within;
}

std::vector<Hit> read_pattern(const std::string& pattern) {
  std::vector<Hit> hits;
  for (int i = 0; i < static_cast<int>(pattern.size()); ++i) {
    const char c = pattern[static_cast<std::size_t>(i)];
    if (c == '.') {
      if (!hits.empty() && hits.back().step + hits.back().length == i) ++hits.back().length;
    } else if (c != '-') {
      hits.push_back({i, 1, c});
    }
  }
  return hits;
}

int accent(const Style& style, int step, int steps, int base, Rng& rng) {
  const int per_beat = std::max(1, steps / style.beats_per_bar);
  int v = base;
  if (step == 0)
    v += 12;
  else if (step % per_beat == 0)
    v += 6;
  return std::clamp(v + rng.below(9) - 4, 1, 127);
}

Chord chord_at(const BarPlan& bar, int step, int steps) {
  const auto n = bar.chords.size();
  return bar.chords[std::min(n - 1,
                             static_cast<std::size_t>(step) * n / static_cast<std::size_t>(steps))];
}

namespace {

int class_above(int low, int pitch_class) { return low + (((pitch_class - low) % 12) + 12) % 12; }

int root_note(const Style& style, Chord chord) {
  return class_above(style.bass_low, style.tonic + chord_root(style, chord));
}

std::uint32_t end_of(const Timing& timing, int bar, const Hit& hit, int steps, double legato) {
  const std::uint32_t start = timing.at(bar, hit.step, steps);
  const std::uint32_t end = timing.at(bar, hit.step + hit.length, steps);
  return start + static_cast<std::uint32_t>((end - start) * legato);
}

// The closing chord rings past its bar while the tempo slows.
std::uint32_t closing_end(const Timing& timing, int bar) {
  return timing.at(bar, 0, 1) + timing.bar_ticks() * 3 / 2;
}

}  // namespace

void play_bass(const Style& style, const Plan& plan, MidiTrack& track, Rng& rng) {
  const Timing timing(style);
  for (int b = 0; b < static_cast<int>(plan.size()); ++b) {
    const BarPlan& bar = plan[static_cast<std::size_t>(b)];
    if (bar.section == 'O') {
      track.note(channel::bass, timing.at(b, 0, 1), closing_end(timing, b),
                 root_note(style, bar.chords.front()), 105);
      continue;
    }
    const auto& bars =
        bar.last_of_section() && !style.bass_turn.empty() ? style.bass_turn : style.bass;
    const std::string& pattern = bars[static_cast<std::size_t>(b) % bars.size()];
    const int steps = static_cast<int>(pattern.size());
    for (const Hit& hit : read_pattern(pattern)) {
      const Chord chord = chord_at(bar, hit.step, steps);
      int pitch = root_note(style, chord) + bass_interval(style, chord, hit.token);
      if (hit.token == 'a') pitch = root_note(style, bar.next) - 1;
      if (hit.token == 'b') pitch = root_note(style, bar.next) + 2;
      track.note(channel::bass, timing.at(b, hit.step, steps), end_of(timing, b, hit, steps, 0.85),
                 pitch, accent(style, hit.step, steps, 88, rng));
    }
  }
}

void play_chords(const Style& style, const Plan& plan, MidiTrack& track, Rng& rng) {
  const Timing timing(style);
  for (int b = 0; b < static_cast<int>(plan.size()); ++b) {
    const BarPlan& bar = plan[static_cast<std::size_t>(b)];
    if (bar.section == 'O') {
      for (const int note : voicing(style, bar.chords.front(), style.chord_low)) {
        track.note(channel::chords, timing.at(b, 0, 1), closing_end(timing, b), note, 90);
      }
      continue;
    }
    const std::string& pattern = style.comp[static_cast<std::size_t>(b) % style.comp.size()];
    const int steps = static_cast<int>(pattern.size());
    for (const Hit& hit : read_pattern(pattern)) {
      const int velocity = accent(style, hit.step, steps, bar.section == 'B' ? 62 : 72, rng);
      for (const int note : voicing(style, chord_at(bar, hit.step, steps), style.chord_low)) {
        track.note(channel::chords, timing.at(b, hit.step, steps),
                   end_of(timing, b, hit, steps, style.comp_legato), note, velocity);
      }
    }
  }
}

void play_counter(const Style& style, const Plan& plan, MidiTrack& track, Rng& rng) {
  const Timing timing(style);
  const int steps = static_cast<int>(style.counter.size());
  for (int b = 0; b < static_cast<int>(plan.size()); ++b) {
    const BarPlan& bar = plan[static_cast<std::size_t>(b)];
    // Heard only once the tune is known, so the first theme stays plain.
    const bool heard = bar.section == 'B' || bar.section == 'C' || bar.section == 'I' ||
                       (bar.section == 'A' && bar.variation > 0);
    if (!heard || steps == 0) continue;
    int turn = 0;
    for (const Hit& hit : read_pattern(style.counter)) {
      // Up the chord over two octaves and down again.
      std::vector<int> notes = voicing(style, chord_at(bar, hit.step, steps), style.counter_low);
      const std::size_t n = notes.size();
      for (std::size_t i = 0; i < n; ++i) notes.push_back(notes[i] + 12);
      const int cycle = static_cast<int>(2 * notes.size() - 2);
      const int k = turn % cycle;
      const int note =
          notes[static_cast<std::size_t>(k < static_cast<int>(notes.size()) ? k : cycle - k)];
      ++turn;
      track.note(channel::counter, timing.at(b, hit.step, steps),
                 end_of(timing, b, hit, steps, 0.7), note, accent(style, hit.step, steps, 58, rng));
    }
  }
}

void play_drums(const Style& style, const Plan& plan, MidiTrack& track, Rng& rng) {
  constexpr int crash = 49;
  constexpr int kick = 36;
  const Timing timing(style);
  for (int b = 0; b < static_cast<int>(plan.size()); ++b) {
    const BarPlan& bar = plan[static_cast<std::size_t>(b)];
    const std::uint32_t start = timing.at(b, 0, 1);
    if (bar.section == 'O') {
      track.note(channel::drums, start, start + 240, crash, 110);
      track.note(channel::drums, start, start + 240, kick, 110);
      continue;
    }
    const bool fill = bar.last_of_section() && plan[static_cast<std::size_t>(b) + 1].section != 'O';
    const Groove& groove = fill                                         ? style.fill
                           : (bar.section == 'B' || bar.section == 'I') ? style.light
                                                                        : style.groove;
    if (bar.index == 0 && (bar.section == 'C' || (bar.section == 'A' && bar.variation > 0))) {
      track.note(channel::drums, start, start + 240, crash, 100);
    }
    for (const DrumLine& line : groove) {
      const int steps = static_cast<int>(line.hits.size());
      for (const Hit& hit : read_pattern(line.hits)) {
        const int base = hit.token == 'X' ? 112 : hit.token == 'x' ? 88 : 58;
        const int velocity = std::clamp(base + rng.below(9) - 4, 1, 127);
        const std::uint32_t at = timing.at(b, hit.step, steps);
        track.note(channel::drums, at, at + 60, line.note, velocity);
      }
    }
  }
}

}  // namespace drippo::soundgen
