#include "sdl_fixture.h"

#include <atomic>

namespace drippo {
namespace {

using namespace audio_testing;
using namespace std::chrono_literals;

// Holds the mixer still: nothing is mixed and no channel finishes meanwhile.
class MixerHeld {
 public:
  MixerHeld() {
    // The mixer's device is the one playing; id 1 is only ever the legacy one.
    while (id_ < 64 && SDL_GetAudioDeviceStatus(id_) != SDL_AUDIO_PLAYING) ++id_;
    SDL_LockAudioDevice(id_);
  }
  ~MixerHeld() { SDL_UnlockAudioDevice(id_); }

 private:
  SDL_AudioDeviceID id_ = 2;
};

// The sound the mixer took from a channel since the count was armed: where a
// play stands, whatever the clock of a loaded machine says.
std::atomic<long> mixed_bytes{0};
void count_mixed(int, void*, int len, void*) { mixed_bytes += len; }

TEST_F(SdlAudioTest, AnEffectPlayedAgainRestartsFromItsBeginning) {
  SdlAudio audio(dir / "wav", dir / "mid");
  Mix_ChannelFinished(count_finished);
  const int channel = effect_channel(Sound::Meow);
  int rate = 0, channels = 0;
  Uint16 format = 0;
  ASSERT_NE(Mix_QuerySpec(&rate, &format, &channels), 0);
  const long whole_tone = static_cast<long>(0.4 * rate) * channels * SDL_AUDIO_BITSIZE(format) / 8;
  auto finished_count = [&] {
    MixerHeld held;
    return finished[static_cast<std::size_t>(channel)];
  };
  auto play_counted = [&] {
    MixerHeld held;  // the count is armed before any of the play is mixed
    audio.play_effect(Sound::Meow);
    mixed_bytes = 0;
    Mix_RegisterEffect(channel, count_mixed, nullptr, nullptr);
  };

  play_counted();
  ASSERT_TRUE(wait_until([&] { return mixed_bytes >= whole_tone / 2; }));
  {
    MixerHeld held;
    ASSERT_EQ(finished[static_cast<std::size_t>(channel)], 0) << "the first play ended before it could be cut";
    play_counted();
    EXPECT_EQ(finished[static_cast<std::size_t>(channel)], 1) << "the first play was cut";
    EXPECT_EQ(Mix_Playing(-1), 1) << "one channel plays, not two";
  }
  ASSERT_TRUE(wait_until([&] { return finished_count() == 2; }));
  // The whole tone again, not the half the first play had left.
  EXPECT_GT(mixed_bytes, whole_tone * 9 / 10);
}

TEST_F(SdlAudioTest, DifferentEffectsPlayTogetherAndOverTheMusic) {
  add_tunes({"a.wav"});
  SdlAudio audio(dir / "wav", dir / "mid");
  Mix_ChannelFinished(count_finished);
  audio.next_track();
  for (const Sound s : all_effects) audio.play_effect(s);
  std::set<int> channels;
  for (const Sound s : all_effects) {
    EXPECT_EQ(Mix_Playing(effect_channel(s)), 1) << sound_name(s);
    channels.insert(effect_channel(s));
  }
  EXPECT_EQ(channels.size(), 6u);
  EXPECT_EQ(finished, (std::array<int, 8>{})) << "no effect cut another";
  EXPECT_TRUE(audio.music_playing());
}

TEST_F(SdlAudioTest, MissingFoldersGiveSilence) {
  SdlAudio audio(dir / "no wav", dir / "no mid");
  for (const Sound s : all_effects) audio.play_effect(s);
  audio.next_track();
  EXPECT_EQ(Mix_Playing(-1), 0);
  EXPECT_FALSE(audio.music_playing());
  audio.stop_music();
}

TEST_F(SdlAudioTest, AnEffectMissingAtFirstUseIsTriedAgainLater) {
  std::filesystem::remove(dir / "wav" / "poof.wav");
  SdlAudio audio(dir / "wav", dir / "mid");
  audio.play_effect(Sound::Poof);
  EXPECT_EQ(Mix_Playing(effect_channel(Sound::Poof)), 0);
  put_file(dir / "wav" / "poof.wav", tone(0.4));
  audio.play_effect(Sound::Poof);
  EXPECT_EQ(Mix_Playing(effect_channel(Sound::Poof)), 1);
}

TEST_F(SdlAudioTest, BrokenFilesGiveSilence) {
  put_file(dir / "wav" / "goal.wav", random_bytes(5000, 1));
  auto cut = tone(0.4);
  cut.resize(30);
  put_file(dir / "wav" / "hurry.wav", cut);
  put_file(dir / "mid" / "noise.mid", random_bytes(5000, 2));
  std::vector<std::uint8_t> bad_track{'M', 'T', 'h',  'd', 0,   0,   0,   6,    0,    1, 0,
                                      2,   1,   0xE0, 'M', 'T', 'r', 'k', 0xFF, 0xFF, 0, 0};
  const auto garbage = random_bytes(300, 3);
  bad_track.insert(bad_track.end(), garbage.begin(), garbage.end());
  put_file(dir / "mid" / "torn.mid", bad_track);
  put_file(dir / "mid" / "zero.mid", {});

  SdlAudio audio(dir / "wav", dir / "mid", scripted());
  audio.play_effect(Sound::Goal);
  audio.play_effect(Sound::Hurry);
  EXPECT_EQ(Mix_Playing(-1), 0);
  // The synthesiser takes some broken files and plays them as a moment of
  // silence: what matters is that it ends, so that the watchdog moves on.
  for (const double r : {0.0, 0.5, 0.9, 0.1, 0.6}) {
    script = {r};
    audio.next_track();
    EXPECT_TRUE(wait_until([&] { return !audio.music_playing(); })) << audio.current_track();
  }
  // The game goes on: a good effect still plays.
  audio.play_effect(Sound::Water);
  EXPECT_EQ(Mix_Playing(effect_channel(Sound::Water)), 1);
}

// The driver named by the environment cannot open: the fallback is tried.
class DriverOverride {
 public:
  explicit DriverOverride(const char* driver) {
    if (const char* old = std::getenv("SDL_AUDIODRIVER")) saved_ = old;
    setenv("SDL_AUDIODRIVER", driver, 1);
  }
  ~DriverOverride() {
    if (saved_.empty())
      unsetenv("SDL_AUDIODRIVER");
    else
      setenv("SDL_AUDIODRIVER", saved_.c_str(), 1);
  }

