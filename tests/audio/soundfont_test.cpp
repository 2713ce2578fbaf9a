#include "audio/soundfont.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace drippo {
namespace {

using audio_testing::TempDir;
using audio_testing::write_bytes;

TEST(FindSoundfont, PrefersTheSystemDefaultThenTimGM6mbThenAnyByName) {
  TempDir dir;
  EXPECT_EQ(find_soundfont(dir.path()), std::nullopt);
  write_bytes(dir / "zz.sf2", {1});
  write_bytes(dir / "bb.sf2", {1});
  write_bytes(dir / "aa.txt", {1});
  EXPECT_EQ(find_soundfont(dir.path()), dir / "bb.sf2");
  write_bytes(dir / "TimGM6mb.sf2", {1});
  EXPECT_EQ(find_soundfont(dir.path()), dir / "TimGM6mb.sf2");
  write_bytes(dir / "default-GM.sf2", {1});
  EXPECT_EQ(find_soundfont(dir.path()), dir / "default-GM.sf2");
}

TEST(FindSoundfont, SkipsADanglingDefaultLink) {
  TempDir dir;
  std::filesystem::create_symlink(dir / "gone.sf2", dir / "default-GM.sf2");
  write_bytes(dir / "TimGM6mb.sf2", {1});
  EXPECT_EQ(find_soundfont(dir.path()), dir / "TimGM6mb.sf2");
}

TEST(SoundfontsPresent, NeedsOneExistingFileInTheList) {
  TempDir dir;
  write_bytes(dir / "real.sf2", {1});
  const std::string real = (dir / "real.sf2").string();
  const std::string gone = (dir / "gone.sf2").string();
  EXPECT_FALSE(soundfonts_present(nullptr));
  EXPECT_FALSE(soundfonts_present(""));
  EXPECT_FALSE(soundfonts_present(gone.c_str()));
  EXPECT_TRUE(soundfonts_present(real.c_str()));
  EXPECT_TRUE(soundfonts_present((gone + ";" + real).c_str()));
  EXPECT_FALSE(soundfonts_present(dir.path().string().c_str())) << "a folder is not a soundfont";
}

}  // namespace
}  // namespace drippo
