#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "storage/captions.h"
#include "storage/file_access.h"
#include "storage/program_folder.h"
#include "storage/slot_file.h"

namespace drippo {

// The four settings kept in config.dat, in the order of its slots.
enum class Reglage { bruitages, difficulte, langue, musique };

struct ReglageDecl {
  std::string_view nom;
  std::int16_t defaut;                  // what the dialog's Default button sets
  std::array<std::int16_t, 2> valeurs;  // what its two choice buttons set
  // How a stored value is taken. Booleans keep any value (only -1 means on);
  // the two mended ones are commented in the table.
  std::int16_t (*lu)(std::int16_t stored);
};

// The one place that knows each setting's default and values.
inline constexpr std::array<ReglageDecl, 4> reglages_declares{{
    {"bruitages", -1, {-1, 0}, [](std::int16_t v) { return v; }},
    // The water timer's interval in ms, which also scales a level's time and
    // water: 0 would stop the water for good (a file of zeros holds it), 1 is
    // a 1 ms tick and 32767 a 33 s one. Only easy is taken as stored.
    {"difficulte", 100, {100, 200}, [](std::int16_t v) { return v == 200 ? v : std::int16_t{100}; }},
    // The captions are English for any value but 0, while some messages show
    // nothing unless it is 0 or 1: any other value is English everywhere.
    {"langue", 0, {0, 1}, [](std::int16_t v) { return v == 0 ? v : std::int16_t{1}; }},
    {"musique", -1, {-1, 0}, [](std::int16_t v) { return v; }},
}};

constexpr const ReglageDecl& declaration(Reglage r) { return reglages_declares[static_cast<std::size_t>(r)]; }

// Effects and music are on at -1 (true) only; difficulte is 100 normal or
// 200 easy; langue 0 French, 1 English.
struct Reglages {
  std::int16_t bruitages = declaration(Reglage::bruitages).defaut;
  std::int16_t difficulte = declaration(Reglage::difficulte).defaut;
  std::int16_t langue = declaration(Reglage::langue).defaut;
  std::int16_t musique = declaration(Reglage::musique).defaut;

  std::int16_t value(Reglage r) const;
  void set(Reglage r, std::int16_t v);
  bool operator==(const Reglages&) const = default;
};

inline constexpr std::size_t settings_file_size = reglages_declares.size() * slot_size;  // 512

// config.dat's bytes: one 16-bit integer per slot.
std::vector<std::uint8_t> reglages_bytes(const Reglages& r);

// The settings in config.dat's bytes, as the declaration takes them. A setting
// whose slot is missing or cut short has its default, so a missing or empty
// file gives the defaults.
Reglages reglages_from_bytes(std::span<const std::uint8_t> bytes);

// What applying the settings changes in the rest of the game; the window and
// the audio implement it. Calls come in the order of the members below.
class SettingsTarget {
 public:
  virtual ~SettingsTarget() = default;
  // The new values of the game's four settings (and the options dialog's
  // markers, if it is open: see montrer_reglages).
  virtual void use_settings(const Reglages& r) = 0;
  virtual void set_water_interval_ms(int ms) = 0;
  // Music off: the music device gets "Stop", then "Close".
  virtual void stop_music() = 0;
  virtual void close_music() = 0;
  // Music on: a new track chosen at random replaces the one playing.
  virtual void piste_suivante() = 0;
  virtual void show_captions(const Captions& captions) = 0;
};

// config.dat is there but cannot be read; the defaults are used instead.
struct SettingsReadError {
  ReadFailure failure;
  // One line for the player: French when langue is 0, English otherwise.
  std::string message(std::int16_t langue) const;
};

struct AppliedSettings {
  Reglages reglages;
  std::optional<SettingsReadError> error;
};

// Reads config.dat and applies it to the target: settings, water timer,
// music, captions. Never fails: what cannot be read is taken at its default.
AppliedSettings lire_reglages(const ProgramFolder& folder, SettingsTarget& target);

// Writes the settings to config.dat, whole or not at all. On failure, the
// message to show in the settings' language, and the file is as it was. A
// config.dat the player made read-only is left alone.
std::optional<std::string> ecrire_reglages(const ProgramFolder& folder, const Reglages& r);

// What the game does first: creates the tab and sta folders when missing,
// then reads and applies the settings. Lines to show the player, in the
// language just applied; none when all went well.
std::vector<std::string> demarrer_stockage(const ProgramFolder& folder, SettingsTarget& target);

// Lefts (in twips) of the options dialog's four markers, each 120 left of
// the choice button of its setting's current value.
struct MarkerLefts {
  int carre_bruitage = 0;
  int carre_difficulte = 0;
  int carre_langue = 0;
  int carre_ziq = 0;
  bool operator==(const MarkerLefts&) const = default;
};

// command1_lefts[i] is the left of the choice button Command1(i).
MarkerLefts montrer_reglages(const std::array<int, 8>& command1_lefts, const Reglages& r);

}  // namespace drippo