 private:
  std::string saved_;
};

TEST_F(SdlAudioTest, WithoutTheSystemDeviceTheDummyOneIsUsed) {
  DriverOverride no_device("no-such-driver");
  SdlAudio audio(dir / "wav", dir / "mid");
  ASSERT_TRUE(audio.device_open());
  EXPECT_STREQ(SDL_GetCurrentAudioDriver(), "dummy");
  audio.play_effect(Sound::Water);
  EXPECT_EQ(Mix_Playing(effect_channel(Sound::Water)), 1);
}

TEST_F(SdlAudioTest, WithNoDeviceAtAllEverythingIsSilentAndNothingBreaks) {
  DriverOverride no_device("no-such-driver");
  add_tunes({"a.wav", "b.wav"});
  SdlAudioOptions options = scripted();
  options.fallback_driver = "no-such-fallback";
  {
    SdlAudio audio(dir / "wav", dir / "mid", std::move(options));
    EXPECT_FALSE(audio.device_open());
    for (const Sound s : all_effects) audio.play_effect(s);
    audio.next_track();
    EXPECT_FALSE(audio.music_playing());
    audio.stop_music();
    EXPECT_EQ(draws, 0) << "no file is even looked at";
  }
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "nothing left started";
}

TEST_F(SdlAudioTest, TheAudioCanBeMadeAgainAfterItEnds) {
  add_tunes({"a.wav", "b.wav"});
  for (int round = 0; round < 3; ++round) {
    SdlAudio audio(dir / "wav", dir / "mid");
    ASSERT_TRUE(audio.device_open());
    audio.play_effect(Sound::Goal);
    audio.next_track();
    EXPECT_TRUE(audio.music_playing());
  }
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

}  // namespace
}  // namespace drippo
