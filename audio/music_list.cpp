#include "audio/music_list.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <random>
#include <system_error>

namespace drippo {

namespace fs = std::filesystem;

RandomSource seeded_random(std::uint64_t seed) {
  auto engine = std::make_shared<std::mt19937_64>(seed);
  // 53 random bits over 2^53: never 1.0, unlike generate_canonical in some libraries.
  return [engine] { return static_cast<double>((*engine)() >> 11) * 0x1.0p-53; };
}

RandomSource clock_seeded_random() {
  const auto now = std::chrono::system_clock::now().time_since_epoch().count();
  return seeded_random(static_cast<std::uint64_t>(now));
}

std::vector<fs::path> music_files(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code error;
  fs::directory_iterator it(folder, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    const fs::path& p = it->path();
    const std::string name = p.filename().string();
    if (name.empty() || name.front() == '.') continue;
    std::error_code type_error;
    if (it->is_directory(type_error)) continue;
    files.push_back(p);
  }
  std::sort(files.begin(), files.end(),
            [](const fs::path& a, const fs::path& b) { return a.filename() < b.filename(); });
  return files;
}

int draw_track(int n, int derniere_piste, const RandomSource& random) {
  if (n <= 0) return -1;
  if (n == 1) return 0;
  const auto draw = [&] {
    const double k = std::floor(random() * n);
    return static_cast<int>(std::clamp(k, 0.0, static_cast<double>(n - 1)));
  };
  // A source stuck on one value would hang the window; a true random one
  // leaves this loop long before the bound.
  for (int tries = 0; tries < 1000; ++tries) {
    const int k = draw();
    if (k != derniere_piste) return k;
  }
  return (derniere_piste + 1) % n;
}

}  // namespace drippo
