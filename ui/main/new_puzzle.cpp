// A level made on demand from the level browser: played, or edited and saved,
// like a level of the folder, though no file holds it until the player saves it.
#include <QRandomGenerator>

#include "solver/generator.h"
#include "ui/main/main_window.h"

namespace drippo::ui {
namespace {

std::string puzzle_title(solve::Difficulty difficulty, std::uint32_t seed, std::int16_t langue) {
  static constexpr const char* french[] = {"Énigme facile", "Énigme moyenne", "Énigme difficile"};
  static constexpr const char* english[] = {"Easy puzzle", "Medium puzzle", "Hard puzzle"};
  const auto row = static_cast<std::size_t>(difficulty);
  // Without ".tab" the name is no level file's: no score is kept for it.
  return std::string(langue == 0 ? french[row] : english[row]) + " n°" + std::to_string(seed);
}

}  // namespace

PuzzleMaker MainWindow::puzzle_maker() {
  // The browser is modal: the language cannot change while a level is made.
  const std::int16_t langue = game_->settings().langue;
  auto make = [langue](solve::Difficulty difficulty, const std::atomic<bool>& cancel) -> std::optional<MadePuzzle> {
    const std::uint32_t seed = QRandomGenerator::global()->generate();
    auto made = solve::generate(difficulty, seed, solve::generation_seconds, &cancel);
    if (!made) return std::nullopt;
    return MadePuzzle{puzzle_title(difficulty, seed, langue), std::move(made->level)};
  };
  auto put = [this, langue](std::optional<MadePuzzle> made) {
    if (!made) {
      questions().tell(this, langue == 0 ? QString::fromUtf8("Aucune énigme n'a pu être prouvée à temps. Réessayez.")
                                         : QString("No puzzle could be proven in time. Please try again."));
      return false;
    }
    made_level_ = std::move(*made);
    game_->load_level(made_level_->level, made_level_->title);
    return true;
  };
  return {make, put};
}

}  // namespace drippo::ui
