#include "storage/level_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace drippo {
namespace {

namespace fs = std::filesystem;
using namespace testing_support;

// Something in every field a file can carry.
LevelData busy_level() {
  LevelData level;
  for (int t = 1; t <= nb_types; ++t) level.stocks[t] = "99";
  level.cells[0] = {piece::verre, 0, 0, 0, 0, 0, Sens::none(), 10};
  level.cells[18] = {piece::plateforme, 0, 0, 0, -10, 0, Sens::gauche(), 0};
  level.cells[100] = {piece::porte, 0, 0, 0, 5, 1, Sens::droite(), -3};
  level.cells[150] = {piece::brique, 0, 0, 0, 0, -2, Sens::from_text("zz"), 0};
  level.cells[227] = {piece::chat, 0, 0, 0, 0, 0, Sens::from_text("Hé"), 32767};
  level.stocks[3] = "";
  level.stocks[7] = "00";
  level.stocks[20] = "dé";
  level.time = "60";
  level.water = "2.5";
  level.author = "Hélène";
  return level;
}

Bytes slot(const Bytes& file, int number) {
  const auto start = file.begin() + (number - 1) * static_cast<long>(slot_size);
  return Bytes(start, start + static_cast<long>(slot_size));
}

Bytes padded(Bytes item) {
  item.resize(slot_size, 0);
  return item;
}

constexpr int first_stock_slot = nb_cases + 1;      // 229
constexpr int time_slot = nb_cases + nb_types + 1;  // 249
constexpr int water_slot = time_slot + 1;
constexpr int author_slot = water_slot + 1;

TEST(LevelBytes, EachItemInItsSlotTextsInWindows1252) {
  LevelData level = busy_level();
  level.cells[5] = {piece::moulin, 1, 1, 1, 4, 1, Sens::gauche(), 0};  // water is never saved
  level.stocks[1] = "0";                                                // saved as no stock
  const Bytes file = level_bytes(level);
  ASSERT_EQ(file.size(), 32128u);
  EXPECT_EQ(slot(file, 2), padded({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(slot(file, 6), padded({13, 0, 0, 0, 0, 0, 0, 0, 4, 0, 1, 0, 1, 0, 'G', 0, 0}));
  EXPECT_EQ(slot(file, nb_cases), padded({19, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 'H', 0xE9, 0xFF, 0x7F}));
  EXPECT_EQ(slot(file, first_stock_slot), padded({0x08, 0x00, 0x00, 0x00}));
  EXPECT_EQ(slot(file, first_stock_slot + 6), padded({0x08, 0x00, 0x02, 0x00, '0', '0'}));
  EXPECT_EQ(slot(file, time_slot - 1), padded({0x08, 0x00, 0x02, 0x00, 'd', 0xE9}));
  EXPECT_EQ(slot(file, time_slot), padded({0x08, 0x00, 0x02, 0x00, '6', '0'}));
  EXPECT_EQ(slot(file, water_slot), padded({0x08, 0x00, 0x03, 0x00, '2', '.', '5'}));
  EXPECT_EQ(slot(file, author_slot), padded({0x06, 0x00, 'H', 0xE9, 'l', 0xE8, 'n', 'e'}));
}

TEST(LevelFromBytes, RoundTripKeepsEveryByte) {
  const Bytes file = level_bytes(busy_level());
  const auto back = level_from_bytes(file);
  ASSERT_TRUE(back.ok()) << back.error().message(1);
  EXPECT_EQ(back.value(), busy_level());
  EXPECT_EQ(level_bytes(back.value()), file);
}

TEST(LevelFromBytes, AFileCutOnASlotBoundaryReadsZerosAndEmptyTextsBeyond) {
  const Bytes full = level_bytes(busy_level());
  // The last size ends 16 bytes into the slot of cell 152: a whole cell.
  for (const std::size_t size : {std::size_t{0}, 10 * slot_size, 151 * slot_size + 16}) {
    const auto back = level_from_bytes(Bytes(full.begin(), full.begin() + static_cast<long>(size)));
    ASSERT_TRUE(back.ok()) << size;
    const LevelData& level = back.value();
    const std::size_t cells_present = (size + slot_size - 1) / slot_size;
    EXPECT_EQ(level.cells[0].piece, size > 0 ? piece::verre : 0);
    if (cells_present > 0) {
      EXPECT_EQ(level.cells[cells_present - 1].modifiable, 1) << size;
    }
    EXPECT_EQ(level.cells[cells_present].modifiable, 0) << size;  // zero bytes, not the in-game default
    EXPECT_EQ(level.cells[227].sens, Sens::none());
    EXPECT_TRUE(std::all_of(level.stocks.begin(), level.stocks.end(), [](const std::string& s) { return s.empty(); }));
    EXPECT_EQ(level.time, "");
    EXPECT_EQ(level.author, "");
  }
  // An unpadded last slot is whole; bytes after the author are never read.
  Bytes longer = full;
  longer.insert(longer.end(), {0x07, 0x00, 0xFF, 0xFF, 0xFF, 0xFF});
  for (const Bytes& file : {Bytes(full.begin(), full.begin() + (author_slot - 1) * slot_size + 8), longer}) {
    const auto back = level_from_bytes(file);
    ASSERT_TRUE(back.ok()) << file.size();
    EXPECT_EQ(back.value(), busy_level()) << file.size();
  }
}

TEST(LevelFromBytes, NumericBoxValuesComeBackAsDecimalText) {
  SlotWriter w;
  for (int c = 0; c < nb_cases; ++c) w.write_cell(Cellule{});
  w.write_tagged(TaggedValue::of_int16(15));
  w.write_tagged(TaggedValue::of_int32(-40000));
  w.write_tagged(TaggedValue::of_float32(2.5f));
  w.write_tagged(TaggedValue{});
  for (int t = 5; t <= nb_types; ++t) w.write_text("");
  w.write_float64(60);
  w.write_tagged(TaggedValue::of_int16(25));
  const auto back = level_from_bytes(w.bytes());
  ASSERT_TRUE(back.ok());
  const LevelData& level = back.value();
  EXPECT_EQ((std::vector<std::string>{level.stocks[1], level.stocks[2], level.stocks[3], level.stocks[4]}),
            (std::vector<std::string>{"15", "-40000", "2.5", ""}));
  EXPECT_EQ(level.time, "60");
  EXPECT_EQ(level.water, "25");
}

struct HostileLevel {
  const char* what;
  int slot;        // where the bad item goes
  Bytes item;      // its bytes
  bool end_after;  // the file stops right after the item
  LevelError::Kind kind;
};

Bytes cell_item(std::int16_t piece_code, std::int16_t eau_g, std::int16_t eau_b) {
  const auto lo = [](std::int16_t v) { return static_cast<std::uint8_t>(v & 0xFF); };
  const auto hi = [](std::int16_t v) { return static_cast<std::uint8_t>((v >> 8) & 0xFF); };
  return {lo(piece_code), hi(piece_code), lo(eau_g), hi(eau_g), 0, 0, lo(eau_b), hi(eau_b), 0, 0, 1, 0, 0, 0, 0, 0};
}

TEST(LevelFromBytes, HostileFilesAreRejected) {
  using K = LevelError::Kind;
  Bytes long_heading = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 200, 0};
  long_heading.resize(slot_size, 'G');
  const HostileLevel cases[] = {
      {"piece 21", 40, cell_item(21, 0, 0), false, K::BadPiece},
      {"piece -1", 1, cell_item(-1, 0, 0), false, K::BadPiece},
      {"water field 2", 7, cell_item(1, 2, 0), false, K::BadWater},
      {"water field -1", 228, cell_item(1, 0, -1), false, K::BadWater},
      {"heading of 200 bytes in a cell", 12, long_heading, false, K::Damaged},
      {"stock text past the end of the file", 230, {0x08, 0x00, 0x10, 0x00, '9'}, true, K::Truncated},
      {"tagged type 7 as time", time_slot, {0x07, 0x00, 0, 0, 0, 0, 0, 0, 0, 0}, false, K::UnknownValue},
      {"time NaN", time_slot, {0x05, 0x00, 0, 0, 0, 0, 0, 0, 0xF8, 0x7F}, false, K::NonFinite},
      {"water +infinity", water_slot, {0x04, 0x00, 0, 0, 0x80, 0x7F}, false, K::NonFinite},
      {"stock -infinity", first_stock_slot, {0x05, 0x00, 0, 0, 0, 0, 0, 0, 0xF0, 0xFF}, false, K::NonFinite},
      {"author longer than its slot", author_slot, {0x7F, 0x00, 'x'}, false, K::Damaged},
      {"author past the end of the file", author_slot, {0x09, 0x00, 'V', 'r'}, true, K::Truncated},
  };
  for (const HostileLevel& c : cases) {
    Bytes file = level_bytes(busy_level());
    const auto at = static_cast<long>(c.slot - 1) * static_cast<long>(slot_size);
    std::fill(file.begin() + at, file.begin() + at + static_cast<long>(slot_size), 0);
    std::copy(c.item.begin(), c.item.end(), file.begin() + at);
    if (c.end_after) file.resize(static_cast<std::size_t>(at) + c.item.size());

    const auto back = level_from_bytes(file, "x.tab");
    ASSERT_FALSE(back.ok()) << c.what;
    EXPECT_EQ(back.error().kind, c.kind) << c.what;
    EXPECT_EQ(back.error().slot, c.slot) << c.what;
    EXPECT_EQ(back.error().file_name, "x.tab") << c.what;
  }
}

TEST(LevelError, EveryKindHasItsOwnMessageInThePlayersLanguage) {
  const LevelError missing{LevelError::Kind::Missing, "x.tab"};
  EXPECT_EQ(missing.message(0), "Impossible de lire le tableau « x.tab » : le fichier est introuvable.");
  EXPECT_EQ(missing.message(1), "Cannot read the level \"x.tab\": the file is missing.");
  EXPECT_EQ(missing.message(7), missing.message(1));
  const LevelError no_folder{LevelError::Kind::FolderMissing, "mon niveau.tab"};
  EXPECT_EQ(no_folder.message(0),
            "Impossible d'enregistrer le tableau « mon niveau.tab » : le dossier des tableaux est introuvable.");
  EXPECT_EQ(no_folder.message(1), "Cannot save the level \"mon niveau.tab\": the levels folder is missing.");

  using K = LevelError::Kind;
  for (const std::int16_t langue : {0, 1}) {
    std::vector<std::string> seen;
    for (const K k : {K::Missing, K::NotAFile, K::Unreadable, K::Truncated, K::Damaged, K::UnknownValue, K::BadPiece,
                      K::BadWater, K::NonFinite, K::FolderMissing, K::TargetNotAFile, K::WriteFailed}) {
      const std::string m = LevelError{k, "a.tab"}.message(langue);
      EXPECT_NE(m.find("a.tab"), std::string::npos) << m;
      EXPECT_EQ(std::count(seen.begin(), seen.end(), m), 0) << m;
      seen.push_back(m);
    }
  }
}

TEST(LevelFile, SavingOverALevelReplacesItWholeAndLeavesNoTemporary) {
  TempFolder dir;
  ASSERT_EQ(write_level_file(dir / "a.tab", LevelData{}), std::nullopt);
  ASSERT_EQ(write_level_file(dir / "a.tab", busy_level()), std::nullopt);
  EXPECT_EQ(file_bytes(dir / "a.tab"), level_bytes(busy_level()));
  EXPECT_EQ(entries(dir.path()), std::vector<fs::path>{"a.tab"});
  const auto back = read_level_file(dir / "a.tab");
  ASSERT_TRUE(back.ok()) << back.error().message(1);
  EXPECT_EQ(back.value(), busy_level());
}

TEST(LevelFile, SavingReplacesATemporaryLeftByAnInterruptedSaveButNeverWritesThroughALink) {
  TempFolder dir;
  put_file(dir / "a.tab.tmp", Bytes(10, 0xAB));
  put_file(dir / "other.sta", Bytes{1, 2, 3});
  fs::create_symlink(dir / "other.sta", dir / "b.tab.tmp");
  for (const char* name : {"a.tab", "b.tab"}) {
    ASSERT_EQ(write_level_file(dir / name, busy_level()), std::nullopt) << name;
    EXPECT_EQ(file_bytes(dir / name), level_bytes(busy_level())) << name;
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir / name))) << name;
  }
  EXPECT_EQ(file_bytes(dir / "other.sta"), (Bytes{1, 2, 3}));
  EXPECT_EQ(entries(dir.path()).size(), 3u);  // no temporary left
}

