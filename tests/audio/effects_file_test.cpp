// The sound effects: what the generator makes, and that the shipped files are it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "effects.h"
#include "generator.h"
#include "support/temp_folder.h"
#include "wav_file.h"
#include "wav_reader.h"

namespace drippo::soundgen {
namespace {

using testing_support::file_bytes;
using audio_testing::read_wav;
using testing_support::TempFolder;

void expect_canonical_header(const std::vector<std::uint8_t>& bytes, const std::string& what) {
  const auto w = read_wav(bytes);
  EXPECT_EQ(w.riff + w.wave + w.fmt + w.data, "RIFFWAVEfmt data") << what;
  EXPECT_EQ(w.riff_size, bytes.size() - 8) << what;
  EXPECT_EQ(w.data_size, bytes.size() - 44) << what;
  EXPECT_EQ(w.fmt_size, 16u) << what;
  EXPECT_EQ((std::array{w.format, w.channels, w.bits, w.block_align}), (std::array{1, 1, 16, 2})) << what;
  EXPECT_EQ(w.byte_rate, w.rate * 2) << what;
}

TEST(WavBytes, WritesTheHeaderAndLittleEndianSamplesClippedAtFullScale) {
  const auto bytes = wav_bytes({0.0f, 1.0f, -1.0f, 0.5f, 2.0f}, 44100);
  expect_canonical_header(bytes, "five samples");
  const auto w = read_wav(bytes);
  EXPECT_EQ(w.rate, 44100u);
  EXPECT_EQ(w.samples, (std::vector<std::int16_t>{0, 32767, -32767, 16384, 32767}));
  expect_canonical_header(wav_bytes({}, 22050), "no samples");
}

TEST(Effects, AreDistinctShortLoudButUnclippedWaveFilesThatStartAndEndInSilence) {
  std::set<std::vector<std::uint8_t>> seen;
  for (const Sound sound : all_effects) {
    const std::string name = sound_name(sound);
    const auto bytes = effect_file(sound);
    expect_canonical_header(bytes, name);
    EXPECT_LT(bytes.size(), 100'000u) << name;
    EXPECT_TRUE(seen.insert(bytes).second) << name << " sounds like another";
    const auto w = read_wav(bytes);
    ASSERT_FALSE(w.samples.empty()) << name;
    int peak = 0;
    for (const auto s : w.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_GT(peak, 32767 / 2) << name << " is too quiet";
    EXPECT_LT(peak, 32767) << name << " clips";
    // A jump at either end would click.
    EXPECT_LT(std::abs(w.samples.front()), 300) << name;
    EXPECT_LT(std::abs(w.samples.back()), 300) << name;
  }
}

TEST(Generator, WritesTheEffectsAndTheTunesIntoTheirFoldersOrReportsAFolderItCannotWrite) {
  TempFolder dir;
  int mids = 0;
  for (const auto& w : generate(dir.path())) {
    EXPECT_EQ(std::filesystem::file_size(w.file), w.bytes) << w.file;
    if (w.file.parent_path() == dir / "mid" && w.file.extension() == ".mid") ++mids;
  }
  EXPECT_GE(mids, 5);
  for (const Sound s : all_effects) {
    const auto file = dir / "wav" / (std::string(sound_name(s)) + ".wav");
    EXPECT_EQ(file_bytes(file), effect_file(s)) << file;
  }
  // A folder where an effect's file should go.
  std::filesystem::create_directories(dir / "blocked" / "wav" / (std::string(sound_name(all_effects[0])) + ".wav"));
  EXPECT_THROW(generate(dir / "blocked"), std::runtime_error);
}

TEST(ShippedEffects, AreWhatTheGeneratorMakesToday) {
  const auto shipped = std::filesystem::path(DRIPPO_ASSETS) / "wav";
  for (const Sound s : all_effects) {
    const auto file = shipped / (std::string(sound_name(s)) + ".wav");
    ASSERT_TRUE(std::filesystem::exists(file)) << file;
    EXPECT_EQ(file_bytes(file), effect_file(s)) << file << " is stale: run drippo-soundgen assets";
  }
}

}  // namespace
}  // namespace drippo::soundgen
