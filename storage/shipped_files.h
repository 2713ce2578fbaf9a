#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace drippo {

struct ShippedFilesError {
  std::filesystem::path folder;
  // One line for the player: French when langue is 0, English otherwise.
  std::string message(std::int16_t langue) const;
};

// Lays the shipped levels, sounds and tunes (tab, wav and mid of `source`)
// into the same folders of `dest`, making them when missing. A shipped file is
// copied when it is missing there, or when the copy there is still the one
// laid last time (its hash is in the folder's .shipped, "sha256  name" lines,
// as the build lays its own folder); a file laid last time and no longer
// shipped goes. A file the player made or changed is never deleted nor
// overwritten. Reports the first folder it could not fill.
std::optional<ShippedFilesError> lay_shipped_files(const std::filesystem::path& source,
                                                   const std::filesystem::path& dest);

}  // namespace drippo
