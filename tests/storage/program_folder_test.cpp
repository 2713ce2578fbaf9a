#include "storage/program_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/storage/temp_folder.h"

namespace drippo {
namespace {

namespace fs = std::filesystem;
using testing_support::put_file;
using testing_support::TempFolder;

TEST(ProgramFolder, OnlyPlainNamesGiveALevelPath) {
  struct Case {
    std::string name;
    bool plain;
  };
  const Case cases[] = {
      {"Hélène et les chats.tab", true}, {"a..b.tab", true},       {".tab", true},
      {"...", true},                     {"", false},              {".", false},
      {"..", false},                     {"../config.dat", false}, {"/etc/passwd", false},
      {"..\\config.dat", false},         {"x.tab\n", false},       {std::string("x\0y.tab", 7), false},
      {"x\x7F.tab", false},              {"x\xC2\x85.tab", false},  // U+0085, a C1 control
  };
  const ProgramFolder folder("/opt/drippo");
  for (const Case& c : cases) {
    EXPECT_EQ(is_plain_file_name(c.name), c.plain) << c.name;
    const auto path = folder.level_path(c.name);
    EXPECT_EQ(path, c.plain ? std::optional(fs::path("/opt/drippo/tab") / c.name) : std::nullopt) << c.name;
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
