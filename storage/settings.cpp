#include "storage/settings.h"

#include <system_error>

namespace drippo {
namespace fs = std::filesystem;
namespace {

std::int16_t Settings::*field(Setting s) {
  switch (s) {
    case Setting::bruitages: return &Settings::bruitages;
    case Setting::difficulte: return &Settings::difficulte;
    case Setting::langue: return &Settings::langue;
    case Setting::musique: return &Settings::musique;
  }
  return &Settings::langue;
}

constexpr Setting all_settings[] = {Setting::bruitages, Setting::difficulte, Setting::langue, Setting::musique};

// The player may have made config.dat read-only to keep his settings; the
// rename that replaces it would ignore that, so we look first.
bool marked_read_only(const fs::path& path) {
  std::error_code ec;
  const fs::file_status st = fs::status(path, ec);
  return fs::is_regular_file(st) && (st.permissions() & fs::perms::owner_write) == fs::perms::none;
}

}  // namespace

std::int16_t Settings::value(Setting s) const { return this->*field(s); }

void Settings::set(Setting s, std::int16_t v) { this->*field(s) = v; }

std::vector<std::uint8_t> settings_bytes(const Settings& s) {
  SlotWriter out;
  for (const Setting k : all_settings) out.write_int16(s.value(k));
  return std::move(out).bytes();
}

Settings settings_from_bytes(std::span<const std::uint8_t> bytes) {
  Settings s;
  SlotReader in(bytes);
  for (const Setting k : all_settings) {
    const std::size_t start = static_cast<std::size_t>(in.next_slot() - 1) * slot_size;
    // The reader gives 0 for a slot past the end; here that is a missing
    // setting, which keeps its default.
    const bool present = bytes.size() > start;
    const auto stored = in.read_int16();
    if (present && stored) s.set(k, declaration(k).taken(stored.value()));
  }
  return s;
}

std::string SettingsReadError::message(std::int16_t langue) const {
  if (langue == 0) {
    return "Impossible de lire la configuration, le fichier config.dat n'est pas un fichier lisible. "
           "Les réglages par défaut sont utilisés.";
  }
  return "Unable to read the preferences, config.dat is not a readable file. The default settings "
         "are used.";
}

AppliedSettings lire_reglages(const ProgramFolder& folder, SettingsTarget& target) {
  AppliedSettings applied;
  auto bytes = read_file_part(folder.config(), 0, settings_file_size);
  if (bytes) {
    applied.settings = settings_from_bytes(bytes.value());
  } else if (bytes.error() != ReadFailure::Missing) {
    applied.error = SettingsReadError{bytes.error()};
  }
  const Settings& r = applied.settings;

  target.use_settings(r);
  target.set_water_interval_ms(r.difficulte);
  // Music plays only at -1 everywhere else, so any other value is off and
  // must silence a track still playing, not only 0.
  if (r.musique == -1) {
    target.piste_suivante();
  } else {
    target.stop_music();
    target.close_music();
  }
  target.show_captions(textes_de_langue(r.langue));
  return applied;
}

std::optional<std::string> ecrire_reglages(const ProgramFolder& folder, const Settings& s) {
  const fs::path path = folder.config();
  if (!marked_read_only(path) && !replace_file(path, settings_bytes(s))) return std::nullopt;
  if (s.langue == 0) {
    return "Impossible de sauver la configuration, le fichier config.dat doit être en lecture seul.";
  }
  return "Unable to save the preferences, the config.dat file may be in a read only mode.";
}

std::vector<std::string> start_storage(const ProgramFolder& folder, SettingsTarget& target) {
  const auto folder_error = folder.ensure_folders();
  const AppliedSettings applied = lire_reglages(folder, target);
  std::vector<std::string> lines;
  if (applied.error) lines.push_back(applied.error->message(applied.settings.langue));
  if (folder_error) lines.push_back(folder_error->message(applied.settings.langue));
  return lines;
}

}  // namespace drippo
