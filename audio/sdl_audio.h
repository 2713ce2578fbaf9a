#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <string>

#include "audio/audio_output.h"
#include "audio/music_list.h"

struct Mix_Chunk;
struct _Mix_Music;

namespace drippo {

inline constexpr int effect_count = 6;

// The mixer channel of an effect: one each, so that effects overlap and an
// effect restarted cuts only itself.
int effect_channel(Sound sound);

struct SdlAudioOptions {
  RandomSource random;                    // draws the next tune; empty: clock-seeded
  std::string fallback_driver = "dummy";  // tried when the system's device does not open
};

// The loudspeakers through SDL2_mixer: effects from wav/<name>.wav, music
// from every file of mid/. Without any device it stays silent. The mixer is
// one per process, so is this.
class SdlAudio final : public AudioOutput {
 public:
  SdlAudio(std::filesystem::path wav_folder, std::filesystem::path mid_folder,
           SdlAudioOptions options = {});
  ~SdlAudio() override;
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  void play_effect(Sound sound) override;
  void set_music_on(bool on) override { music_on_ = on; }
  void next_track() override;
  void stop_music() override;
  bool music_playing() const override;

  bool device_open() const { return device_open_; }
  int derniere_piste() const { return derniere_piste_; }
  // The file of the tune playing or ended, empty when none loaded.
  const std::filesystem::path& current_track() const { return current_track_; }

 private:
  struct FreeChunk {
    void operator()(Mix_Chunk* chunk) const;
  };
  struct FreeMusic {
    void operator()(_Mix_Music* music) const;
  };

  bool open_device(const std::string& fallback_driver);
  void use_a_soundfont();

  std::filesystem::path wav_folder_;
  std::filesystem::path mid_folder_;
  RandomSource random_;
  bool subsystem_started_ = false;
  bool device_open_ = false;
  bool music_on_ = true;
  int derniere_piste_ = 0;
  std::array<std::unique_ptr<Mix_Chunk, FreeChunk>, effect_count> effects_;
  std::unique_ptr<_Mix_Music, FreeMusic> music_;
  std::filesystem::path current_track_;
};

}  // namespace drippo
