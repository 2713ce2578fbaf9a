#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "storage/level_file.h"
#include "tests/storage/temp_folder.h"

namespace drippo {
namespace {

namespace fs = std::filesystem;
using testing_support::entries;
using testing_support::file_bytes;
using testing_support::put_file;
using testing_support::TempFolder;
using Bytes = std::vector<std::uint8_t>;

LevelData level_by(const std::string& author, std::int16_t first_piece) {
  LevelData level;
  for (int t = 1; t <= nb_types; ++t) level.stocks[t] = std::to_string(t);
  level.cells[0].piece = first_piece;
  level.cells[0].sens = Sens::droite();
  level.time = "30";
  level.water = "40";
  level.author = author;
  return level;
}

TEST(LevelFile, SavedLevelReadsBackWhole) {
  TempFolder dir;
  const LevelData level = level_by("Hélène", piece::bombe);
  ASSERT_EQ(write_level_file(dir / "a.tab", level), std::nullopt);
  EXPECT_EQ(fs::file_size(dir / "a.tab"), level_file_size);
  const auto back = read_level_file(dir / "a.tab");
  ASSERT_TRUE(back.ok()) << back.error().message(1);
  EXPECT_EQ(back.value(), level);
  EXPECT_EQ(read_level_author(dir / "a.tab").value(), "Hélène");
}

TEST(LevelFile, SavingOverALevelReplacesItAndLeavesNoTemporary) {
  TempFolder dir;
  ASSERT_EQ(write_level_file(dir / "a.tab", level_by("Vieux", piece::chat)), std::nullopt);
  ASSERT_EQ(write_level_file(dir / "a.tab", level_by("Neuf", piece::verre)), std::nullopt);
  EXPECT_EQ(file_bytes(dir / "a.tab"), level_bytes(level_by("Neuf", piece::verre)));
  EXPECT_EQ(entries(dir.path()), std::vector<fs::path>{"a.tab"});
}

TEST(LevelFile, SavingReplacesATemporaryLeftByAnInterruptedSave) {
  TempFolder dir;
  put_file(dir / "a.tab.tmp", Bytes(10, 0xAB));
  ASSERT_EQ(write_level_file(dir / "a.tab", level_by("Neuf", 1)), std::nullopt);
  EXPECT_EQ(file_bytes(dir / "a.tab"), level_bytes(level_by("Neuf", 1)));
  EXPECT_FALSE(fs::exists(dir / "a.tab.tmp"));
}

TEST(LevelFile, SavingNeverWritesThroughALinkAtTheTemporaryName) {
  TempFolder dir;
  put_file(dir / "other.sta", Bytes{1, 2, 3});
  fs::create_symlink(dir / "other.sta", dir / "a.tab.tmp");
  ASSERT_EQ(write_level_file(dir / "a.tab", level_by("Neuf", 1)), std::nullopt);
  EXPECT_EQ(file_bytes(dir / "other.sta"), (Bytes{1, 2, 3}));
  EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir / "a.tab")));
}

TEST(LevelFile, SavingIntoAMissingFolderFailsAndCreatesNothing) {
  TempFolder dir;
  const auto error = write_level_file(dir / "tab" / "a.tab", level_by("X", 1));
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->kind, LevelError::Kind::FolderMissing);
  EXPECT_EQ(error->file_name, "a.tab");
  EXPECT_TRUE(entries(dir.path()).empty());
}

TEST(LevelFile, FailedSaveKeepsThePreviousLevel) {
  TempFolder dir;
  ASSERT_EQ(write_level_file(dir / "a.tab", level_by("Vieux", piece::chat)), std::nullopt);
  const Bytes before = file_bytes(dir / "a.tab");
  // A folder squatting the temporary's name makes the save fail midway.
  fs::create_directories(dir / "a.tab.tmp" / "inside");

  const auto error = write_level_file(dir / "a.tab", level_by("Neuf", piece::verre));
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->kind, LevelError::Kind::WriteFailed);
  EXPECT_EQ(file_bytes(dir / "a.tab"), before);
  EXPECT_TRUE(fs::is_directory(dir / "a.tab.tmp" / "inside"));
}

TEST(LevelFile, SavingOverAFolderFailsAndLeavesIt) {
  TempFolder dir;
  fs::create_directories(dir / "a.tab" / "inside");
  const auto error = write_level_file(dir / "a.tab", level_by("X", 1));
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->kind, LevelError::Kind::TargetNotAFile);
  EXPECT_TRUE(fs::is_directory(dir / "a.tab" / "inside"));
  EXPECT_FALSE(fs::exists(dir / "a.tab.tmp"));
}

TEST(LevelFile, ReadingWhatIsNotALevelFileGivesAnError) {
  TempFolder dir;
  fs::create_directory(dir / "folder.tab");
  struct Case {
    fs::path path;
    LevelError::Kind kind;
  };
  const Case cases[] = {
      {dir / "missing.tab", LevelError::Kind::Missing},
      {dir / "nowhere" / "missing.tab", LevelError::Kind::Missing},
      {dir / "folder.tab", LevelError::Kind::NotAFile},
  };
  for (const Case& c : cases) {
    const auto level = read_level_file(c.path);
    ASSERT_FALSE(level.ok()) << c.path;
    EXPECT_EQ(level.error().kind, c.kind) << c.path;
    EXPECT_EQ(level.error().file_name, c.path.filename().string());
    const auto author = read_level_author(c.path);
    ASSERT_FALSE(author.ok()) << c.path;
    EXPECT_EQ(author.error().kind, c.kind) << c.path;
  }
}

TEST(LevelFile, LargeFileReadsOnlyItsLevel) {
  TempFolder dir;
  Bytes bytes = level_bytes(level_by("Grand", 2));
  bytes.resize(bytes.size() + 100 * slot_size, 0xEE);
  put_file(dir / "big.tab", bytes);
  const auto back = read_level_file(dir / "big.tab");
  ASSERT_TRUE(back.ok());
  EXPECT_EQ(back.value(), level_by("Grand", 2));
}

TEST(LevelFile, HostileFileOnDiskIsRejected) {
  TempFolder dir;
  Bytes bytes = level_bytes(level_by("X", 1));
  bytes[3 * slot_size] = 21;  // piece of cell 3
  put_file(dir / "bad.tab", bytes);
  const auto back = read_level_file(dir / "bad.tab");
  ASSERT_FALSE(back.ok());
  EXPECT_EQ(back.error().kind, LevelError::Kind::BadPiece);
  EXPECT_EQ(back.error().slot, 4);
}

TEST(LevelAuthor, ReadsOnlyTheAuthorSlot) {
  TempFolder dir;
  Bytes bytes = level_bytes(level_by("Vrel", 1));
  bytes[0] = 99;  // a bad piece the browser does not need to look at
  put_file(dir / "a.tab", bytes);
  EXPECT_EQ(read_level_author(dir / "a.tab").value(), "Vrel");

  put_file(dir / "short.tab", Bytes(10 * slot_size, 0));
  EXPECT_EQ(read_level_author(dir / "short.tab").value(), "");

  bytes.resize((level_slots - 1) * slot_size);
  bytes.insert(bytes.end(), {0x7F, 0x00, 'a'});
  put_file(dir / "hostile.tab", bytes);
  const auto hostile = read_level_author(dir / "hostile.tab");
  ASSERT_FALSE(hostile.ok());
  EXPECT_EQ(hostile.error().kind, LevelError::Kind::Damaged);
  EXPECT_EQ(hostile.error().slot, level_slots);
}

}  // namespace
}  // namespace drippo
