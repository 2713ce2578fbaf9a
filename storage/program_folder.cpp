#include "storage/program_folder.h"

#include <system_error>

namespace drippo {

std::string FolderError::message(std::int16_t langue) const {
  if (langue == 0) return "Impossible de créer le dossier « " + folder.string() + " ».";
  return "Cannot create the folder \"" + folder.string() + "\".";
}

std::optional<std::filesystem::path> ProgramFolder::level_path(std::string_view file_name) const {
  if (!is_plain_file_name(file_name)) return std::nullopt;
  return tab() / file_name;
}

std::optional<FolderError> ProgramFolder::ensure_folders() const {
  for (const std::filesystem::path& folder : {tab(), sta()}) {
    std::error_code ec;
    // Only the last level: a missing program folder is not ours to create.
    std::filesystem::create_directory(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) return FolderError{folder};
  }
  return std::nullopt;
}

}  // namespace drippo
