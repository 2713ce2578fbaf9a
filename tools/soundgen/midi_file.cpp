#include "midi_file.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace drippo::soundgen {

namespace {

std::uint8_t byte(int value) { return static_cast<std::uint8_t>(value); }

void put_be(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// Order inside one tick: meta and controls first, then note-offs, then note-ons.
int rank(const MidiEvent& e) {
  const std::uint8_t status = e.bytes[0];
  if (status == 0xFF || (status & 0xF0) == 0xB0 || (status & 0xF0) == 0xC0) return 0;
  if ((status & 0xF0) == 0x80 || e.bytes[2] == 0) return 1;
  return 2;
}

}  // namespace

void MidiTrack::add(std::uint32_t tick, std::vector<std::uint8_t> bytes) {
  events_.push_back({tick, std::move(bytes)});
}

void MidiTrack::name(const std::string& text) {
  std::vector<std::uint8_t> bytes{0xFF, 0x03, byte(static_cast<int>(text.size()))};
  bytes.insert(bytes.end(), text.begin(), text.end());
  add(0, std::move(bytes));
}

void MidiTrack::tempo(std::uint32_t tick, double quarter_bpm) {
  const auto micros = static_cast<std::uint32_t>(std::lround(60'000'000.0 / quarter_bpm));
  add(tick, {0xFF, 0x51, 0x03, byte(micros >> 16), byte(micros >> 8), byte(micros)});
}

void MidiTrack::time_signature(int beats, int denominator_power, int clocks_per_click) {
  add(0, {0xFF, 0x58, 0x04, byte(beats), byte(denominator_power), byte(clocks_per_click), 8});
}

void MidiTrack::key_signature(int sharps, bool minor) {
  add(0, {0xFF, 0x59, 0x02, byte(sharps), byte(minor ? 1 : 0)});
}

void MidiTrack::program(int channel, int program) { add(0, {byte(0xC0 | channel), byte(program)}); }

void MidiTrack::control(std::uint32_t tick, int channel, int controller, int value) {
  add(tick, {byte(0xB0 | channel), byte(controller), byte(value)});
}

void MidiTrack::note(int channel, std::uint32_t start, std::uint32_t end, int pitch, int velocity) {
  velocity = std::clamp(velocity, 1, 127);
  add(start, {byte(0x90 | channel), byte(pitch), byte(velocity)});
  // A note-on of velocity 0 ends the note: it keeps the running status.
  add(std::max(end, start + 1), {byte(0x90 | channel), byte(pitch), 0});
}

std::vector<std::uint8_t> variable_length(std::uint32_t value) {
  std::vector<std::uint8_t> out{byte(value & 0x7F)};
  while ((value >>= 7) != 0) out.insert(out.begin(), byte(0x80 | (value & 0x7F)));
  return out;
}

std::vector<std::uint8_t> smf_bytes(const std::vector<MidiTrack>& tracks) {
  std::vector<std::uint8_t> out{'M', 'T', 'h', 'd'};
  put_be(out, 6, 4);
  put_be(out, 1, 2);
  put_be(out, static_cast<std::uint32_t>(tracks.size()), 2);
  put_be(out, ticks_per_quarter, 2);

  for (const MidiTrack& track : tracks) {
    std::vector<MidiEvent> events = track.events();
    std::stable_sort(events.begin(), events.end(), [](const MidiEvent& a, const MidiEvent& b) {
      return a.tick != b.tick ? a.tick < b.tick : rank(a) < rank(b);
    });
    std::vector<std::uint8_t> body;
    std::uint32_t now = 0;
    std::uint8_t running = 0;  // a channel message with the status of the one before omits it
    for (const MidiEvent& e : events) {
      const auto delta = variable_length(e.tick - now);
      body.insert(body.end(), delta.begin(), delta.end());
      const bool omit = e.bytes[0] == running;
      body.insert(body.end(), e.bytes.begin() + (omit ? 1 : 0), e.bytes.end());
      running = e.bytes[0] < 0xF0 ? e.bytes[0] : 0;  // meta events cancel running status
      now = e.tick;
    }
    body.insert(body.end(), {0x00, 0xFF, 0x2F, 0x00});
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    put_be(out, static_cast<std::uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
  }
  return out;
}

}  // namespace drippo::soundgen
