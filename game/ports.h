#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace drippo {

// Records a finished game's score for a level when it beats the stored one.
class ScoreRecorder {
 public:
  virtual ~ScoreRecorder() = default;
  // When the score could not be recorded, says why, for the message line, in
  // the player's language (French when langue is 0, English otherwise);
  // nothing when it was recorded or did not need to be.
  virtual std::optional<std::string> noter_score(const std::string& level_file_name, double score,
                                                 std::int16_t langue) = 0;
};

// The levels folder as the level browser lists it, with the stored scores.
class LevelCatalogue {
 public:
  virtual ~LevelCatalogue() = default;
  // File names with their ".tab" extension, in the browser's order.
  virtual std::vector<std::string> level_files() = 0;
  // The best score shown for a level, as the browser shows it ("0" when none).
  virtual std::string stored_score_text(const std::string& level_file_name) = 0;
};

}  // namespace drippo
