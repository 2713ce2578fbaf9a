#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "game/ports.h"
#include "storage/program_folder.h"

namespace drippo {

// The level files of a folder in the order the level browser shows them:
// every plain file whose name ends in ".tab", by name ignoring the case of
// ASCII letters. Folders, and names the game could not load, are left out.
// Empty when the folder is missing or cannot be read.
std::vector<std::string> list_level_files(const std::filesystem::path& tab_folder);

// The levels folder with the best score of each level, for the all-levels check.
class FolderLevelCatalogue : public LevelCatalogue {
 public:
  explicit FolderLevelCatalogue(ProgramFolder folder) : folder_(std::move(folder)) {}

  std::vector<std::string> level_files() override;
  std::string stored_score_text(const std::string& level_file_name) override;

 private:
  ProgramFolder folder_;
};

}  // namespace drippo
