#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "storage/level_file.h"
#include "storage/level_name.h"
#include "storage/program_folder.h"
#include "storage/slot_file.h"

namespace drippo {

// A level file another player sent, added to the levels folder.
struct ImportedLevel {
  std::string file_name;  // its name in the levels folder, with ".tab"
  bool replaced = false;  // a level of that name was there and the player let it go
};

struct ImportRefusal {
  enum class Why {
    NotALevelFile,  // its name does not end in ".tab"
    BadName,        // the name before ".tab" breaks the level-name rule
    TooLarge,       // larger than any level file
    BadLevel,       // missing, not a plain file, unreadable, or not a level
    NotCopied,      // the copy could not be written
    Declined,       // the player kept the level of that name
  };
  Why why;
  std::string file_name;           // as it would be in the levels folder
  LevelNameProblem name_problem{};  // BadName
  LevelError level_error{};         // BadLevel and NotCopied

  // One line for the player, French when langue is 0, English otherwise;
  // empty when he declined, having been asked already.
  std::string message(std::int16_t langue) const;
};

// Checks the file at `source` with the level reader, and copies it as it is
// into the levels folder under its own name (with its ".tab" in lower case).
// Only a plain file no larger than a level file is read. When a different
// level of that name is there, `may_replace` is asked, with the file's name;
// the same level there already is no question and no copy.
Result<ImportedLevel, ImportRefusal> import_level(const std::filesystem::path& source, const ProgramFolder& folder,
                                                  const std::function<bool(const std::string& file_name)>& may_replace);

}  // namespace drippo
