#include "storage/program_folder.h"

#include <system_error>

namespace drippo {

bool is_plain_file_name(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto b = static_cast<unsigned char>(name[i]);
    if (b == '/' || b == '\\' || b < 0x20 || b == 0x7F) return false;
    // C1 controls U+0080..U+009F, encoded C2 80..C2 9F.
    if (b == 0xC2 && i + 1 < name.size()) {
      const auto next = static_cast<unsigned char>(name[i + 1]);
      if (next >= 0x80 && next <= 0x9F) return false;
    }
  }
  return true;
}

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
