#include "storage/level_file.h"

#include <cmath>

#include "storage/cp1252.h"
#include "storage/file_access.h"

namespace drippo {
namespace fs = std::filesystem;
namespace {

constexpr std::size_t author_offset = (level_slots - 1) * slot_size;

LevelError error_at(LevelError::Kind kind, const std::string& file_name, int slot = 0) {
  return LevelError{kind, file_name, slot};
}

LevelError from_slot_error(const SlotError& e, const std::string& file_name) {
  switch (e.kind) {
    case SlotErrorKind::Truncated: return error_at(LevelError::Kind::Truncated, file_name, e.slot);
    case SlotErrorKind::LengthOverrunsSlot: break;
    case SlotErrorKind::UnknownTaggedType:
      return error_at(LevelError::Kind::UnknownValue, file_name, e.slot);
  }
  return error_at(LevelError::Kind::Damaged, file_name, e.slot);
}

bool is_water_field(std::int16_t v) { return v == 0 || v == 1; }

// Stock, time and water are texts in our files; other writers may have stored
// numbers, which the boxes show in decimal. No box can show NaN or an
// infinity, and no hand would have typed one: such a file was made to harm.
Result<std::string, LevelError> read_box_text(SlotReader& in, const std::string& file_name) {
  const int slot = in.next_slot();
  auto v = in.read_tagged();
  if (!v) return from_slot_error(v.error(), file_name);
  if (v.value().type == TaggedValue::Type::Text) return utf8_from_cp1252(v.value().text);
  if (!std::isfinite(v.value().number)) return error_at(LevelError::Kind::NonFinite, file_name, slot);
  return v.value().decimal_text();
}

// Up to `count` bytes from `offset`, after checking that a plain file is there.
Result<std::vector<std::uint8_t>, LevelError> read_part(const fs::path& path, std::size_t offset,
                                                        std::size_t count) {
  const std::string name = path.filename().string();
  auto bytes = read_file_part(path, offset, count);
  if (bytes) return std::move(bytes).value();
  switch (bytes.error()) {
    case ReadFailure::Missing: return error_at(LevelError::Kind::Missing, name);
    case ReadFailure::NotAFile: return error_at(LevelError::Kind::NotAFile, name);
    case ReadFailure::Unreadable: break;
  }
  return error_at(LevelError::Kind::Unreadable, name);
}

}  // namespace

std::string LevelError::message(std::int16_t langue) const {
  using K = Kind;
  const bool fr = langue == 0;
  const bool saving = kind == K::FolderMissing || kind == K::TargetNotAFile || kind == K::WriteFailed;
  std::string line;
  if (fr) {
    line = std::string(saving ? "Impossible d'enregistrer le tableau « " : "Impossible de lire le tableau « ") +
           file_name + " » : ";
  } else {
    line = std::string(saving ? "Cannot save the level \"" : "Cannot read the level \"") + file_name +
           "\": ";
  }
  switch (kind) {
    case K::Missing: return line + (fr ? "le fichier est introuvable." : "the file is missing.");
    case K::NotAFile: return line + (fr ? "ce n'est pas un fichier." : "it is not a file.");
    case K::Unreadable:
      return line + (fr ? "le fichier ne peut pas être lu." : "the file cannot be read.");
    case K::Truncated: return line + (fr ? "le fichier est incomplet." : "the file is incomplete.");
    case K::Damaged: return line + (fr ? "le fichier est endommagé." : "the file is damaged.");
    case K::UnknownValue:
      return line + (fr ? "il contient une valeur d'un type inconnu." : "it holds a value of an unknown type.");
    case K::BadPiece:
      return line + (fr ? "il contient une pièce inconnue." : "it holds an unknown piece.");
    case K::BadWater:
      return line + (fr ? "une case contient une quantité d'eau invalide."
                        : "a cell holds an invalid amount of water.");
    case K::NonFinite:
      return line + (fr ? "il contient un nombre infini ou indéfini." : "it holds an infinite or undefined number.");
    case K::FolderMissing:
      return line + (fr ? "le dossier des tableaux est introuvable." : "the levels folder is missing.");
    case K::TargetNotAFile:
      return line + (fr ? "un dossier porte déjà ce nom." : "a folder already has that name.");
    case K::WriteFailed:
      return line + (fr ? "l'écriture du fichier a échoué." : "the file could not be written.");
  }
  return line;
}

std::vector<std::uint8_t> level_bytes(const LevelData& level) {
  SlotWriter out;
  for (Cellule c : level.cells) {
    c.eau_g = c.eau_d = c.eau_b = 0;
    out.write_cell(c);
  }
  for (int t = 1; t <= nb_types; ++t) {
    const std::string& stock = level.stocks[t];
    out.write_text(stock == "0" ? std::string() : cp1252_from_utf8(stock));
  }
  out.write_text(cp1252_from_utf8(level.time));
  out.write_text(cp1252_from_utf8(level.water));
  out.write_string(cp1252_from_utf8(level.author));
  return std::move(out).bytes();
}

Result<LevelData, LevelError> level_from_bytes(std::span<const std::uint8_t> bytes,
                                               const std::string& file_name) {
  SlotReader in(bytes);
  LevelData level;
  for (Cellule& cell : level.cells) {
    const int slot = in.next_slot();
    auto c = in.read_cell();
    if (!c) return from_slot_error(c.error(), file_name);
    if (!is_valid_piece(c.value().piece)) return error_at(LevelError::Kind::BadPiece, file_name, slot);
    if (!is_water_field(c.value().eau_g) || !is_water_field(c.value().eau_d) ||
        !is_water_field(c.value().eau_b)) {
      return error_at(LevelError::Kind::BadWater, file_name, slot);
    }
    cell = c.value();
  }
  for (int t = 1; t <= nb_types; ++t) {
    auto text = read_box_text(in, file_name);
    if (!text) return text.error();
    level.stocks[t] = std::move(text).value();
  }
  for (std::string* box : {&level.time, &level.water}) {
    auto text = read_box_text(in, file_name);
    if (!text) return text.error();
    *box = std::move(text).value();
  }
  auto author = in.read_string();
  if (!author) return from_slot_error(author.error(), file_name);
  level.author = utf8_from_cp1252(author.value());
  return level;
}

Result<LevelData, LevelError> read_level_file(const fs::path& path) {
  auto bytes = read_part(path, 0, level_file_size);
  if (!bytes) return bytes.error();
  return level_from_bytes(bytes.value(), path.filename().string());
}

std::optional<LevelError> write_level_file(const fs::path& path, const LevelData& level) {
  const auto failure = replace_file(path, level_bytes(level));
  if (!failure) return std::nullopt;
  const std::string name = path.filename().string();
  switch (*failure) {
    case WriteFailure::FolderMissing: return error_at(LevelError::Kind::FolderMissing, name);
    case WriteFailure::TargetNotAFile: return error_at(LevelError::Kind::TargetNotAFile, name);
    case WriteFailure::WriteFailed: break;
  }
  return error_at(LevelError::Kind::WriteFailed, name);
}

Result<std::string, LevelError> read_level_author(const fs::path& path) {
  auto bytes = read_part(path, author_offset, slot_size);
  if (!bytes) return bytes.error();
  SlotReader in(bytes.value());
  auto author = in.read_string();
  if (!author) {
    SlotError e = author.error();
    e.slot = level_slots;
    return from_slot_error(e, path.filename().string());
  }
  return utf8_from_cp1252(author.value());
}

}  // namespace drippo
