#pragma once

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "game/game.h"
#include "game/level_data.h"
#include "support/fake_view.h"

namespace drippo::testing {

// A tiny level in code: empty board, no stock, no time, no water unless asked.
class LevelBuilder {
 public:
  LevelBuilder& put(int cell, int piece) {
    level_.cells[static_cast<std::size_t>(cell)].piece = static_cast<std::int16_t>(piece);
    return *this;
  }
  LevelBuilder& put(std::initializer_list<int> cells, int piece) {
    for (int c : cells) put(c, piece);
    return *this;
  }
  LevelBuilder& stock(int t, std::string text) {
    level_.stocks[static_cast<std::size_t>(t)] = std::move(text);
    return *this;
  }
  LevelBuilder& time(std::string text) {
    level_.time = std::move(text);
    return *this;
  }
  LevelBuilder& water(std::string text) {
    level_.water = std::move(text);
    return *this;
  }
  Cellule& cell(int i) { return level_.cells[static_cast<std::size_t>(i)]; }
  operator LevelData() const { return level_; }

 private:
  LevelData level_{};
};

// A game wired to recording fakes, with the moves tests make most.
struct Table {
  FakeView view;
  FakeScores scores;
  FakeCatalogue levels;
  Game game{view, scores, levels};

  // Loads the level to play and starts the water at once, as the countdown would.
  void play(const LevelData& level, const std::string& file = "essai.tab") {
    game.set_mode_jeu(ModeJeu::Jouer);
    game.load_level(level, file);
    game.play().start_water();
  }
  void edit(const LevelData& level, const std::string& file = "essai.tab") {
    game.set_mode_jeu(ModeJeu::Charger);
    game.load_level(level, file);
  }
  void ticks(int n) {
    for (int k = 0; k < n; ++k) game.timer_eau_Timer();
  }
  CellRef at(int i) { return game.water().cell_ref(i); }
  // A drop put straight into a cell: 'B' falling, 'D' moving right, 'G' moving left.
  void drop(int i, char dir, const char* sens = "") {
    const CellRef c = at(i);
    if (dir == 'B') c.eau_b = 1;
    if (dir == 'D') c.eau_d = 1;
    if (dir == 'G') c.eau_g = 1;
    c.sens = Sens::from_text(sens);
  }
  // Every drop on the board, sorted: "119B:G" falls in 119 heading left,
  // "101D" moves right in 101, "99G" moves left in 99.
  std::vector<std::string> wet() const {
    std::vector<std::string> out;
    for (int i = 0; i <= derniere_case; ++i) {
      const Cellule& c = game.table().cell(i);
      if (c.eau_b > 0) out.push_back(std::to_string(i) + "B:" + c.sens.text());
      if (c.eau_d > 0) out.push_back(std::to_string(i) + "D");
      if (c.eau_g > 0) out.push_back(std::to_string(i) + "G");
    }
    std::sort(out.begin(), out.end());
    return out;
  }
  bool board_dry() const {
    for (const Cellule& c : game.water().board()) {
      if (c.has_water()) return false;
    }
    return true;
  }
};

}  // namespace drippo::testing
