#include "audio/soundfont.h"

#include <algorithm>
#include <sstream>
#include <system_error>
#include <vector>

namespace drippo {

namespace fs = std::filesystem;

namespace {

bool is_file(const fs::path& p) {
  std::error_code error;
  return fs::is_regular_file(p, error);  // follows links: a dangling default-GM.sf2 is none
}

}  // namespace

bool soundfonts_present(const char* paths) {
  if (paths == nullptr) return false;
  std::istringstream list{std::string(paths)};
  std::string one;
  while (std::getline(list, one, ';')) {
    if (!one.empty() && is_file(one)) return true;
  }
  return false;
}

std::optional<fs::path> find_soundfont(const fs::path& folder) {
  for (const char* preferred : {"default-GM.sf2", "TimGM6mb.sf2"}) {
    if (is_file(folder / preferred)) return folder / preferred;
  }
  std::vector<fs::path> others;
  std::error_code error;
  fs::directory_iterator it(folder, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    if (it->path().extension() == ".sf2" && is_file(it->path())) others.push_back(it->path());
  }
  if (others.empty()) return std::nullopt;
  return *std::min_element(others.begin(), others.end());
}

}  // namespace drippo
