#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "game/level_data.h"
#include "storage/slot_file.h"

namespace drippo {

// A level file: 228 cell records, the 20 stock texts, the time text, the water
// text (tagged values) and the author (a string), one per slot.
inline constexpr int level_slots = nb_cases + nb_types + 3;
inline constexpr std::size_t level_file_size = level_slots * slot_size;  // 32,128 bytes

struct LevelError {
  enum class Kind {
    // Reading
    Missing,
    NotAFile,     // a folder or a device stands where the level should be
    Unreadable,
    Truncated,    // the file ends inside an item
    Damaged,      // a length overruns its slot
    UnknownValue, // a tagged value of a type we do not know
    BadPiece,     // a piece code outside 0..20
    BadWater,     // a water field other than 0 or 1
    NonFinite,    // a stock, time or water stored as NaN or an infinity
    // Saving
    FolderMissing,
    TargetNotAFile,
    WriteFailed,
  };

  Kind kind;
  std::string file_name;  // the level's file name, with ".tab"
  int slot = 0;           // the offending slot (from 1) when the content is at fault

  // One line for the player: French when langue is 0, English otherwise.
  std::string message(std::int16_t langue) const;
};

// The exact bytes of the level's file. The water fields are written as 0
// (a saved level holds no drops), and a stock of exactly "0" as empty text.
std::vector<std::uint8_t> level_bytes(const LevelData& level);

// The level in the bytes of a file. A short file reads as zeros and empty
// texts for its missing slots; anything after slot 251 is ignored. Numeric
// stock, time or water values come back as their decimal text.
Result<LevelData, LevelError> level_from_bytes(std::span<const std::uint8_t> bytes,
                                               const std::string& file_name = {});

// Reads at most level_file_size bytes, however large the file is.
Result<LevelData, LevelError> read_level_file(const std::filesystem::path& path);

// Writes a temporary file beside the target and renames it over the target,
// so a failed save never leaves a broken level nor loses the previous one.
// The folder must already exist.
std::optional<LevelError> write_level_file(const std::filesystem::path& path, const LevelData& level);

// Only the author (slot 251), for the level browser.
Result<std::string, LevelError> read_level_author(const std::filesystem::path& path);

}  // namespace drippo
