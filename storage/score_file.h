#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "game/ports.h"
#include "storage/program_folder.h"
#include "storage/slot_file.h"

namespace drippo {

// Each level keeps its best score, a whole percentage, in sta/<name>.sta: a
// slot file of one slot holding one tagged value. An empty file, or none,
// means no score yet.

// sta/<name>.sta for the level file <name>.tab. Nothing for any other name:
// the editor's unsaved level "nouveau" would otherwise become "nou.sta" and
// could overwrite the score of a level really named "nou".
std::optional<std::filesystem::path> score_path(const ProgramFolder& folder,
                                                std::string_view level_file_name);

// The best score in a score file's bytes: a number of type 2, 3, 4 or 5 from
// 0 to 100. Nothing when the file holds no score, or anything that is not a
// percentage (text, an unknown type, a cut value, NaN, infinity, out of range).
std::optional<TaggedValue> stored_score(std::span<const std::uint8_t> bytes);

// As the level browser shows a stored score: its decimal text, "0" for none.
std::string score_text(const std::optional<TaggedValue>& stored);

// The whole part of a game's score when it beats the stored score's whole
// part (none counts as 0); nothing otherwise, nor for a score that is not a
// percentage.
std::optional<double> new_best(double score, const std::optional<TaggedValue>& stored);

// The bytes of a score file holding `whole` as type 5.
std::vector<std::uint8_t> score_bytes(double whole);

struct ScoreError {
  enum class Kind {
    Unreadable,      // a score is there but cannot be read, so it is not replaced
    FolderMissing,   // no sta folder, and it cannot be created
    TargetNotAFile,  // a folder or a device has the score file's name
    WriteFailed,
  };

  Kind kind;
  std::string level_file_name;

  // One line for the player: French when langue is 0, English otherwise.
  std::string message(std::int16_t langue) const;
  // The same for the game's message line, which is narrow and already sits
  // beside the level's name: the reason alone, after a short heading.
  std::string message_line(std::int16_t langue) const;

 private:
  std::string reason(bool french) const;
};

enum class ScoreRecord {
  Written,    // the score is the level's new best
  Kept,       // the stored score is as good: nothing written
  NotALevel,  // the name is not a level file's: nothing to record
};

// Records `score` (a percentage) for the level when its whole part beats the
// stored one. The new file replaces the old one whole or not at all; the sta
// folder is created when missing.
Result<ScoreRecord, ScoreError> noter_score(const ProgramFolder& folder,
                                            std::string_view level_file_name, double score);

// The level's stored score as the browser shows it; "0" when there is none
// or it cannot be read. Never fails.
std::string lire_score(const ProgramFolder& folder, std::string_view level_file_name);

// The game's way to record scores in the program folder.
class FolderScoreRecorder : public ScoreRecorder {
 public:
  explicit FolderScoreRecorder(ProgramFolder folder) : folder_(std::move(folder)) {}

  std::optional<std::string> noter_score(const std::string& level_file_name, double score,
                                         std::int16_t langue) override;

 private:
  ProgramFolder folder_;
};

}  // namespace drippo
