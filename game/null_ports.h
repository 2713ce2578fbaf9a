#pragma once

#include <string>
#include <vector>

#include "game/game_view.h"
#include "game/ports.h"

namespace drippo {

// A view that shows nothing, for running the game without a window. Tools
// derive from it to watch the one thing they care about.
class SilentView : public GameView {
 public:
  void show_cell(int, int) override {}
  void show_text(Field, const std::string&) override {}
  void show_stock(int, const std::string&) override {}
  void play_sound(Sound) override {}
  void start_next_music() override {}
  void show_explosion(int) override {}
  void hide_explosion() override {}
  void pause_ms(int) override {}
  void state_changed() override {}
};

// Scores of a game without a window are nobody's: nothing is written.
class NoScores : public ScoreRecorder {
 public:
  std::optional<std::string> noter_score(const std::string&, double, std::int16_t) override { return {}; }
};

// No levels folder to look through.
class NoLevels : public LevelCatalogue {
 public:
  std::vector<std::string> level_files() override { return {}; }
  std::string stored_score_text(const std::string&) override { return "0"; }
};

}  // namespace drippo
