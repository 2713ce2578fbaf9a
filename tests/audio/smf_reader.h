#pragma once

// A reader of Standard MIDI Files for the tests, written apart from the
// writer so that the two do not share a mistake.

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace drippo::audio_testing {

struct SmfEvent {
  std::uint32_t tick = 0;
  std::uint8_t status = 0;  // 0xFF for meta events
  std::uint8_t meta_type = 0;
  std::vector<std::uint8_t> data;
};

struct SmfTrack {
  std::uint32_t declared_length = 0;
  std::vector<SmfEvent> events;
};

struct Smf {
  int format = -1;
  int declared_tracks = 0;
  int division = 0;
  std::vector<SmfTrack> tracks;
  std::size_t trailing_bytes = 0;  // after the last chunk
};

inline std::uint32_t big_endian(const std::vector<std::uint8_t>& b, std::size_t at, int n) {
  if (at + static_cast<std::size_t>(n) > b.size()) throw std::runtime_error("cut short");
  std::uint32_t v = 0;
  for (int i = 0; i < n; ++i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
  return v;
}

// Throws std::runtime_error on any malformed chunk or event; a track must
// close with its end-of-track event as its very last bytes.
inline Smf read_smf(const std::vector<std::uint8_t>& b) {
  if (std::string(b.begin(), b.begin() + std::min<std::size_t>(4, b.size())) != "MThd") {
    throw std::runtime_error("no MThd");
  }
  if (big_endian(b, 4, 4) != 6) throw std::runtime_error("header length is not 6");
  Smf smf;
  smf.format = static_cast<int>(big_endian(b, 8, 2));
  smf.declared_tracks = static_cast<int>(big_endian(b, 10, 2));
  smf.division = static_cast<int>(big_endian(b, 12, 2));
  std::size_t pos = 14;
  while (pos + 8 <= b.size()) {
    if (std::string(b.begin() + static_cast<long>(pos), b.begin() + static_cast<long>(pos) + 4) !=
        "MTrk") {
      throw std::runtime_error("no MTrk");
    }
    SmfTrack track;
    track.declared_length = big_endian(b, pos + 4, 4);
    const std::size_t end = pos + 8 + track.declared_length;
    if (end > b.size()) throw std::runtime_error("track longer than the file");
    std::size_t i = pos + 8;
    std::uint32_t tick = 0;
    std::uint8_t running = 0;
    bool ended = false;
    while (i < end) {
      if (ended) throw std::runtime_error("bytes after end of track");
      std::uint32_t delta = 0;
      for (int n = 0;; ++n) {
        if (n == 4 || i >= end) throw std::runtime_error("bad delta time");
        const std::uint8_t c = b[i++];
        delta = (delta << 7) | (c & 0x7F);
        if ((c & 0x80) == 0) break;
      }
      tick += delta;
      if (i >= end) throw std::runtime_error("event cut short");
      SmfEvent e;
      e.tick = tick;
      if (b[i] == 0xFF) {
        if (i + 2 >= end) throw std::runtime_error("meta cut short");
        e.status = 0xFF;
        e.meta_type = b[i + 1];
        const std::size_t length = b[i + 2];  // all our metas are short
        if (i + 3 + length > end) throw std::runtime_error("meta longer than track");
        e.data.assign(b.begin() + static_cast<long>(i + 3),
                      b.begin() + static_cast<long>(i + 3 + length));
        i += 3 + length;
        running = 0;
        if (e.meta_type == 0x2F) ended = true;
      } else {
        if (b[i] & 0x80) running = b[i++];
        if (running == 0) throw std::runtime_error("data byte without running status");
        e.status = running;
        const std::size_t length = (running & 0xF0) == 0xC0 || (running & 0xF0) == 0xD0 ? 1 : 2;
        if (i + length > end) throw std::runtime_error("channel event cut short");
        e.data.assign(b.begin() + static_cast<long>(i), b.begin() + static_cast<long>(i + length));
        i += length;
      }
      track.events.push_back(e);
    }
    if (!ended) throw std::runtime_error("track without end of track");
    smf.tracks.push_back(track);
    pos = end;
  }
  smf.trailing_bytes = b.size() - pos;
  return smf;
}

// Seconds from the start to the last end-of-track, through every tempo change.
inline double smf_seconds(const Smf& smf) {
  std::vector<std::pair<std::uint32_t, std::uint32_t>> tempos;  // tick, microseconds a quarter
  std::uint32_t last = 0;
  for (const auto& t : smf.tracks) {
    for (const auto& e : t.events) {
      if (e.status == 0xFF && e.meta_type == 0x51) {
        tempos.emplace_back(e.tick, (e.data[0] << 16) | (e.data[1] << 8) | e.data[2]);
      }
      last = std::max(last, e.tick);
    }
  }
  std::sort(tempos.begin(), tempos.end());
  double seconds = 0;
  std::uint32_t at = 0;
  double micros = 500000;  // the default tempo, 120 a minute
  for (const auto& [tick, value] : tempos) {
    seconds += (tick - at) * micros / smf.division / 1e6;
    at = tick;
    micros = value;
  }
  return seconds + (last - at) * micros / smf.division / 1e6;
}

}  // namespace drippo::audio_testing
