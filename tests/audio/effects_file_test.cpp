#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "effects.h"
#include "generator.h"
#include "temp_dir.h"
#include "wav_file.h"
#include "wav_reader.h"

namespace drippo::soundgen {
namespace {

using audio_testing::read_bytes;
using audio_testing::read_wav;
using audio_testing::TempDir;

void expect_canonical_header(const std::vector<std::uint8_t>& bytes, const std::string& what) {
  const auto w = read_wav(bytes);
  EXPECT_EQ(w.riff, "RIFF") << what;
  EXPECT_EQ(w.riff_size, bytes.size() - 8) << what;
  EXPECT_EQ(w.wave, "WAVE") << what;
  EXPECT_EQ(w.fmt, "fmt ") << what;
  EXPECT_EQ(w.fmt_size, 16u) << what;
  EXPECT_EQ(w.format, 1) << what << ": PCM";
  EXPECT_EQ(w.channels, 1) << what;
  EXPECT_TRUE(w.rate == 22050 || w.rate == 44100) << what;
  EXPECT_EQ(w.bits, 16) << what;
  EXPECT_EQ(w.block_align, 2) << what;
  EXPECT_EQ(w.byte_rate, w.rate * 2) << what;
  EXPECT_EQ(w.data, "data") << what;
  EXPECT_EQ(w.data_size, bytes.size() - 44) << what;
  EXPECT_EQ(w.data_size % 2, 0u) << what;
}

TEST(WavBytes, WritesTheHeaderAndLittleEndianSamples) {
  const auto bytes = wav_bytes({0.0f, 1.0f, -1.0f, 0.5f, 2.0f}, 44100);
  expect_canonical_header(bytes, "five samples");
  const auto w = read_wav(bytes);
  EXPECT_EQ(w.rate, 44100u);
  EXPECT_EQ(w.samples, (std::vector<std::int16_t>{0, 32767, -32767, 16384, 32767}))
      << "full scale is 32767 and louder is clipped";
}

TEST(WavBytes, NoSamplesIsAnEmptyButValidFile) {
  const auto bytes = wav_bytes({}, 22050);
  EXPECT_EQ(bytes.size(), 44u);
  expect_canonical_header(bytes, "empty");
}

struct EffectLength {
  Sound sound;
  double seconds;
};

// The lengths the game's moments call for: a pour, a tick-tock, a meow...
constexpr EffectLength lengths[] = {{Sound::Water, 0.8}, {Sound::Hurry, 0.3}, {Sound::Meow, 0.6},
                                    {Sound::Poof, 0.7},  {Sound::Griou, 1.0}, {Sound::Goal, 0.7}};

TEST(Effects, AreShortLoudButUnclippedWaveFilesThatStartAndEndInSilence) {
  for (const auto& [sound, seconds] : lengths) {
    const std::string name = sound_name(sound);
    const auto bytes = effect_file(sound);
    expect_canonical_header(bytes, name);
    EXPECT_LT(bytes.size(), 100'000u) << name;

    const auto w = read_wav(bytes);
    ASSERT_FALSE(w.samples.empty()) << name;
    EXPECT_NEAR(static_cast<double>(w.samples.size()) / w.rate, seconds, 0.05) << name;
    int peak = 0;
    for (const auto s : w.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_GT(peak, 32767 / 2) << name << " is too quiet";
    EXPECT_LT(peak, 32767) << name << " clips";
    // A jump at either end would click.
    EXPECT_LT(std::abs(w.samples.front()), 300) << name;
    EXPECT_LT(std::abs(w.samples.back()), 300) << name;
  }
}

TEST(Effects, DifferFromOneAnother) {
  std::vector<std::vector<std::uint8_t>> files;
  for (const Sound s : all_effects) files.push_back(effect_file(s));
  for (std::size_t i = 0; i < files.size(); ++i) {
    for (std::size_t j = i + 1; j < files.size(); ++j)
      EXPECT_NE(files[i], files[j]) << i << " " << j;
  }
}

// Zero crossings per second: a rough pitch, enough to tell a chime from a thump.
double crossings_per_second(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to,
                            double rate) {
  int n = 0;
  for (std::size_t i = from + 1; i < to; ++i) n += (s[i - 1] < 0) != (s[i] < 0);
  return n * rate / static_cast<double>(to - from);
}

TEST(Effects, TheGoalChimeRisesAndTheEndJingleFalls) {
  const auto goal = read_wav(effect_file(Sound::Goal));
  const double r = goal.rate;
  // The first note alone, then the top one, which rings over the fading others.
  const auto at = [&](double t) { return static_cast<std::size_t>(t * r); };
  EXPECT_LT(crossings_per_second(goal.samples, at(0.005), at(0.065), r),
            crossings_per_second(goal.samples, at(0.215), at(0.275), r));
  const auto griou = read_wav(effect_file(Sound::Griou));
  EXPECT_GT(crossings_per_second(griou.samples, at(0.02), at(0.24), r),
            crossings_per_second(griou.samples, at(0.52), at(0.74), r));
}

TEST(Generator, WritesSixEffectsAndTheTunesIntoTheirFolders) {
  TempDir dir;
  const auto written = generate(dir.path());
  int wavs = 0;
  int mids = 0;
  for (const auto& w : written) {
    ASSERT_TRUE(std::filesystem::exists(w.file)) << w.file;
    EXPECT_EQ(std::filesystem::file_size(w.file), w.bytes) << w.file;
    if (w.file.parent_path() == dir / "wav" && w.file.extension() == ".wav") ++wavs;
    if (w.file.parent_path() == dir / "mid" && w.file.extension() == ".mid") ++mids;
  }
  EXPECT_EQ(wavs, 6);
  EXPECT_GE(mids, 5);
  for (const Sound s : all_effects) {
    EXPECT_TRUE(std::filesystem::exists(dir / "wav" / (std::string(sound_name(s)) + ".wav")))
        << sound_name(s);
  }
}

TEST(Generator, ReportsAFolderItCannotWrite) {
  TempDir dir;
  audio_testing::write_bytes(dir / "taken", {1});
  EXPECT_THROW(generate(dir / "taken"), std::exception);
}

TEST(ShippedEffects, AreWhatTheGeneratorMakesToday) {
  const auto shipped = std::filesystem::path(DRIPPO_ASSETS) / "wav";
  for (const Sound s : all_effects) {
    const auto file = shipped / (std::string(sound_name(s)) + ".wav");
    ASSERT_TRUE(std::filesystem::exists(file)) << file;
    EXPECT_EQ(read_bytes(file), effect_file(s)) << file << " is stale: run drippo-soundgen assets";
  }
}

}  // namespace
}  // namespace drippo::soundgen
