#include "storage/settings.h"

#include <system_error>

namespace drippo {
namespace fs = std::filesystem;
namespace {

constexpr int marker_offset = 120;  // a marker is 120 twips larger than its button on every side

std::int16_t Reglages::*field(Reglage r) {
  switch (r) {
    case Reglage::bruitages: return &Reglages::bruitages;
    case Reglage::difficulte: return &Reglages::difficulte;
    case Reglage::langue: return &Reglages::langue;
    case Reglage::musique: return &Reglages::musique;
  }
  return &Reglages::langue;
}

constexpr Reglage all_reglages[] = {Reglage::bruitages, Reglage::difficulte, Reglage::langue,
                                    Reglage::musique};

// The player may have made config.dat read-only to keep his settings; the
// rename that replaces it would ignore that, so we look first.
bool marked_read_only(const fs::path& path) {
  std::error_code ec;
  const fs::file_status st = fs::status(path, ec);
  return fs::is_regular_file(st) && (st.permissions() & fs::perms::owner_write) == fs::perms::none;
}

}  // namespace

std::int16_t Reglages::value(Reglage r) const { return this->*field(r); }

void Reglages::set(Reglage r, std::int16_t v) { this->*field(r) = v; }

std::vector<std::uint8_t> reglages_bytes(const Reglages& r) {
  SlotWriter out;
  for (const Reglage k : all_reglages) out.write_int16(r.value(k));
  return std::move(out).bytes();
}

Reglages reglages_from_bytes(std::span<const std::uint8_t> bytes) {
  Reglages r;
  SlotReader in(bytes);
  for (const Reglage k : all_reglages) {
    const std::size_t start = static_cast<std::size_t>(in.next_slot() - 1) * slot_size;
    // The reader gives 0 for a slot past the end; here that is a missing
    // setting, which keeps its default.
    const bool present = bytes.size() > start;
    const auto stored = in.read_int16();
    if (present && stored) r.set(k, declaration(k).lu(stored.value()));
  }
  return r;
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
    applied.reglages = reglages_from_bytes(bytes.value());
  } else if (bytes.error() != ReadFailure::Missing) {
    applied.error = SettingsReadError{bytes.error()};
  }
  const Reglages& r = applied.reglages;

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

std::optional<std::string> ecrire_reglages(const ProgramFolder& folder, const Reglages& r) {
  const fs::path path = folder.config();
  if (!marked_read_only(path) && !replace_file(path, reglages_bytes(r))) return std::nullopt;
  if (r.langue == 0) {
    return "Impossible de sauver la configuration, le fichier config.dat doit être en lecture seul.";
  }
  return "Unable to save the preferences, the config.dat file may be in a read only mode.";
}

std::vector<std::string> demarrer_stockage(const ProgramFolder& folder, SettingsTarget& target) {
  const auto folder_error = folder.ensure_folders();
  const AppliedSettings applied = lire_reglages(folder, target);
  std::vector<std::string> lines;
  if (applied.error) lines.push_back(applied.error->message(applied.reglages.langue));
  if (folder_error) lines.push_back(folder_error->message(applied.reglages.langue));
  return lines;
}

MarkerLefts montrer_reglages(const std::array<int, 8>& command1_lefts, const Reglages& r) {
  const auto left_of = [&](int button) {
    return command1_lefts[static_cast<std::size_t>(button)] - marker_offset;
  };
  MarkerLefts m;
  m.carre_bruitage = left_of(r.bruitages == -1 ? 4 : 5);
  m.carre_difficulte = left_of(r.difficulte == 100 ? 6 : 7);
  m.carre_langue = left_of(r.langue == 0 ? 1 : 0);
  m.carre_ziq = left_of(r.musique == -1 ? 2 : 3);
  return m;
}

}  // namespace drippo
