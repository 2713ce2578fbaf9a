#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "storage/level_name.h"

namespace drippo {

struct FolderError {
  std::filesystem::path folder;
  // One line for the player: French when langue is 0, English otherwise.
  std::string message(std::int16_t langue) const;
};

// Where the game keeps its files: everything sits beside the program.
class ProgramFolder {
 public:
  explicit ProgramFolder(std::filesystem::path root) : root_(std::move(root)) {}

  const std::filesystem::path& root() const { return root_; }
  std::filesystem::path tab() const { return root_ / "tab"; }  // levels
  std::filesystem::path sta() const { return root_ / "sta"; }  // best scores
  std::filesystem::path wav() const { return root_ / "wav"; }  // sound effects
  std::filesystem::path mid() const { return root_ / "mid"; }  // music
  std::filesystem::path config() const { return root_ / "config.dat"; }

  // tab/file_name, file_name with its ".tab"; nothing for a name that is not
  // a plain file name.
  std::optional<std::filesystem::path> level_path(std::string_view file_name) const;

  // Creates tab and sta when missing, so a first save or score has somewhere to go.
  std::optional<FolderError> ensure_folders() const;

 private:
  std::filesystem::path root_;
};

}  // namespace drippo
