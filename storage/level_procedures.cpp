#include "storage/level_procedures.h"

#include "storage/level_name.h"

namespace drippo {

std::optional<LevelError> load_level_path(Game& game, const std::filesystem::path& path) {
  const std::string file_name = path.filename().string();
  // A level must not change in the middle of a tick.
  if (game.in_tick()) return LevelError{LevelError::Kind::Unreadable, file_name};
  auto level = read_level_file(path);
  if (!level) return level.error();
  game.load_level(level.value(), file_name);
  return std::nullopt;
}

std::optional<LevelError> lire_tableau(Game& game, const ProgramFolder& folder,
                                       const std::string& file_name) {
  const auto path = folder.level_path(file_name);
  if (!path) return LevelError{LevelError::Kind::Missing, file_name};
  // A level must not change in the middle of a tick.
  if (game.in_tick()) return LevelError{LevelError::Kind::Unreadable, file_name};
  auto level = read_level_file(*path);
  if (!level) return level.error();
  game.load_level(level.value(), file_name);
  return std::nullopt;
}

std::optional<LevelError> ecrire_tableau(Game& game, const ProgramFolder& folder,
                                         const std::string& name, const std::string& author) {
  const std::string file_name = name + ".tab";
  // The save dialog asks for a better name first; this guards every other caller.
  const auto path = level_name_problem(name) ? std::nullopt : folder.level_path(file_name);
  if (!path) return LevelError{LevelError::Kind::WriteFailed, file_name};
  if (auto error = write_level_file(*path, game.editor().level_for_saving(author))) return error;
  game.editor().level_saved(name, author);
  return std::nullopt;
}

Result<std::string, LevelError> lire_entete(const ProgramFolder& folder, const std::string& file_name) {
  const auto path = folder.level_path(file_name);
  if (!path) return LevelError{LevelError::Kind::Missing, file_name};
  return read_level_author(*path);
}

}  // namespace drippo
