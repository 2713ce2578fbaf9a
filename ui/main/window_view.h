#pragma once

#include "audio/audio_output.h"
#include "game/game_view.h"

namespace drippo::ui {

class MainWindow;

// The game's view of the main window.
class WindowView : public GameView {
 public:
  WindowView(MainWindow& window, AudioOutput& audio) : window_(window), audio_(audio) {}

  void show_cell(int i, int code_image) override;
  void show_text(Field field, const std::string& text) override;
  void show_stock(int piece, const std::string& text) override;
  void play_sound(Sound sound) override { audio_.play_effect(sound); }
  void start_next_music() override;
  void show_explosion(int cell) override;
  void hide_explosion() override;
  // Lets the window's events run meanwhile, so it stays responsive.
  void pause_ms(int ms) override;
  void state_changed() override;

 private:
  MainWindow& window_;
  AudioOutput& audio_;
};

}  // namespace drippo::ui
