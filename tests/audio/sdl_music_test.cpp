#include "sdl_fixture.h"

namespace drippo {
namespace {

using namespace audio_testing;

TEST_F(SdlAudioTest, NextTrackNeverStartsTheFileStartedBefore) {
  add_tunes({"a.wav", "b.wav", "c.wav"});
  SdlAudio audio(dir / "wav", dir / "mid", scripted());
  // Each start is first offered the file it must not take.
  script = {0.1, 0.5};  // 0 is the index at start: drawn again, then b
  audio.next_track();
  EXPECT_EQ(audio.current_track().filename(), "b.wav");
  script = {0.4, 0.9};
  audio.next_track();
  EXPECT_EQ(audio.current_track().filename(), "c.wav");
  script = {0.99, 0.0};
  audio.next_track();
  EXPECT_EQ(audio.current_track().filename(), "a.wav");
  EXPECT_EQ(draws, 6);
  EXPECT_TRUE(audio.music_playing());
}

TEST_F(SdlAudioTest, TheMusicFolderIsListedAfreshAtEachStart) {
  add_tunes({"a.wav", "b.wav"});
  SdlAudio audio(dir / "wav", dir / "mid", scripted());
  script = {0.7};
  audio.next_track();
  EXPECT_EQ(audio.current_track().filename(), "b.wav");
  add_tunes({"c.wav"});
  script = {0.9};
  audio.next_track();
  EXPECT_EQ(audio.current_track().filename(), "c.wav");
}

TEST_F(SdlAudioTest, StopMusicSilencesAtOnce) {
  add_tunes({"a.wav", "b.wav"});
  SdlAudio audio(dir / "wav", dir / "mid");
  audio.next_track();
  ASSERT_TRUE(audio.music_playing());
  audio.stop_music();
  EXPECT_FALSE(audio.music_playing());
  EXPECT_TRUE(audio.current_track().empty());
}

TEST_F(SdlAudioTest, WithMusicOffNoTuneStartsButOnePlayingGoesOn) {
  add_tunes({"a.wav", "b.wav"});
  SdlAudio audio(dir / "wav", dir / "mid", scripted());
  audio.set_music_on(false);
  audio.next_track();
  EXPECT_FALSE(audio.music_playing());
  EXPECT_EQ(draws, 0);

  audio.set_music_on(true);
  script = {0.9};
  audio.next_track();
  ASSERT_TRUE(audio.music_playing());
  audio.set_music_on(false);
  audio.next_track();
  EXPECT_TRUE(audio.music_playing());
  EXPECT_EQ(audio.current_track().filename(), "b.wav");
}

TEST_F(SdlAudioTest, ATrackThatFailsIsNotReadAgainUntilTheFolderChanges) {
  put_file(dir / "mid" / "a.wav", random_bytes(5000, 1));
  SdlAudio audio(dir / "wav", dir / "mid", scripted());
  for (int tick = 0; tick < 3; ++tick) audio.next_track();
  ASSERT_FALSE(audio.music_playing());
  // Mended where it lies, the folder's list unchanged: were the file read
  // again at each tick, it would play now.
  put_file(dir / "mid" / "a.wav", tone(3.0));
  audio.next_track();
  EXPECT_FALSE(audio.music_playing());

  add_tunes({"b.wav"});
  script = {0.9};
  audio.next_track();
  EXPECT_EQ(audio.current_track().filename(), "b.wav");
  script = {0.1};
  audio.next_track();
  EXPECT_EQ(audio.current_track().filename(), "a.wav");
  EXPECT_TRUE(audio.music_playing());
}

TEST_F(SdlAudioTest, AShippedTunePlaysThroughTheMidiSynthesiser) {
  const auto shipped = std::filesystem::path(DRIPPO_ASSETS) / "mid";
  ASSERT_TRUE(std::filesystem::is_directory(shipped));
  std::filesystem::copy(shipped, dir / "mid");
  SdlAudio audio(dir / "wav", dir / "mid");
  for (const auto& file : music_files(dir / "mid")) {
    Mix_Music* music = Mix_LoadMUS(file.string().c_str());
    EXPECT_NE(music, nullptr) << file << ": " << Mix_GetError();
    if (music != nullptr) {
      EXPECT_EQ(Mix_GetMusicType(music), MUS_MID) << file;
      Mix_FreeMusic(music);
    }
  }
  audio.next_track();
  EXPECT_TRUE(audio.music_playing());
  EXPECT_EQ(audio.current_track().extension(), ".mid");
}

}  // namespace
}  // namespace drippo
