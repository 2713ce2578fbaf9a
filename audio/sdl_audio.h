#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "audio/audio_output.h"
#include "audio/music_list.h"

struct Mix_Chunk;
struct _Mix_Music;

namespace drippo {

inline constexpr int effect_count = 6;

// The largest sound files taken, read whole into memory. The game's own
// effects are under 50 kB and its tunes under 20 kB; these leave room for
// much longer ones a player lays there, while a huge file is refused unread.
inline constexpr std::size_t max_effect_bytes = std::size_t{4} << 20;
inline constexpr std::size_t max_track_bytes = std::size_t{16} << 20;

// The mixer channel of an effect: one each, so that effects overlap and an
// effect restarted cuts only itself.
int effect_channel(Sound sound);

struct SdlAudioOptions {
  RandomSource random;                    // draws the next tune; empty: clock-seeded
  std::string fallback_driver = "dummy";  // tried when the system's device does not open
};

// The loudspeakers through SDL2_mixer: effects from wav/<name>.wav, music
// from every file of mid/. Only plain files under their size cap are played;
// anything else, and any device trouble, is silence. The mixer is one per
// process, so is this.
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
  bool start_track(const std::filesystem::path& file);  // false when it cannot play
  void use_a_soundfont();

  std::filesystem::path wav_folder_;
  std::filesystem::path mid_folder_;
  RandomSource random_;
  bool subsystem_started_ = false;
  bool device_open_ = false;
  bool music_on_ = true;
  int derniere_piste_ = 0;
  std::array<std::unique_ptr<Mix_Chunk, FreeChunk>, effect_count> effects_;
  // The mixer streams some kinds of music from these bytes as it plays:
  // declared before music_, so that they outlive it.
  std::vector<std::uint8_t> music_bytes_;
  std::unique_ptr<_Mix_Music, FreeMusic> music_;
  std::filesystem::path current_track_;
  // The music folder as last listed, and its files that would not play:
  // these are not read again until the list of files changes.
  std::vector<std::filesystem::path> tracks_;
  std::set<std::filesystem::path> failed_tracks_;
};

}  // namespace drippo
