#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "game/game_view.h"
#include "game/ports.h"

namespace drippo::testing {

// Records what the player would see and hear, in order.
class FakeView : public GameView {
 public:
  void show_cell(int i, int code_image) override { cells.emplace_back(i, code_image); }
  void show_text(Field field, const std::string& text) override { texts[field].push_back(text); }
  void show_stock(int piece, const std::string& text) override { stocks.emplace_back(piece, text); }
  void play_sound(Sound sound) override { sounds.push_back(sound); }
  void start_next_music() override { ++music_starts; }
  void show_explosion(int cell) override { explosions.push_back(cell); }
  void hide_explosion() override { ++explosion_hides; }
  void pause_ms(int ms) override {
    pauses.push_back(ms);
    // The window runs its pending events here: let a test be one of them.
    if (during_pause) during_pause();
  }
  void state_changed() override { ++state_changes; }

  int count(Sound s) const { return static_cast<int>(std::count(sounds.begin(), sounds.end(), s)); }
  int count_text(Field f, const std::string& text) const {
    auto it = texts.find(f);
    if (it == texts.end()) return 0;
    return static_cast<int>(std::count(it->second.begin(), it->second.end(), text));
  }
  void clear() {
    cells.clear();
    texts.clear();
    stocks.clear();
    sounds.clear();
    explosions.clear();
    pauses.clear();
  }

  std::vector<std::pair<int, int>> cells;
  std::map<Field, std::vector<std::string>> texts;
  std::vector<std::pair<int, std::string>> stocks;
  std::vector<Sound> sounds;
  std::vector<int> explosions;
  std::vector<int> pauses;
  int explosion_hides = 0;
  int music_starts = 0;
  int state_changes = 0;
  std::function<void()> during_pause;
};

class FakeScores : public ScoreRecorder {
 public:
  std::optional<std::string> noter_score(const std::string& level_file_name, double score,
                                         std::int16_t langue) override {
    recorded.emplace_back(level_file_name, score);
    if (!failing) return std::nullopt;
    return langue == 0 ? "Score perdu" : "Score lost";
  }
  std::vector<std::pair<std::string, double>> recorded;
  bool failing = false;  // every recording fails
};

// The levels folder: file names in browser order with their stored score texts.
class FakeCatalogue : public LevelCatalogue {
 public:
  std::vector<std::string> level_files() override {
    std::vector<std::string> names;
    for (const auto& [name, score] : levels) names.push_back(name);
    return names;
  }
  std::string stored_score_text(const std::string& level_file_name) override {
    for (const auto& [name, score] : levels) {
      if (name == level_file_name) return score;
    }
    return "0";
  }
  std::vector<std::pair<std::string, std::string>> levels;
};

}  // namespace drippo::testing