TEST(LevelFile, AFailedSaveSaysWhyAndKeepsWhatWasThere) {
  TempFolder dir;
  put_file(dir / "a.tab", Bytes{1, 2});
  fs::create_directories(dir / "a.tab.tmp" / "inside");  // a folder squatting the temporary's name
  fs::create_directories(dir / "b.tab" / "inside");
  using K = LevelError::Kind;
  const std::pair<fs::path, K> cases[] = {
      {dir / "a.tab", K::WriteFailed}, {dir / "b.tab", K::TargetNotAFile}, {dir / "tab" / "c.tab", K::FolderMissing}};
  for (const auto& [path, kind] : cases) {
    const auto error = write_level_file(path, busy_level());
    ASSERT_TRUE(error.has_value()) << path;
    EXPECT_EQ(error->kind, kind) << path;
    EXPECT_EQ(error->file_name, path.filename().string());
  }
  EXPECT_EQ(file_bytes(dir / "a.tab"), (Bytes{1, 2}));
  EXPECT_TRUE(fs::is_directory(dir / "a.tab.tmp" / "inside"));
  EXPECT_TRUE(fs::is_directory(dir / "b.tab" / "inside"));
  EXPECT_EQ(entries(dir.path()).size(), 3u);  // no b.tab.tmp, no tab folder
}

