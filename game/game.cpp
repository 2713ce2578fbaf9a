#include "game/game.h"

namespace drippo {

const char* sound_name(Sound s) {
  switch (s) {
    case Sound::Water: return "water";
    case Sound::Hurry: return "hurry";
    case Sound::Meow: return "meow";
    case Sound::Poof: return "poof";
    case Sound::Griou: return "griou";
    case Sound::Goal: return "goal";
  }
  return "";
}

Game::Game(GameView& view, ScoreRecorder& scores, LevelCatalogue& levels)
    : view_(view),
      table_(view, settings_),
      window_(table_, view),
      play_(table_, window_, view, scores, levels),
      editor_(table_, view),
      placing_(table_, editor_) {}

void Game::verser_goutte(int i, const std::string& letter) {
  if (letter == "G") water().pour(i, going_left);
  else if (letter == "D") water().pour(i, going_right);
  else if (letter == "B") water().pour(i, falling);
}

}  // namespace drippo
