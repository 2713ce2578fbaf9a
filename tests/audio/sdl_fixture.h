#pragma once

// What the tests of SdlAudio share: a folder of short tones for the six
// effects and the tunes, and a scripted random source.

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <functional>
#include <set>
#include <string>
#include <thread>

#include "audio/sdl_audio.h"
#include "support/temp_folder.h"
#include "effects.h"
#include "wav_file.h"

namespace drippo::audio_testing {

using soundgen::all_effects;
using testing_support::put_file;
using testing_support::random_bytes;
using testing_support::TempFolder;

// A plain tone, long enough to tell a restart from a first play.
inline std::vector<std::uint8_t> tone(double seconds) {
  constexpr int rate = 22050;
  std::vector<float> samples(static_cast<std::size_t>(seconds * rate));
  for (std::size_t i = 0; i < samples.size(); ++i)
    samples[i] = 0.3f * std::sin(0.1f * static_cast<float>(i));
  return soundgen::wav_bytes(samples, rate);
}

// Polls a few milliseconds apart: a loaded machine only makes the wait
// longer, and only the generous limit fails a test.
inline bool wait_until(const std::function<bool()>& done,
                       std::chrono::milliseconds limit = std::chrono::seconds(5)) {
  const auto until = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

// How many times the mixer reported each channel finished (halted or ended).
inline std::array<int, 8> finished{};
inline void count_finished(int channel) {
  if (channel >= 0 && channel < 8) ++finished[static_cast<std::size_t>(channel)];
}

class SdlAudioTest : public ::testing::Test {
 protected:
  SdlAudioTest() {
    for (const Sound s : all_effects) {
      put_file(dir / "wav" / (std::string(sound_name(s)) + ".wav"), tone(0.4));
    }
    std::filesystem::create_directories(dir / "mid");
    finished.fill(0);
  }
  ~SdlAudioTest() override { Mix_ChannelFinished(nullptr); }

  SdlAudioOptions scripted() {
    SdlAudioOptions options;
    options.random = [this] {
      ++draws;
      if (script.empty()) return 0.0;
      const double r = script.front();
      script.pop_front();
      return r;
    };
    return options;
  }

  // Short wave files stand for tunes: the mixer plays them as music, and they load at once.
  void add_tunes(std::initializer_list<const char*> names) {
    for (const char* name : names) put_file(dir / "mid" / name, tone(3.0));
  }

  TempFolder dir;
  std::deque<double> script;
  int draws = 0;
};

}  // namespace drippo::audio_testing