TEST(LevelFile, ReadingWhatIsNotALevelFileGivesAnError) {
  TempFolder dir;
  fs::create_directory(dir / "folder.tab");
  ASSERT_EQ(mkfifo((dir / "pipe.tab").c_str(), 0600), 0);  // reading it would block
  using K = LevelError::Kind;
  const std::pair<fs::path, K> cases[] = {{dir / "missing.tab", K::Missing},
                                          {dir / "nowhere" / "missing.tab", K::Missing},
                                          {dir / "folder.tab", K::NotAFile},
                                          {dir / "pipe.tab", K::NotAFile}};
  for (const auto& [path, kind] : cases) {
    const auto level = read_level_file(path);
    ASSERT_FALSE(level.ok()) << path;
    EXPECT_EQ(level.error().kind, kind) << path;
    EXPECT_EQ(level.error().file_name, path.filename().string());
    const auto author = read_level_author(path);
    ASSERT_FALSE(author.ok()) << path;
    EXPECT_EQ(author.error().kind, kind) << path;
  }
}

TEST(LevelAuthor, ReadsOnlyTheAuthorSlot) {
  TempFolder dir;
  Bytes bytes = level_bytes(busy_level());
  bytes[0] = 99;  // a bad piece the browser does not need to look at
  put_file(dir / "a.tab", bytes);
  EXPECT_EQ(read_level_author(dir / "a.tab").value(), "Hélène");

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
