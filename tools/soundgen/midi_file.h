#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace drippo::soundgen {

inline constexpr int ticks_per_quarter = 480;

struct MidiEvent {
  std::uint32_t tick = 0;           // from the start of the tune
  std::vector<std::uint8_t> bytes;  // status and data, or FF type length data
};

// One track of a format 1 file: events in any order, sorted when written.
class MidiTrack {
 public:
  void name(const std::string& text);
  void tempo(std::uint32_t tick, double quarter_bpm);
  void time_signature(int beats, int denominator_power, int clocks_per_click);
  void key_signature(int sharps, bool minor);
  void program(int channel, int program);
  void control(std::uint32_t tick, int channel, int controller, int value);
  // Note-on at start, note-off at end (end > start).
  void note(int channel, std::uint32_t start, std::uint32_t end, int pitch, int velocity);

  const std::vector<MidiEvent>& events() const { return events_; }

 private:
  void add(std::uint32_t tick, std::vector<std::uint8_t> bytes);
  std::vector<MidiEvent> events_;
};

// The variable-length quantity of a delta time: 7 bits a byte, high bit on all but the last.
std::vector<std::uint8_t> variable_length(std::uint32_t value);

// A Standard MIDI File, format 1, with running status. In each track, events at
// one tick keep note-offs before note-ons (a repeated note is not cut by its
// own end), and the track ends with its end-of-track event.
std::vector<std::uint8_t> smf_bytes(const std::vector<MidiTrack>& tracks);

}  // namespace drippo::soundgen
