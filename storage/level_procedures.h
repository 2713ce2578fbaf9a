#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "game/game.h"
#include "storage/level_file.h"
#include "storage/program_folder.h"

namespace drippo {

// The level file procedures of the game, between the board and the levels
// folder. Each reads or writes the whole file before it touches the game, so a
// missing, damaged or hostile file leaves the board exactly as it was.

// Loads tab/file_name onto the board, to play or to edit as the game's
// mode_jeu says.
std::optional<LevelError> lire_tableau(Game& game, const ProgramFolder& folder,
                                       const std::string& file_name);

// The same for a level file anywhere (the command-line tools).
std::optional<LevelError> load_level_path(Game& game, const std::filesystem::path& path);

// Saves the board as tab/name.tab with its author. On success the board is
// the saved level; on failure the game still holds unsaved work.
std::optional<LevelError> ecrire_tableau(Game& game, const ProgramFolder& folder,
                                         const std::string& name, const std::string& author);

// The author of tab/file_name, for the level browser; the board is not touched.
Result<std::string, LevelError> lire_entete(const ProgramFolder& folder, const std::string& file_name);

}  // namespace drippo
