#include <SDL_mixer.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <future>
#include <thread>
#include <vector>

#include "sdl_fixture.h"

namespace drippo {
namespace {

using namespace audio_testing;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

// Runs `load` on a thread of its own and tells whether it came back in time.
// A load stuck opening one of the pipes is released by opening the pipe's
// other end, so that such a fault fails the test instead of hanging the run.
bool returns_promptly(const std::function<void()>& load, const std::vector<fs::path>& pipes = {}) {
  std::promise<void> done;
  auto finished = done.get_future();
  std::thread loader([&] {
    load();
    done.set_value();
  });
  const bool prompt = finished.wait_for(5s) == std::future_status::ready;
  while (finished.wait_for(100ms) != std::future_status::ready) {
    for (const auto& pipe : pipes) {
      const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) ::close(fd);
    }
  }
  loader.join();
  return prompt;
}

TEST_F(SdlAudioTest, PipesGiveSilenceAtOnceAndLinksToPlainFilesPlay) {
  const auto hurry = dir / "wav" / "hurry.wav";
  fs::remove(hurry);
  ASSERT_EQ(::mkfifo(hurry.c_str(), 0600), 0);
  const auto pipe = dir / "mid" / "a_pipe.mid";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  fs::create_symlink(pipe, dir / "mid" / "b_link_to_pipe.mid");
  put_file(dir / "elsewhere.wav", tone(3.0));
  fs::create_symlink(dir / "elsewhere.wav", dir / "mid" / "c_link_to_tune.wav");
  const std::vector<fs::path> pipes{hurry, pipe};

  SdlAudio audio(dir / "wav", dir / "mid", scripted());
  EXPECT_TRUE(returns_promptly([&] { audio.play_effect(Sound::Hurry); }, pipes));
  EXPECT_EQ(Mix_Playing(effect_channel(Sound::Hurry)), 0);
  for (const double r : {0.5, 0.1}) {  // the link, then the pipe itself
    script = {r};
    EXPECT_TRUE(returns_promptly([&] { audio.next_track(); }, pipes)) << r;
    EXPECT_FALSE(audio.music_playing()) << r;
  }
  script = {0.9};
  audio.next_track();
  EXPECT_TRUE(audio.music_playing());
  EXPECT_EQ(audio.current_track().filename(), "c_link_to_tune.wav");
}

TEST_F(SdlAudioTest, FilesOverTheirCapAreRefusedUnread) {
  // Good sounds lengthened by a hole: no disk is used, and a reader that
  // ignored the cap would take them.
  fs::resize_file(dir / "wav" / "goal.wav", max_effect_bytes + 1);
  add_tunes({"a.wav"});
  fs::resize_file(dir / "mid" / "a.wav", max_track_bytes + 1);
  SdlAudio audio(dir / "wav", dir / "mid", scripted());
  audio.play_effect(Sound::Goal);
  EXPECT_EQ(Mix_Playing(effect_channel(Sound::Goal)), 0);
  audio.next_track();
  ASSERT_FALSE(audio.music_playing());

  // Read whole, this one would fill the memory.
  add_tunes({"b.wav"});
  fs::resize_file(dir / "mid" / "b.wav", std::uintmax_t{10} << 30);
  script = {0.9};
  EXPECT_TRUE(returns_promptly([&] { audio.next_track(); }));
  EXPECT_FALSE(audio.music_playing());
}

}  // namespace
}  // namespace drippo
