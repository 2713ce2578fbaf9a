#include "storage/game_folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>
#include <vector>

namespace drippo {
namespace fs = std::filesystem;
namespace {

std::string env_value(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}

std::string account_home() {
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) return {};
  return found->pw_dir ? std::string(found->pw_dir) : std::string();
}

bool is_own_writable_dir(const fs::path& folder) {
  struct stat st {};
  if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  return st.st_uid == ::geteuid() && ::access(folder.c_str(), W_OK) == 0;
}

bool is_installed(const fs::path& program_dir) {
  std::error_code ec;
  return program_dir.filename() == "bin" && fs::is_directory(program_dir.parent_path() / "share" / "drippo", ec) &&
         !fs::exists(fs::symlink_status(program_dir / "tab", ec));
}

bool same_folder(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  return a.lexically_normal() == b.lexically_normal() || fs::equivalent(a, b, ec);
}

}  // namespace

UserEnvironment UserEnvironment::of_this_process() {
  UserEnvironment env{env_value("HOME"), env_value("XDG_DATA_HOME")};
  if (env.home.empty()) env.home = account_home();
  return env;
}

std::optional<fs::path> user_data_folder(const UserEnvironment& env) {
  const fs::path xdg(env.xdg_data_home);
  if (xdg.is_absolute()) return xdg / "drippo";
  const fs::path home(env.home);
  if (home.is_absolute()) return home / ".local" / "share" / "drippo";
  return std::nullopt;
}

bool is_own_writable_folder(const fs::path& folder) {
  if (!is_own_writable_dir(folder)) return false;
  for (const char* sub : {"tab", "sta"}) {
    struct stat st {};
    const fs::path path = folder / sub;
    if (::lstat(path.c_str(), &st) != 0) continue;  // made when needed, as a real folder
    if (!is_own_writable_dir(path)) return false;
  }
  return true;
}

GameFolders choose_game_folders(const fs::path& program_dir, const UserEnvironment& env) {
  const bool installed = is_installed(program_dir);
  if (!installed && is_own_writable_folder(program_dir)) return {ProgramFolder(program_dir), std::nullopt};
  const fs::path shipped = installed ? program_dir.parent_path() / "share" / "drippo" : program_dir;
  const auto user = user_data_folder(env);
  // No home at all: the shipped files can still be played, though what the
  // player makes has nowhere to go.
  if (!user) return {ProgramFolder(shipped), std::nullopt};
  // Installed into the player's own ~/.local: the shipped files are his already.
  if (same_folder(*user, shipped)) return {ProgramFolder(*user), std::nullopt};
  return {ProgramFolder(*user), shipped};
}

}  // namespace drippo
