#include "storage/score_file.h"

#include <cmath>
#include <cstdio>
#include <system_error>

#include "storage/file_access.h"

namespace drippo {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view level_extension = ".tab";

bool is_percentage(double v) { return v >= 0.0 && v <= 100.0; }  // false for NaN

// The file is only ever created empty here: "x" fails on anything already
// there, links included, and a failure changes nothing the player can see.
void leave_empty_file(const fs::path& path) {
  if (std::FILE* f = std::fopen(path.c_str(), "wbx")) std::fclose(f);
}

ScoreError::Kind from_write_failure(WriteFailure failure) {
  switch (failure) {
    case WriteFailure::FolderMissing: return ScoreError::Kind::FolderMissing;
    case WriteFailure::TargetNotAFile: return ScoreError::Kind::TargetNotAFile;
    case WriteFailure::WriteFailed: break;
  }
  return ScoreError::Kind::WriteFailed;
}

}  // namespace

std::optional<fs::path> score_path(const ProgramFolder& folder, std::string_view level_file_name) {
  if (!level_file_name.ends_with(level_extension)) return std::nullopt;
  if (!is_plain_file_name(level_file_name)) return std::nullopt;
  std::string name(level_file_name.substr(0, level_file_name.size() - level_extension.size()));
  return folder.sta() / (name + ".sta");
}

std::optional<TaggedValue> stored_score(std::span<const std::uint8_t> bytes) {
  SlotReader in(bytes);
  auto value = in.read_tagged();
  if (!value) return std::nullopt;
  switch (value.value().type) {
    case TaggedValue::Type::Int16:
    case TaggedValue::Type::Int32:
    case TaggedValue::Type::Float32:
    case TaggedValue::Type::Float64:
      // Above 100 no game could beat it, and the all-levels check would wait
      // forever for a "100": such a value was not written by a game.
      if (is_percentage(value.value().number)) return std::move(value).value();
      return std::nullopt;
    case TaggedValue::Type::Empty:
    case TaggedValue::Type::Text: break;
  }
  return std::nullopt;
}

std::string score_text(const std::optional<TaggedValue>& stored) {
  if (!stored) return "0";
  std::string text = stored->decimal_text();
  return text.empty() ? "0" : text;
}

std::optional<double> new_best(double score, const std::optional<TaggedValue>& stored) {
  if (!is_percentage(score)) return std::nullopt;
  const double a = std::floor(score);
  const double b = stored ? std::floor(stored->number) : 0.0;
  if (a > b) return a;
  return std::nullopt;
}

std::vector<std::uint8_t> score_bytes(double whole) {
  SlotWriter out;
  out.write_float64(whole);
  return std::move(out).bytes();
}

std::string ScoreError::reason(bool fr) const {
  switch (kind) {
    case Kind::Unreadable: return fr ? "l'ancien score ne peut pas être lu." : "the previous score cannot be read.";
    case Kind::FolderMissing: return fr ? "le dossier des scores est introuvable." : "the scores folder is missing.";
    case Kind::TargetNotAFile:
      return fr ? "un dossier porte le nom de son fichier de score." : "a folder has the name of its score file.";
    case Kind::WriteFailed: break;
  }
  return fr ? "l'écriture du fichier a échoué." : "the file could not be written.";
}

std::string ScoreError::message(std::int16_t langue) const {
  const bool fr = langue == 0;
  const std::string heading =
      fr ? "Impossible d'enregistrer le score du tableau « " + level_file_name + " » : "
         : "Cannot record the score of the level \"" + level_file_name + "\": ";
  return heading + reason(fr);
}

std::string ScoreError::message_line(std::int16_t langue) const {
  const bool fr = langue == 0;
  return (fr ? "Score non enregistré : " : "Score not recorded: ") + reason(fr);
}

Result<ScoreRecord, ScoreError> noter_score(const ProgramFolder& folder, std::string_view level_file_name,
                                            double score) {
  const auto path = score_path(folder, level_file_name);
  if (!path) return ScoreRecord::NotALevel;
  const std::string name(level_file_name);

  std::optional<TaggedValue> stored;
  auto bytes = read_file_part(*path, 0, slot_size);
  if (bytes) {
    stored = stored_score(bytes.value());
  } else if (bytes.error() == ReadFailure::NotAFile) {
    return ScoreError{ScoreError::Kind::TargetNotAFile, name};
  } else if (bytes.error() == ReadFailure::Unreadable) {
    // A best score we cannot see may be better than this one: keep it.
    return ScoreError{ScoreError::Kind::Unreadable, name};
  }

  const auto best = new_best(score, stored);
  if (!best) {
    if (!bytes) leave_empty_file(*path);
    return ScoreRecord::Kept;
  }
  std::error_code ignored;
  fs::create_directory(folder.sta(), ignored);  // replace_file tells if it is still missing
  if (const auto failure = replace_file(*path, score_bytes(*best))) {
    return ScoreError{from_write_failure(*failure), name};
  }
  return ScoreRecord::Written;
}

std::string lire_score(const ProgramFolder& folder, std::string_view level_file_name) {
  const auto path = score_path(folder, level_file_name);
  if (!path) return "0";
  auto bytes = read_file_part(*path, 0, slot_size);
  if (!bytes) {
    if (bytes.error() == ReadFailure::Missing) leave_empty_file(*path);
    return "0";
  }
  return score_text(stored_score(bytes.value()));
}

std::optional<std::string> FolderScoreRecorder::noter_score(const std::string& level_file_name, double score,
                                                            std::int16_t langue) {
  auto result = drippo::noter_score(folder_, level_file_name, score);
  if (result) return std::nullopt;
  return result.error().message_line(langue);
}

}  // namespace drippo
