#include "audio/soundfont.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace drippo {
namespace {

using testing_support::TempFolder;
using testing_support::put_file;

TEST(FindSoundfont, PrefersTheSystemDefaultThenTimGM6mbThenAnyByName) {
  TempFolder dir;
  EXPECT_EQ(find_soundfont(dir.path()), std::nullopt);
  put_file(dir / "zz.sf2", {1});
  put_file(dir / "bb.sf2", {1});
  put_file(dir / "aa.txt", {1});
  EXPECT_EQ(find_soundfont(dir.path()), dir / "bb.sf2");
  put_file(dir / "TimGM6mb.sf2", {1});
  EXPECT_EQ(find_soundfont(dir.path()), dir / "TimGM6mb.sf2");
  put_file(dir / "default-GM.sf2", {1});
  EXPECT_EQ(find_soundfont(dir.path()), dir / "default-GM.sf2");
}

TEST(FindSoundfont, SkipsADanglingDefaultLink) {
  TempFolder dir;
  std::filesystem::create_symlink(dir / "gone.sf2", dir / "default-GM.sf2");
  put_file(dir / "TimGM6mb.sf2", {1});
  EXPECT_EQ(find_soundfont(dir.path()), dir / "TimGM6mb.sf2");
}

TEST(SoundfontsPresent, NeedsOneExistingFileInTheList) {
  TempFolder dir;
  put_file(dir / "real.sf2", {1});
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
