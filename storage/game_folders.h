#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "storage/program_folder.h"

namespace drippo {

// What the game needs of its environment to find the player's own folder.
struct UserEnvironment {
  std::string home;           // $HOME, else the account's home folder
  std::string xdg_data_home;  // $XDG_DATA_HOME, often unset

  static UserEnvironment of_this_process();
};

// $XDG_DATA_HOME/drippo, else ~/.local/share/drippo. Relative values are
// ignored, as the XDG rules say: they would depend on where the game was
// started. Nothing without an absolute home.
std::optional<std::filesystem::path> user_data_folder(const UserEnvironment& env);

// True when the game may keep the player's files in `folder`: a real folder
// of this user that this user can write (a read-only disk says no), whose tab
// and sta, where they exist, are real folders of this user too. A link put
// there for tab or sta could send the player's files elsewhere.
bool is_own_writable_folder(const std::filesystem::path& folder);

struct GameFolders {
  // Where levels, scores and settings are read and written, and the sounds
  // and tunes read.
  ProgramFolder player;
  // Where the shipped levels, sounds and tunes come from, when they must be
  // laid into `player` first.
  std::optional<std::filesystem::path> shipped;
};

// A game in a folder of its own that the player may write (the build folder,
// a copy in his home) keeps everything beside itself. Installed (bin/drippo
// with share/drippo beside bin) or in a folder it may not write, it keeps the
// player's files in his data folder and lays the shipped ones there.
GameFolders choose_game_folders(const std::filesystem::path& program_dir, const UserEnvironment& env);

}  // namespace drippo
