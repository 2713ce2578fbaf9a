#include "sdl_fixture.h"

namespace drippo {
namespace {

using namespace audio_testing;
using namespace std::chrono_literals;

TEST_F(SdlAudioTest, AnEffectPlayedAgainRestartsFromItsBeginning) {
  SdlAudio audio(dir / "wav", dir / "mid");
  Mix_ChannelFinished(count_finished);
  const int channel = effect_channel(Sound::Meow);

  audio.play_effect(Sound::Meow);
  ASSERT_EQ(Mix_Playing(channel), 1);
  std::this_thread::sleep_for(250ms);
  audio.play_effect(Sound::Meow);
  EXPECT_EQ(finished[static_cast<std::size_t>(channel)], 1) << "the first play was cut";
  EXPECT_EQ(Mix_Playing(-1), 1) << "one channel plays, not two";

  // The first play would have ended at 0.4 s; the restarted one goes on.
  std::this_thread::sleep_for(300ms);
  EXPECT_EQ(Mix_Playing(channel), 1);
  std::this_thread::sleep_for(400ms);
  EXPECT_EQ(Mix_Playing(channel), 0);
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
  write_bytes(dir / "wav" / "poof.wav", tone(0.4));
  audio.play_effect(Sound::Poof);
  EXPECT_EQ(Mix_Playing(effect_channel(Sound::Poof)), 1);
}

TEST_F(SdlAudioTest, BrokenFilesGiveSilence) {
  write_bytes(dir / "wav" / "goal.wav", random_bytes(5000, 1));
  auto cut = tone(0.4);
  cut.resize(30);
  write_bytes(dir / "wav" / "hurry.wav", cut);
  write_bytes(dir / "mid" / "noise.mid", random_bytes(5000, 2));
  std::vector<std::uint8_t> bad_track{'M', 'T', 'h',  'd', 0,   0,   0,   6,    0,    1, 0,
                                      2,   1,   0xE0, 'M', 'T', 'r', 'k', 0xFF, 0xFF, 0, 0};
  const auto garbage = random_bytes(300, 3);
  bad_track.insert(bad_track.end(), garbage.begin(), garbage.end());
  write_bytes(dir / "mid" / "torn.mid", bad_track);
  write_bytes(dir / "mid" / "zero.mid", {});

  SdlAudio audio(dir / "wav", dir / "mid", scripted());
  audio.play_effect(Sound::Goal);
  audio.play_effect(Sound::Hurry);
  EXPECT_EQ(Mix_Playing(-1), 0);
  // The synthesiser takes some broken files and plays them as a moment of
  // silence: what matters is that it ends, so that the watchdog moves on.
  for (const double r : {0.0, 0.5, 0.9, 0.1, 0.6}) {
    script = {r};
    audio.next_track();
    EXPECT_TRUE(ends_within(audio, 1s)) << audio.current_track();
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
