#include "synth.h"

#include <algorithm>
#include <cmath>

namespace drippo::soundgen {

std::uint64_t Rng::next() {
  // splitmix64
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Rng::uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

double Rng::uniform(double low, double high) { return low + (high - low) * uniform(); }

int Rng::below(int n) { return static_cast<int>(uniform() * n); }

void Biquad::set(double b0, double b1, double b2, double a0, double a1, double a2) {
  b0_ = b0 / a0;
  b1_ = b1 / a0;
  b2_ = b2 / a0;
  a1_ = a1 / a0;
  a2_ = a2 / a0;
}

void Biquad::lowpass(double freq, double q, double rate) {
  const double w = 2 * pi * freq / rate;
  const double alpha = std::sin(w) / (2 * q);
  const double c = std::cos(w);
  set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::bandpass(double freq, double q, double rate) {
  const double w = 2 * pi * freq / rate;
  const double alpha = std::sin(w) / (2 * q);
  const double c = std::cos(w);
  set(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

double Biquad::process(double x) {
  const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = x;
  y2_ = y1_;
  y1_ = y;
  return y;
}

double attack_decay(double t, double attack, double decay) {
  if (t < 0) return 0;
  if (t < attack) return t / attack;
  return std::exp(-(t - attack) / decay);
}

void finish(std::vector<float>& samples, int rate, float peak) {
  float loudest = 0;
  for (const float s : samples) loudest = std::max(loudest, std::abs(s));
  if (loudest > 0) {
    for (float& s : samples) s *= peak / loudest;
  }
  const auto fade = std::min(samples.size() / 2, static_cast<std::size_t>(rate / 200));
  for (std::size_t i = 0; i < fade; ++i) {
    const float g = static_cast<float>(i) / static_cast<float>(fade);
    samples[i] *= g;
    samples[samples.size() - 1 - i] *= g;
  }
}

}  // namespace drippo::soundgen
