#pragma once

#include "game/game_view.h"

namespace drippo {

// What the game asks of the loudspeakers: the six effects and the music.
// Without a sound device every call is silence.
class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  virtual void play_effect(Sound sound) = 0;
  // Whether next_track may start a tune. A tune already playing goes on to
  // its end: switching music off in the options stops nothing until OK,
  // which then calls stop_music.
  virtual void set_music_on(bool on) = 0;
  virtual void next_track() = 0;  // another music file, when music is on
  virtual void stop_music() = 0;
  virtual bool music_playing() const = 0;
};

class SilentAudio : public AudioOutput {
 public:
  void play_effect(Sound) override {}
  void set_music_on(bool) override {}
  void next_track() override {}
  void stop_music() override {}
  bool music_playing() const override { return false; }
};

}  // namespace drippo
