#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

namespace drippo {

// A random number r in [0, 1).
using RandomSource = std::function<double()>;

// A generator started from the given seed, the same numbers for the same seed.
RandomSource seeded_random(std::uint64_t seed);
// A generator seeded once from the clock, so that each run plays another order.
RandomSource clock_seeded_random();

// The files of the music folder, sorted by name. Hidden files (the record of
// the shipped files laid there is one) and folders are not music. A missing
// or unreadable folder lists nothing.
std::vector<std::filesystem::path> music_files(const std::filesystem::path& folder);

// Which of n files to start after the one at derniere_piste: k = floor(r * n),
// drawn again while k is derniere_piste. With one file the draw cannot differ,
// so that file plays again; with none the answer is -1 (nothing to play).
int draw_track(int n, int derniere_piste, const RandomSource& random);

}  // namespace drippo
