#pragma once

#include <cstdint>
#include <vector>

namespace drippo::soundgen {

// A 16-bit mono PCM WAV file holding the samples, each clipped to [-1, 1].
std::vector<std::uint8_t> wav_bytes(const std::vector<float>& samples, int sample_rate);

}  // namespace drippo::soundgen
