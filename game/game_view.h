#pragma once

#include <string>

namespace drippo {

enum class Sound { Water, Hurry, Meow, Poof, Griou, Goal };

// The file stem of an effect: "water", "hurry", "meow", "poof", "griou", "goal".
const char* sound_name(Sound s);

// Texts of the main window that the game sets.
enum class Field {
  Message,   // the message line
  Time,      // time field: countdown, then elapsed seconds
  Water,     // water left
  Score,     // score box
  Title,     // window title: the level's file name
  Welcome,   // the welcome text
};

// What the game asks of the window. The game decides; the view only shows.
class GameView {
 public:
  virtual ~GameView() = default;

  // Cell i now shows picture code_image. Called only when the picture changes.
  virtual void show_cell(int i, int code_image) = 0;
  virtual void show_text(Field field, const std::string& text) = 0;
  virtual void show_stock(int piece, const std::string& text) = 0;
  virtual void play_sound(Sound sound) = 0;
  virtual void start_next_music() = 0;

  // The explosion picture around a bomb's cell, and the short pause that lets
  // the player see it. The pause must keep the window responsive; the game
  // guarantees that no water tick runs inside it.
  virtual void show_explosion(int cell) = 0;
  virtual void hide_explosion() = 0;
  virtual void pause_ms(int ms) = 0;

  // Mode, visibility, locks, colours and timers changed: the view re-reads
  // them from the game. Kept coarse: these change a few times per game.
  virtual void state_changed() = 0;
};

}  // namespace drippo
