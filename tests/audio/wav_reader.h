#pragma once

// A reader of 16-bit PCM WAV files for the tests, apart from the writer.

#include <cstdint>
#include <string>
#include <vector>

namespace drippo::audio_testing {

struct Wav {
  std::string riff, wave, fmt, data;
  std::uint32_t riff_size = 0, fmt_size = 0, data_size = 0;
  int format = 0, channels = 0, bits = 0, block_align = 0;
  std::uint32_t rate = 0, byte_rate = 0;
  std::vector<std::int16_t> samples;
};

inline std::uint32_t little_endian(const std::vector<std::uint8_t>& b, std::size_t at, int n) {
  std::uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = (v << 8) | b.at(at + static_cast<std::size_t>(i));
  return v;
}

// Reads the canonical 44-byte header layout; the tests check each field.
inline Wav read_wav(const std::vector<std::uint8_t>& b) {
  Wav w;
  if (b.size() < 44) return w;
  const auto text = [&](std::size_t at) {
    return std::string(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4);
  };
  w.riff = text(0);
  w.riff_size = little_endian(b, 4, 4);
  w.wave = text(8);
  w.fmt = text(12);
  w.fmt_size = little_endian(b, 16, 4);
  w.format = static_cast<int>(little_endian(b, 20, 2));
  w.channels = static_cast<int>(little_endian(b, 22, 2));
  w.rate = little_endian(b, 24, 4);
  w.byte_rate = little_endian(b, 28, 4);
  w.block_align = static_cast<int>(little_endian(b, 32, 2));
  w.bits = static_cast<int>(little_endian(b, 34, 2));
  w.data = text(36);
  w.data_size = little_endian(b, 40, 4);
  for (std::size_t i = 44; i + 1 < b.size(); i += 2) {
    w.samples.push_back(static_cast<std::int16_t>(little_endian(b, i, 2)));
  }
  return w;
}

}  // namespace drippo::audio_testing
