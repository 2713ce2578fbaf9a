#pragma once

#include <cstdint>
#include <vector>

namespace drippo::soundgen {

inline constexpr double pi = 3.14159265358979323846;

// The same numbers on every machine and compiler, so the generated files are
// reproducible byte for byte (the standard distributions are not).
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next();
  double uniform();                         // [0, 1)
  double uniform(double low, double high);  // [low, high)
  int below(int n);                         // 0 .. n-1
  double noise() { return uniform(-1.0, 1.0); }

 private:
  std::uint64_t state_;
};

// A two-pole resonant filter (RBJ cookbook); coefficients may change per sample.
class Biquad {
 public:
  void lowpass(double freq, double q, double rate);
  void bandpass(double freq, double q, double rate);  // peak gain 1
  double process(double x);

 private:
  void set(double b0, double b1, double b2, double a0, double a1, double a2);
  double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A gain from 0 to 1 and back: linear attack, then exponential decay with the
// given time constant.
double attack_decay(double t, double attack, double decay);

// Scales to the given peak and fades both ends over a few milliseconds, so a
// sound neither clips nor clicks.
void finish(std::vector<float>& samples, int rate, float peak);

}  // namespace drippo::soundgen
