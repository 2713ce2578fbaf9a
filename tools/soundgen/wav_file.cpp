#include "wav_file.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace drippo::soundgen {

namespace {

void put_text(std::vector<std::uint8_t>& out, std::string_view text) {
  out.insert(out.end(), text.begin(), text.end());
}

// RIFF is little-endian whatever the machine.
void put_le(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> wav_bytes(const std::vector<float>& samples, int sample_rate) {
  constexpr int channels = 1;
  constexpr int bits = 16;
  constexpr int block_align = channels * bits / 8;
  const auto data_size = static_cast<std::uint32_t>(samples.size() * block_align);

  std::vector<std::uint8_t> out;
  out.reserve(44 + data_size);
  put_text(out, "RIFF");
  put_le(out, 36 + data_size, 4);
  put_text(out, "WAVE");
  put_text(out, "fmt ");
  put_le(out, 16, 4);  // size of a PCM format chunk
  put_le(out, 1, 2);   // PCM
  put_le(out, channels, 2);
  put_le(out, static_cast<std::uint32_t>(sample_rate), 4);
  put_le(out, static_cast<std::uint32_t>(sample_rate * block_align), 4);
  put_le(out, block_align, 2);
  put_le(out, bits, 2);
  put_text(out, "data");
  put_le(out, data_size, 4);
  for (const float s : samples) {
    const float clipped = std::clamp(s, -1.0f, 1.0f);
    const auto value = static_cast<std::int16_t>(std::lround(clipped * 32767.0f));
    put_le(out, static_cast<std::uint16_t>(value), 2);
  }
  return out;
}

}  // namespace drippo::soundgen
