#include "storage/shipped_files.h"

#include <algorithm>
#include <set>
#include <system_error>
#include <vector>

#include "storage/file_access.h"
#include "storage/level_name.h"
#include "storage/sha256.h"

namespace drippo {
namespace fs = std::filesystem;
namespace {

constexpr const char* manifest_name = ".shipped";
// Larger than any level, sound or tune we ship; a larger file is not ours.
constexpr std::size_t max_shipped_size = 16 * 1024 * 1024;
constexpr std::size_t max_manifest_size = 1024 * 1024;

std::vector<std::uint8_t> as_bytes(const std::string& text) { return {text.begin(), text.end()}; }

// The manifest's lines; a damaged or oversized one counts as empty, which
// only means no file there is taken for ours.
std::set<std::string> read_manifest(const fs::path& path) {
  std::set<std::string> lines;
  const auto bytes = read_whole_file(path, max_manifest_size);
  if (!bytes) return lines;
  std::string line;
  for (std::uint8_t b : *bytes) {
    if (b == '\n') {
      if (!line.empty()) lines.insert(line);
      line.clear();
    } else {
      line += static_cast<char>(b);
    }
  }
  if (!line.empty()) lines.insert(line);
  return lines;
}

// The names of the plain files of a shipped folder, in a fixed order.
std::vector<std::string> shipped_names(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::string name = it->path().filename().string();
    std::error_code type_ec;
    if (name == manifest_name || !is_plain_file_name(name) || !it->is_regular_file(type_ec)) continue;
    names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

// A file we laid that no longer ships goes, unless the player changed it.
// Nothing goes when the shipped folder could not be read at all.
void remove_no_longer_shipped(const fs::path& to, const std::set<std::string>& laid,
                              const std::vector<std::string>& shipped) {
  if (shipped.empty()) return;
  constexpr std::size_t hash_length = 64;
  std::error_code ec;
  for (const std::string& line : laid) {
    if (line.size() <= hash_length + 2) continue;  // damaged: it names nothing of ours
    const std::string name = line.substr(hash_length + 2);
    if (!is_plain_file_name(name) || std::binary_search(shipped.begin(), shipped.end(), name)) continue;
    const fs::path target = to / name;
    if (fs::symlink_status(target, ec).type() != fs::file_type::regular) continue;
    const auto bytes = read_whole_file(target, max_shipped_size);
    if (bytes && sha256_hex(*bytes) == line.substr(0, hash_length)) fs::remove(target, ec);
  }
}

// Lays one kind of file; false when something could not be written.
bool lay_folder(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  fs::create_directory(to, ec);
  if (!fs::is_directory(to, ec)) return false;
  const fs::path manifest = to / manifest_name;
  const std::set<std::string> laid = read_manifest(manifest);
  std::string new_manifest;
  bool all_written = true;
  const std::vector<std::string> shipped = shipped_names(from);
  for (const std::string& name : shipped) {
    const auto source = read_whole_file(from / name, max_shipped_size);
    if (!source) continue;
    const std::string source_hash = sha256_hex(*source);
    const fs::path target = to / name;
    const fs::file_status status = fs::symlink_status(target, ec);
    std::string target_hash;
    if (status.type() == fs::file_type::regular) {
      if (const auto bytes = read_whole_file(target, max_shipped_size)) target_hash = sha256_hex(*bytes);
    }
    // Only a missing file or one we laid ourselves: a link, a folder or
    // anything the player put under that name stays as it is.
    const bool missing = status.type() == fs::file_type::not_found;
    const bool ours_and_old = !target_hash.empty() && target_hash != source_hash &&
                              laid.count(target_hash + "  " + name) > 0;
    if (missing || ours_and_old) {
      if (replace_file(target, *source)) {
        all_written = false;
        continue;
      }
      target_hash = source_hash;
    }
    if (target_hash == source_hash) new_manifest += source_hash + "  " + name + "\n";
  }
  remove_no_longer_shipped(to, laid, shipped);
  const auto old_manifest = read_whole_file(manifest, max_manifest_size);
  if (!old_manifest || *old_manifest != as_bytes(new_manifest)) {
    if (replace_file(manifest, as_bytes(new_manifest))) all_written = false;
  }
  return all_written;
}

}  // namespace

std::string ShippedFilesError::message(std::int16_t langue) const {
  if (langue == 0) {
    return "Les fichiers livrés avec le jeu n'ont pas pu être copiés dans « " + folder.string() + " ».";
  }
  return "The files that come with the game could not be copied into \"" + folder.string() + "\".";
}

std::optional<ShippedFilesError> lay_shipped_files(const fs::path& source, const fs::path& dest) {
  std::error_code ec;
  fs::create_directories(dest, ec);
  if (!fs::is_directory(dest, ec)) return ShippedFilesError{dest};
  std::optional<ShippedFilesError> first_problem;
  for (const char* kind : {"tab", "wav", "mid"}) {
    if (!lay_folder(source / kind, dest / kind) && !first_problem) first_problem = ShippedFilesError{dest / kind};
  }
  return first_problem;
}

}  // namespace drippo
