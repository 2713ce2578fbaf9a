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

// The four settings kept in config.dat, in the order of its slots, by the
// names the game gives their values.
enum class Setting { bruitages, difficulte, langue, musique };

struct SettingDecl {
  std::string_view name;
  std::int16_t default_value;            // what the options dialog's Default button sets
  std::array<std::int16_t, 2> choices;  // what its two choice buttons set
  // How a stored value is taken. Booleans keep any value (only -1 means on);
  // the two mended ones are commented in the table.
  std::int16_t (*taken)(std::int16_t stored);
};

// The one place that knows each setting's default and values.
inline constexpr std::array<SettingDecl, 4> declared_settings{{
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

constexpr const SettingDecl& declaration(Setting s) { return declared_settings[static_cast<std::size_t>(s)]; }

// Effects and music are on at -1 (true) only; difficulte is 100 normal or
// 200 easy; langue 0 French, 1 English.
struct Settings {
  std::int16_t bruitages = declaration(Setting::bruitages).default_value;
  std::int16_t difficulte = declaration(Setting::difficulte).default_value;
  std::int16_t langue = declaration(Setting::langue).default_value;
  std::int16_t musique = declaration(Setting::musique).default_value;

  std::int16_t value(Setting s) const;
  void set(Setting s, std::int16_t v);
  bool operator==(const Settings&) const = default;
};

inline constexpr std::size_t settings_file_size = declared_settings.size() * slot_size;  // 512

// config.dat's bytes: one 16-bit integer per slot.
std::vector<std::uint8_t> settings_bytes(const Settings& s);

// The settings in config.dat's bytes, as the declaration takes them. A setting
// whose slot is missing or cut short has its default, so a missing or empty
// file gives the defaults.
Settings settings_from_bytes(std::span<const std::uint8_t> bytes);

// What applying the settings changes in the rest of the game; the window and
// the audio implement it. Calls come in the order of the members below.
class SettingsTarget {
 public:
  virtual ~SettingsTarget() = default;
  // The new values of the game's four settings (and the options dialog's
  // markers, if it is open: see montrer_reglages).
  virtual void use_settings(const Settings& s) = 0;
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
  Settings settings;
  std::optional<SettingsReadError> error;
};

// Reads config.dat and applies it to the target: settings, water timer,
// music, captions. Never fails: what cannot be read is taken at its default.
AppliedSettings lire_reglages(const ProgramFolder& folder, SettingsTarget& target);

// Writes the settings to config.dat, whole or not at all. On failure, the
// message to show in the settings' language, and the file is as it was. A
// config.dat the player made read-only is left alone.
std::optional<std::string> ecrire_reglages(const ProgramFolder& folder, const Settings& s);

// What the game does first: creates the tab and sta folders when missing,
// then reads and applies the settings. Lines to show the player, in the
// language just applied; none when all went well.
std::vector<std::string> start_storage(const ProgramFolder& folder, SettingsTarget& target);

}  // namespace drippo
