#include "storage/hint_marks.h"

namespace drippo {
namespace {

// Far more than a folder of levels needs; a larger file is not ours.
constexpr std::size_t most_bytes = 256 * 1024;

bool fits_a_line(const std::string& name) {
  return !name.empty() && name.find_first_of("\r\n") == std::string::npos;
}

}  // namespace

std::set<std::string> HintMarks::read() const {
  std::set<std::string> names;
  const auto bytes = read_whole_file(path_, most_bytes);
  if (!bytes) return names;
  std::string line;
  for (std::uint8_t b : *bytes) {
    if (b == '\n' || b == '\r') {
      if (fits_a_line(line)) names.insert(line);
      line.clear();
    } else {
      line.push_back(static_cast<char>(b));
    }
  }
  if (fits_a_line(line)) names.insert(line);
  return names;
}

std::optional<WriteFailure> HintMarks::record_win(const std::string& level_file_name, bool with_hints) const {
  if (!fits_a_line(level_file_name)) return std::nullopt;
  std::set<std::string> names = read();
  const bool changed = with_hints ? names.insert(level_file_name).second : names.erase(level_file_name) > 0;
  if (!changed) return std::nullopt;
  if (names.empty()) {
    std::error_code error;
    std::filesystem::remove(path_, error);
    return error ? std::optional(WriteFailure::WriteFailed) : std::nullopt;
  }
  std::vector<std::uint8_t> bytes;
  for (const std::string& name : names) {
    bytes.insert(bytes.end(), name.begin(), name.end());
    bytes.push_back('\n');
  }
  return replace_file(path_, bytes);
}

}  // namespace drippo
