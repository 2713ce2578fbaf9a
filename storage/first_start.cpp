#include "storage/first_start.h"

#include <string_view>

#include "storage/file_access.h"

namespace drippo {

bool claim_first_start(const ProgramFolder& folder) {
  namespace fs = std::filesystem;
  const fs::path note = folder.sta() / "started.txt";
  std::error_code error;
  if (fs::exists(note, error) || error) return false;
  // Score files and hint marks, or settings chosen: a player of a version
  // that took no note has played here before.
  const bool played_before = fs::exists(folder.config(), error) || error || !fs::is_empty(folder.sta(), error) || error;
  constexpr std::string_view text = "Drippo has started here before.\n";
  const bool noted = !replace_file(note, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
  return noted && !played_before;
}

}  // namespace drippo
