#include "storage/program_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_folder.h"

namespace drippo {
namespace {

namespace fs = std::filesystem;
using testing_support::put_file;
using testing_support::TempFolder;

TEST(ProgramFolder, OnlyPlainNamesGiveALevelPath) {
  const ProgramFolder folder("/opt/drippo");
  for (const char* name : {"Hélène et les chats.tab", "a:b.tab", "con.tab"}) {
    EXPECT_EQ(folder.level_path(name), fs::path("/opt/drippo/tab") / name) << name;
  }
  for (const char* name : {"", "..", "../config.dat", "/etc/passwd", "x\x7F.tab"}) {
    EXPECT_EQ(folder.level_path(name), std::nullopt) << name;
  }
}

TEST(ProgramFolder, EnsureFoldersCreatesTabAndStaBesideTheProgramAndKeepsTheirFiles) {
  TempFolder dir;
  const ProgramFolder folder(dir.path());
  ASSERT_EQ(folder.ensure_folders(), std::nullopt);
  EXPECT_TRUE(fs::is_directory(dir / "tab"));
  EXPECT_TRUE(fs::is_directory(dir / "sta"));
  put_file(dir / "tab" / "a.tab", {1});
  ASSERT_EQ(folder.ensure_folders(), std::nullopt);
  EXPECT_TRUE(fs::exists(dir / "tab" / "a.tab"));
}

TEST(ProgramFolder, EnsureFoldersReportsWhatItCannotCreate) {
  TempFolder dir;
  put_file(dir / "sta", {1});
  const ProgramFolder folder(dir.path());
  const auto error = folder.ensure_folders();
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->folder, folder.sta());
  EXPECT_TRUE(fs::is_regular_file(dir / "sta"));
  EXPECT_EQ(error->message(0), "Impossible de créer le dossier « " + folder.sta().string() + " ».");
  EXPECT_EQ(error->message(1), "Cannot create the folder \"" + folder.sta().string() + "\".");

  const ProgramFolder missing_root(dir / "nowhere");
  ASSERT_TRUE(missing_root.ensure_folders().has_value());
  EXPECT_FALSE(fs::exists(dir / "nowhere"));
}

}  // namespace
}  // namespace drippo
