#include "audio/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <utility>

#include "audio/soundfont.h"
#include "storage/file_access.h"

namespace drippo {

int effect_channel(Sound sound) { return static_cast<int>(sound); }

void SdlAudio::FreeChunk::operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
void SdlAudio::FreeMusic::operator()(_Mix_Music* music) const { Mix_FreeMusic(music); }

SdlAudio::SdlAudio(std::filesystem::path wav_folder, std::filesystem::path mid_folder,
                   SdlAudioOptions options)
    : wav_folder_(std::move(wav_folder)),
      mid_folder_(std::move(mid_folder)),
      random_(options.random ? std::move(options.random) : clock_seeded_random()) {
  device_open_ = open_device(options.fallback_driver);
  if (!device_open_) return;
  Mix_AllocateChannels(effect_count);
  Mix_Init(MIX_INIT_MID);  // a failure only means no MIDI: each load then fails quietly
  use_a_soundfont();
}

SdlAudio::~SdlAudio() {
  if (device_open_) {
    stop_music();
    Mix_HaltChannel(-1);
    for (auto& effect : effects_) effect.reset();
    Mix_CloseAudio();
    Mix_Quit();
  }
  if (subsystem_started_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::open_device(const std::string& fallback_driver) {
  // SDL would otherwise catch SIGINT and SIGTERM to queue a quit event that
  // nobody here reads: kill, Ctrl+C and logging out would leave the game running.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  const auto start = [this] {
    subsystem_started_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    return subsystem_started_ && Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) == 0;
  };
  if (start()) return true;
  if (subsystem_started_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  // A device that plays into nothing still keeps time, so the music goes on
  // one tune after another instead of being reloaded every second. The hint
  // must override SDL_AUDIODRIVER, which may name the driver that just failed.
  SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, fallback_driver.c_str(), SDL_HINT_OVERRIDE);
  const bool opened = start();
  SDL_ResetHint(SDL_HINT_AUDIODRIVER);
  if (opened) return true;
  if (subsystem_started_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  subsystem_started_ = false;
  return false;
}

void SdlAudio::use_a_soundfont() {
  if (soundfonts_present(Mix_GetSoundFonts())) return;
  // The player sets nothing: take whatever General MIDI font the system has.
  if (const auto found = find_soundfont(debian_soundfont_folder)) {
    Mix_SetSoundFonts(found->string().c_str());
  }
}

void SdlAudio::play_effect(Sound sound) {
  if (!device_open_) return;
  const int channel = effect_channel(sound);
  auto& effect = effects_[static_cast<std::size_t>(channel)];
  // Loaded at first use; a file missing or broken now is tried again next time.
  if (!effect) {
    const auto file = wav_folder_ / (std::string(sound_name(sound)) + ".wav");
    const auto bytes = read_whole_file(file, max_effect_bytes);
    if (!bytes || bytes->empty()) return;
    // The chunk holds its own decoded copy, so the bytes may go.
    effect.reset(Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes->data(), static_cast<int>(bytes->size())), 1));
    if (!effect) return;
  }
  Mix_HaltChannel(channel);  // from its beginning, even when still playing
  Mix_PlayChannel(channel, effect.get(), 0);
}

void SdlAudio::next_track() {
  if (!music_on_ || !device_open_) return;
  // Listed afresh: the player may add or remove files while the game runs,
  // and a changed folder gives the files that failed another chance.
  auto files = music_files(mid_folder_);
  if (files != tracks_) {
    tracks_ = std::move(files);
    failed_tracks_.clear();
  }
  const int k = draw_track(static_cast<int>(tracks_.size()), derniere_piste_, random_);
  if (k < 0) return;
  derniere_piste_ = k;
  stop_music();
  // A file that does not play is skipped, and the watchdog draws again a
  // second later. It is not read again: with every file failing, a large one
  // would otherwise be read every second.
  const auto& file = tracks_[static_cast<std::size_t>(k)];
  if (failed_tracks_.contains(file)) return;
  if (!start_track(file)) failed_tracks_.insert(file);
}

bool SdlAudio::start_track(const std::filesystem::path& file) {
  auto bytes = read_whole_file(file, max_track_bytes);
  if (!bytes || bytes->empty()) return false;
  music_bytes_ = std::move(*bytes);
  music_.reset(Mix_LoadMUS_RW(
      SDL_RWFromConstMem(music_bytes_.data(), static_cast<int>(music_bytes_.size())), 1));
  if (music_ && Mix_PlayMusic(music_.get(), 1) == 0) {
    current_track_ = file;
    return true;
  }
  stop_music();
  return false;
}

void SdlAudio::stop_music() {
  if (!device_open_) return;
  Mix_HaltMusic();
  music_.reset();
  music_bytes_ = {};
  current_track_.clear();
}

bool SdlAudio::music_playing() const { return device_open_ && Mix_PlayingMusic() != 0; }

}  // namespace drippo
