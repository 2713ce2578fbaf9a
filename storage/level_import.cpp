#include "storage/level_import.h"

#include <system_error>

#include "storage/file_access.h"

namespace drippo {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view extension = ".tab";

bool ends_with_extension(const std::string& name) {
  if (name.size() < extension.size()) return false;
  const std::string tail = name.substr(name.size() - extension.size());
  for (std::size_t i = 0; i < tail.size(); ++i) {
    const char c = tail[i] >= 'A' && tail[i] <= 'Z' ? static_cast<char>(tail[i] - 'A' + 'a') : tail[i];
    if (c != extension[i]) return false;
  }
  return true;
}

ImportRefusal refusal(ImportRefusal::Why why, const std::string& file_name) { return {why, file_name, {}, {}}; }

ImportRefusal bad_level(LevelError::Kind kind, const std::string& file_name) {
  ImportRefusal r = refusal(ImportRefusal::Why::BadLevel, file_name);
  r.level_error = LevelError{kind, file_name};
  return r;
}

}  // namespace

std::string ImportRefusal::message(std::int16_t langue) const {
  const bool fr = langue == 0;
  switch (why) {
    case Why::NotALevelFile:
      return fr ? "« " + file_name + " » n'est pas un tableau : son nom ne finit pas par .tab."
                : "\"" + file_name + "\" is not a level: its name does not end in .tab.";
    case Why::BadName:
      return level_name_message(name_problem, file_name.substr(0, file_name.size() - extension.size()), langue);
    case Why::TooLarge:
      return fr ? "« " + file_name + " » n'est pas un tableau : le fichier est trop gros."
                : "\"" + file_name + "\" is not a level: the file is too large.";
    case Why::BadLevel:
    case Why::NotCopied: return level_error.message(langue);
    case Why::Declined: return {};
  }
  return {};
}

Result<ImportedLevel, ImportRefusal> import_level(const fs::path& source, const ProgramFolder& folder,
                                                  const std::function<bool(const std::string&)>& may_replace) {
  using Why = ImportRefusal::Why;
  const std::string given = source.filename().string();
  if (!ends_with_extension(given)) return refusal(Why::NotALevelFile, given);
  const std::string stem = given.substr(0, given.size() - extension.size());
  const std::string file_name = stem + std::string(extension);
  if (const auto problem = level_name_problem(stem)) {
    ImportRefusal r = refusal(Why::BadName, file_name);
    r.name_problem = *problem;
    return r;
  }

  // Looked at before a byte is read: a pipe would block, a device do something.
  std::error_code ec;
  const fs::file_status status = fs::status(source, ec);
  if (status.type() == fs::file_type::not_found) return bad_level(LevelError::Kind::Missing, file_name);
  if (status.type() != fs::file_type::regular) return bad_level(LevelError::Kind::NotAFile, file_name);
  const std::uintmax_t size = fs::file_size(source, ec);
  if (!ec && size > level_file_size) return refusal(Why::TooLarge, file_name);
  const auto bytes = read_whole_file(source, level_file_size);
  if (!bytes) return bad_level(LevelError::Kind::Unreadable, file_name);
  if (auto level = level_from_bytes(*bytes, file_name); !level) {
    ImportRefusal r = refusal(Why::BadLevel, file_name);
    r.level_error = level.error();
    return r;
  }

  const fs::path target = folder.tab() / file_name;
  const fs::file_status there = fs::symlink_status(target, ec);
  bool replaced = false;
  if (fs::exists(there) && !fs::is_regular_file(there) && !fs::is_symlink(there)) {
    ImportRefusal r = refusal(Why::NotCopied, file_name);
    r.level_error = LevelError{LevelError::Kind::TargetNotAFile, file_name};
    return r;
  }
  if (fs::exists(there)) {
    // The very file, or the same level again: it is there already.
    if (fs::equivalent(source, target, ec) || read_whole_file(target, level_file_size) == bytes) {
      return ImportedLevel{file_name, false};
    }
    if (!may_replace(file_name)) return refusal(Why::Declined, file_name);
    replaced = true;
  }
  if (const auto failure = replace_file(target, *bytes)) {
    ImportRefusal r = refusal(Why::NotCopied, file_name);
    const auto kind = *failure == WriteFailure::FolderMissing    ? LevelError::Kind::FolderMissing
                      : *failure == WriteFailure::TargetNotAFile ? LevelError::Kind::TargetNotAFile
                                                                 : LevelError::Kind::WriteFailed;
    r.level_error = LevelError{kind, file_name};
    return r;
  }
  return ImportedLevel{file_name, replaced};
}

}  // namespace drippo
