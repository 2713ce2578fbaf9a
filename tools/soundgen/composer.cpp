#include "composer.h"

#include "plan.h"

namespace drippo::soundgen {

namespace {

double bar_seconds(const Style& style) { return style.beats_per_bar * 60.0 / style.beat_bpm; }

double quarter_bpm(const Style& style) { return style.beat_bpm * style.beat_ticks / 480.0; }

const Progression& progression_of(const Style& style, char section) {
  static const Progression intro{{I}, {V7}};
  static const Progression closing{{I}};
  switch (section) {
    case 'A': return style.a;
    case 'B': return style.b;
    case 'C': return style.c;
    case 'O': return closing;
    default: return intro;
  }
}

// Short bars get a longer intro, so that it lasts a few seconds whatever the tempo.
int intro_bars(const Style& style) { return bar_seconds(style) < 1.5 ? 4 : 2; }

int section_bars(const Style& style, char section) {
  if (section == 'I') return intro_bars(style);
  return static_cast<int>(progression_of(style, section).size());
}

Plan make_plan(const Style& style, const Form& form) {
  Plan plan;
  int seen[128] = {};
  for (const char section : form.sections) {
    const Progression& progression = progression_of(style, section);
    const int length = section_bars(style, section);
    for (int i = 0; i < length; ++i) {
      BarPlan bar;
      bar.chords = progression[static_cast<std::size_t>(i) % progression.size()];
      bar.section = section;
      bar.variation = seen[static_cast<unsigned char>(section)];
      bar.index = i;
      bar.length = length;
      plan.push_back(bar);
    }
    ++seen[static_cast<unsigned char>(section)];
  }
  for (std::size_t b = 0; b + 1 < plan.size(); ++b) plan[b].next = plan[b + 1].chords.front();
  return plan;
}

void set_up_channel(MidiTrack& track, const std::string& name, int ch, int program, int volume,
                    int pan) {
  track.name(name);
  track.program(ch, program);
  track.control(0, ch, 7, volume);
  track.control(0, ch, 10, pan);
  track.control(0, ch, 91, 40);  // a little room
}

}  // namespace

Form make_form(const Style& style, double min_seconds) {
  Form form{{'I', 'A', 'A', 'B', 'A'}};
  const auto seconds = [&] {
    double total = 0;
    for (const char s : form.sections) total += section_bars(style, s) * bar_seconds(style);
    return total;
  };
  const char later[] = {'C', 'A', 'B', 'A'};
  for (int i = 0; seconds() < min_seconds; i = (i + 2) % 4) {
    form.sections.push_back(later[i]);
    form.sections.push_back(later[i + 1]);
  }
  form.sections.push_back('O');
  return form;
}

std::vector<MidiTrack> compose(const Style& style, double min_seconds) {
  const Plan plan = make_plan(style, make_form(style, min_seconds));
  const Timing timing(style);
  Rng rng(style.seed);

  MidiTrack conductor;
  conductor.name(style.title);
  const int denominator_power = style.time_denominator == 8 ? 3 : 2;
  conductor.time_signature(style.time_numerator, denominator_power,
                           style.time_denominator == 8 ? 36 : 24);
  conductor.key_signature(style.key_sharps, false);
  conductor.tempo(0, quarter_bpm(style));
  // The last two bars and the closing chord slow down, beat by beat, to three quarters.
  const int last = static_cast<int>(plan.size()) - 1;
  const int slowing_beats = 3 * style.beats_per_bar;
  for (int beat = 1; beat <= slowing_beats; ++beat) {
    const std::uint32_t at =
        timing.at(last - 2, 0, 1) + static_cast<std::uint32_t>(beat * style.beat_ticks);
    conductor.tempo(at, quarter_bpm(style) * (1.0 - 0.25 * beat / slowing_beats));
  }

  std::vector<MidiTrack> tracks(7);
  tracks[0] = conductor;
  const Programs& p = style.programs;
  set_up_channel(tracks[1], "lead", channel::lead, p.lead, 104, 64);
  set_up_channel(tracks[2], "second", channel::second, p.second, 96, 44);
  set_up_channel(tracks[3], "chords", channel::chords, p.chords, 76, 84);
  set_up_channel(tracks[4], "bass", channel::bass, p.bass, 100, 64);
  set_up_channel(tracks[5], "counter", channel::counter, p.counter, 70, 100);
  tracks[6].name("drums");
  tracks[6].control(0, channel::drums, 7, 92);
  tracks[6].control(0, channel::drums, 91, 30);

  play_melody(style, plan, tracks[1], tracks[2], rng);
  play_chords(style, plan, tracks[3], rng);
  play_bass(style, plan, tracks[4], rng);
  play_counter(style, plan, tracks[5], rng);
  play_drums(style, plan, tracks[6], rng);
  return tracks;
}

}  // namespace drippo::soundgen
