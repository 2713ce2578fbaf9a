#include "storage/level_catalogue.h"

#include <algorithm>
#include <system_error>

#include "storage/score_file.h"

namespace drippo {
namespace fs = std::filesystem;
namespace {

char ascii_lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Players name levels in either case and expect "abc" and "Abd" side by side,
// as a file list shows them; names equal but for case keep a fixed order.
bool browser_order(const std::string& a, const std::string& b) {
  const auto lower_less = [](char x, char y) {
    return static_cast<unsigned char>(ascii_lower(x)) < static_cast<unsigned char>(ascii_lower(y));
  };
  if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), lower_less)) return true;
  if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), lower_less)) return false;
  return a < b;
}

}  // namespace

std::vector<std::string> list_level_files(const fs::path& tab_folder) {
  std::vector<std::string> names;
  std::error_code ec;
  fs::directory_iterator it(tab_folder, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (!name.ends_with(".tab") || !is_plain_file_name(name)) continue;
    std::error_code type_ec;
    if (!it->is_regular_file(type_ec)) continue;
    names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), browser_order);
  return names;
}

std::vector<std::string> FolderLevelCatalogue::level_files() { return list_level_files(folder_.tab()); }

std::string FolderLevelCatalogue::stored_score_text(const std::string& level_file_name) {
  return lire_score(folder_, level_file_name);
}

}  // namespace drippo
