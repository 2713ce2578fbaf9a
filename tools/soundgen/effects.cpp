#include "effects.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "synth.h"

namespace drippo::soundgen {

namespace {

constexpr double rate = effect_rate;

std::vector<float> silence(double seconds) {
  return std::vector<float>(static_cast<std::size_t>(seconds * rate), 0.0f);
}

double seconds_at(std::size_t i) { return static_cast<double>(i) / rate; }

// Value along straight segments through (time, value) points.
double glide(double t, std::initializer_list<std::pair<double, double>> points) {
  auto prev = *points.begin();
  if (t <= prev.first) return prev.second;
  for (const auto& p : points) {
    if (t <= p.first) {
      const double u = (t - prev.first) / (p.first - prev.first);
      const double smooth = 0.5 - 0.5 * std::cos(pi * u);  // no corners: no audible steps
      return prev.second + (p.second - prev.second) * smooth;
    }
    prev = p;
  }
  return prev.second;
}

// One sine of a struck tone: its frequency over the note's, its level, its decay in seconds.
struct Partial {
  double ratio, amp, decay;
};

void strike(std::vector<float>& out, double start, double freq,
            const std::vector<Partial>& partials, double gain) {
  const auto first = static_cast<std::size_t>(start * rate);
  for (std::size_t i = first; i < out.size(); ++i) {
    const double t = seconds_at(i - first);
    double v = 0;
    for (const auto& [ratio, amp, decay] : partials) {
      if (freq * ratio >= rate / 2) continue;  // above Nyquist it would fold back as noise
      v += amp * attack_decay(t, 0.002, decay) * std::sin(2 * pi * freq * ratio * t);
    }
    out[i] += static_cast<float>(gain * v);
  }
}

// A pour: a hiss of water and many small bubbles, each a rising chirp.
std::vector<float> water() {
  auto out = silence(0.8);
  Rng rng(11);
  Biquad hiss;
  hiss.bandpass(1400, 0.8, rate);
  Biquad gurgle;
  gurgle.lowpass(260, 1.5, rate);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = seconds_at(i);
    const double body = std::min(1.0, t / 0.06) * std::min(1.0, (0.8 - t) / 0.2);
    const double wobble = 0.6 + 0.4 * std::sin(2 * pi * 7 * t);
    out[i] = static_cast<float>(
        body * (0.12 * hiss.process(rng.noise()) + 0.5 * wobble * gurgle.process(rng.noise())));
  }
  for (int b = 0; b < 34; ++b) {
    const double start = rng.uniform(0.0, 0.66);
    const double f0 = rng.uniform(380, 1150);
    const double life = rng.uniform(0.035, 0.09);
    const double amp = rng.uniform(0.25, 0.8);
    double phase = 0;
    const auto first = static_cast<std::size_t>(start * rate);
    for (std::size_t i = first; i < out.size(); ++i) {
      const double t = seconds_at(i - first);
      if (t > life * 3) break;
      phase += 2 * pi * f0 * (1 + 1.6 * t / life) / rate;
      out[i] += static_cast<float>(amp * attack_decay(t, 0.003, life / 2.5) * std::sin(phase));
    }
  }
  return out;
}

// Tick-tock: two wood-block knocks, the second lower.
std::vector<float> hurry() {
  auto out = silence(0.3);
  const std::vector<Partial> knock{{1.0, 1.0, 0.03}, {2.47, 0.5, 0.012}, {4.1, 0.25, 0.006}};
  strike(out, 0.0, 1250, knock, 1.0);
  strike(out, 0.15, 880, knock, 1.0);
  return out;
}

// A cartoon meow: a gliding buzzy voice through two moving formants, "m-ee-ow".
std::vector<float> meow() {
  auto out = silence(0.6);
  Biquad f1;
  Biquad f2;
  double phase = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = seconds_at(i);
    double pitch = glide(t, {{0.0, 430}, {0.16, 700}, {0.32, 760}, {0.6, 380}});
    pitch *= 1 + 0.015 * std::sin(2 * pi * 6 * t) * std::min(1.0, t / 0.2);
    phase += 2 * pi * pitch / rate;
    double voice = 0;
    for (int k = 1; pitch * k < 5000; ++k) voice += std::sin(k * phase) / k;
    f1.bandpass(glide(t, {{0.0, 350}, {0.12, 900}, {0.34, 820}, {0.6, 450}}), 4, rate);
    f2.bandpass(glide(t, {{0.0, 1200}, {0.12, 2100}, {0.34, 1900}, {0.6, 850}}), 6, rate);
    const double env = std::min(1.0, t / 0.07) * std::min(1.0, (0.6 - t) / 0.16);
    out[i] = static_cast<float>(env * (f1.process(voice) + 0.6 * f2.process(voice) + 0.08 * voice));
  }
  return out;
}

// Poof: a burst of noise whose brightness falls away, over a soft thump.
std::vector<float> poof() {
  auto out = silence(0.7);
  Rng rng(23);
  Biquad burst;
  Biquad whoosh;
  double thump_phase = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = seconds_at(i);
    burst.lowpass(4000 * std::pow(150.0 / 4000.0, t / 0.7), 0.9, rate);
    whoosh.bandpass(2500 * std::pow(600.0 / 2500.0, t / 0.7), 2, rate);
    thump_phase += 2 * pi * (90 - 45 * t / 0.7) / rate;
    const double v = attack_decay(t, 0.008, 0.18) * burst.process(rng.noise()) +
                     0.4 * attack_decay(t, 0.05, 0.25) * whoosh.process(rng.noise()) +
                     0.7 * attack_decay(t, 0.004, 0.12) * std::sin(thump_phase);
    out[i] = static_cast<float>(v);
  }
  return out;
}

// The end-of-game jingle: three vibraphone notes stepping down a major triad.
std::vector<float> griou() {
  auto out = silence(1.0);
  const auto bar = [](double decay) {
    return std::vector<Partial>{{1.0, 1.0, decay}, {2.0, 0.3, decay / 2.5}, {4.0, 0.15, 0.06}};
  };
  strike(out, 0.00, 784, bar(0.3), 1.0);
  strike(out, 0.25, 659, bar(0.3), 1.0);
  strike(out, 0.50, 523, bar(0.45), 1.1);
  for (std::size_t i = 0; i < out.size(); ++i) {
    out[i] *= static_cast<float>(1 - 0.2 * std::sin(2 * pi * 5.5 * seconds_at(i)));
  }
  return out;
}

// A goal filled: a bright glockenspiel arpeggio up to the octave.
std::vector<float> goal() {
  auto out = silence(0.7);
  const std::vector<Partial> glock{{1.0, 1.0, 0.22}, {2.76, 0.3, 0.07}, {5.4, 0.12, 0.03}};
  const double notes[] = {1047, 1319, 1568, 2093};
  for (int n = 0; n < 4; ++n) strike(out, 0.07 * n, notes[n], glock, n == 3 ? 1.2 : 0.8);
  strike(out, 0.21, 2093 * 1.003, glock, 0.4);  // a detuned twin makes the top note shimmer
  return out;
}

}  // namespace

std::vector<float> make_effect(Sound sound) {
  std::vector<float> samples;
  switch (sound) {
    case Sound::Water: samples = water(); break;
    case Sound::Hurry: samples = hurry(); break;
    case Sound::Meow: samples = meow(); break;
    case Sound::Poof: samples = poof(); break;
    case Sound::Griou: samples = griou(); break;
    case Sound::Goal: samples = goal(); break;
  }
  finish(samples, effect_rate, 0.85f);
  return samples;
}

}  // namespace drippo::soundgen
