#include "storage/level_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace drippo {
namespace {

using Bytes = std::vector<std::uint8_t>;

// What the editor's new level holds.
LevelData new_level() {
  LevelData level;
  for (int t = 1; t <= nb_types; ++t) level.stocks[t] = "99";
  level.time = "10";
  level.water = "10";
  level.author = "Anonyme";
  return level;
}

// Something in every field a file can carry.
LevelData busy_level() {
  LevelData level = new_level();
  level.cells[0] = {piece::verre, 0, 0, 0, 0, 0, Sens::none(), 10};
  level.cells[18] = {piece::plateforme, 0, 0, 0, -10, 0, Sens::gauche(), 0};
  level.cells[100] = {piece::porte, 0, 0, 0, 5, 1, Sens::droite(), -3};
  level.cells[150] = {piece::brique, 0, 0, 0, 0, -2, Sens::from_text("zz"), 0};
  level.cells[227] = {piece::chat, 0, 0, 0, 0, 0, Sens::from_text("Hé"), 32767};
  level.stocks[3] = "";
  level.stocks[7] = "00";
  level.stocks[20] = "12 ans";
  level.time = "60";
  level.water = "2.5";
  level.author = "Hélène";
  return level;
}

Bytes slot(const Bytes& file, int number, std::size_t length) {
  const auto start = file.begin() + (number - 1) * static_cast<long>(slot_size);
  return Bytes(start, start + static_cast<long>(length));
}

Bytes slot_rest(const Bytes& file, int number, std::size_t from) {
  const auto start = file.begin() + (number - 1) * static_cast<long>(slot_size);
  return Bytes(start + static_cast<long>(from), start + static_cast<long>(slot_size));
}

constexpr int first_stock_slot = nb_cases + 1;   // 229
constexpr int time_slot = nb_cases + nb_types + 1;  // 249
constexpr int water_slot = time_slot + 1;
constexpr int author_slot = water_slot + 1;

TEST(LevelBytes, EveryLevelIsExactly32128Bytes) {
  LevelData long_texts = busy_level();
  long_texts.author = std::string(500, 'a');
  long_texts.time = std::string(500, '9');
  for (auto& cell : long_texts.cells) cell.sens = Sens::from_text(std::string(300, 'D'));
  for (const LevelData& level : {LevelData{}, new_level(), busy_level(), long_texts}) {
    EXPECT_EQ(level_bytes(level).size(), 32128u);
  }
}

TEST(LevelBytes, WorkedSlotsOfANewLevel) {
  const Bytes file = level_bytes(new_level());
  const Bytes free_cell = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0};
  EXPECT_EQ(slot(file, 1, 16), free_cell);
  EXPECT_EQ(slot_rest(file, 1, 16), Bytes(slot_size - 16, 0));
  EXPECT_EQ(slot(file, nb_cases, 16), free_cell);
  for (int s = first_stock_slot; s < time_slot; ++s) {
    EXPECT_EQ(slot(file, s, 6), (Bytes{0x08, 0x00, 0x02, 0x00, '9', '9'})) << "slot " << s;
  }
  EXPECT_EQ(slot(file, time_slot, 6), (Bytes{0x08, 0x00, 0x02, 0x00, '1', '0'}));
  EXPECT_EQ(slot(file, water_slot, 6), (Bytes{0x08, 0x00, 0x02, 0x00, '1', '0'}));
  EXPECT_EQ(slot(file, author_slot, 9), (Bytes{0x07, 0x00, 'A', 'n', 'o', 'n', 'y', 'm', 'e'}));
  EXPECT_EQ(slot_rest(file, author_slot, 9), Bytes(slot_size - 9, 0));
}

TEST(LevelBytes, StockOfExactlyZeroIsWrittenAsEmptyText) {
  LevelData level = new_level();
  level.stocks[1] = "0";
  level.stocks[2] = "00";
  level.stocks[3] = " 0";
  const Bytes file = level_bytes(level);
  EXPECT_EQ(slot(file, first_stock_slot, 4), (Bytes{0x08, 0x00, 0x00, 0x00}));
  EXPECT_EQ(slot(file, first_stock_slot + 1, 6), (Bytes{0x08, 0x00, 0x02, 0x00, '0', '0'}));
  EXPECT_EQ(slot(file, first_stock_slot + 2, 6), (Bytes{0x08, 0x00, 0x02, 0x00, ' ', '0'}));

  const auto back = level_from_bytes(file);
  ASSERT_TRUE(back.ok());
  EXPECT_EQ(back.value().stocks[1], "");
  EXPECT_EQ(back.value().stocks[2], "00");
}

TEST(LevelBytes, SavedCellsHoldNoWaterButKeepHeadingAndCounter) {
  LevelData level = new_level();
  level.cells[5] = {piece::moulin, 1, 1, 1, 4, 1, Sens::gauche(), 0};
  const Bytes file = level_bytes(level);
  EXPECT_EQ(slot(file, 6, 17), (Bytes{13, 0, 0, 0, 0, 0, 0, 0, 4, 0, 1, 0, 1, 0, 'G', 0, 0}));
  EXPECT_EQ(slot_rest(file, 6, 17), Bytes(slot_size - 17, 0));
}

TEST(LevelBytes, TextsAreStoredInWindows1252) {
  const Bytes file = level_bytes(busy_level());
  EXPECT_EQ(slot(file, author_slot, 8), (Bytes{0x06, 0x00, 'H', 0xE9, 'l', 0xE8, 'n', 'e'}));
  EXPECT_EQ(slot(file, nb_cases, 18), (Bytes{19, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 'H', 0xE9, 0xFF, 0x7F}));
}

TEST(LevelFromBytes, RoundTripKeepsEveryByte) {
  for (const LevelData& level : {new_level(), busy_level()}) {
    const Bytes file = level_bytes(level);
    const auto back = level_from_bytes(file);
    ASSERT_TRUE(back.ok()) << back.error().message(1);
    EXPECT_EQ(back.value(), level);
    EXPECT_EQ(level_bytes(back.value()), file);
  }
}

TEST(LevelFromBytes, ShortFileReadsZerosAndEmptyTexts) {
  const Bytes full = level_bytes(busy_level());
  // The last size ends 16 bytes into the slot of cell 151: a whole empty cell.
  for (const std::size_t size : {std::size_t{0}, 10 * slot_size, 151 * slot_size + 16}) {
    const auto back = level_from_bytes(Bytes(full.begin(), full.begin() + static_cast<long>(size)));
    ASSERT_TRUE(back.ok()) << size;
    const LevelData& level = back.value();
    const std::size_t cells_present = size / slot_size + (size % slot_size != 0);
    EXPECT_EQ(level.cells[0].piece, size > 0 ? piece::verre : 0);
    if (size % slot_size != 0) {
      EXPECT_EQ(level.cells[cells_present - 1].modifiable, 1);
    }
    const Cellule& missing = level.cells[cells_present];
    EXPECT_EQ(missing.piece, 0);
    EXPECT_EQ(missing.modifiable, 0);
    EXPECT_EQ(level.cells[227].sens, Sens::none());
    EXPECT_TRUE(std::all_of(level.stocks.begin(), level.stocks.end(),
                            [](const std::string& s) { return s.empty(); }));
    EXPECT_EQ(level.time, "");
    EXPECT_EQ(level.author, "");
  }
}

TEST(LevelFromBytes, UnpaddedLastSlotAndBytesPastTheAuthor) {
  const Bytes full = level_bytes(new_level());
  const Bytes unpadded(full.begin(), full.begin() + (author_slot - 1) * slot_size + 9);
  const auto short_read = level_from_bytes(unpadded);
  ASSERT_TRUE(short_read.ok());
  EXPECT_EQ(short_read.value(), new_level());

  Bytes longer = full;
  longer.insert(longer.end(), {0x07, 0x00, 0xFF, 0xFF, 0xFF, 0xFF});  // junk, never read
  const auto long_read = level_from_bytes(longer);
  ASSERT_TRUE(long_read.ok());
  EXPECT_EQ(long_read.value(), new_level());
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
  EXPECT_EQ(back.value().stocks[1], "15");
  EXPECT_EQ(back.value().stocks[2], "-40000");
  EXPECT_EQ(back.value().stocks[3], "2.5");
  EXPECT_EQ(back.value().stocks[4], "");
  EXPECT_EQ(back.value().time, "60");
  EXPECT_EQ(back.value().water, "25");
}

struct HostileLevel {
  const char* what;
  int slot;            // where the bad item goes
  Bytes item;          // its bytes
  bool end_after;      // the file stops right after the item
  LevelError::Kind kind;
};

Bytes cell_item(std::int16_t piece_code, std::int16_t eau_g, std::int16_t eau_b) {
  return {static_cast<std::uint8_t>(piece_code & 0xFF), static_cast<std::uint8_t>((piece_code >> 8) & 0xFF),
          static_cast<std::uint8_t>(eau_g & 0xFF), static_cast<std::uint8_t>((eau_g >> 8) & 0xFF),
          0, 0,
          static_cast<std::uint8_t>(eau_b & 0xFF), static_cast<std::uint8_t>((eau_b >> 8) & 0xFF),
          0, 0, 1, 0, 0, 0, 0, 0};
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
      {"cell cut short", 100, {1, 0, 0, 0, 0}, true, K::Truncated},
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

TEST(LevelError, MessagesSpeakThePlayersLanguage) {
  const LevelError missing{LevelError::Kind::Missing, "x.tab"};
  EXPECT_EQ(missing.message(0), "Impossible de lire le tableau « x.tab » : le fichier est introuvable.");
  EXPECT_EQ(missing.message(1), "Cannot read the level \"x.tab\": the file is missing.");
  EXPECT_EQ(missing.message(7), missing.message(1));

  const LevelError no_folder{LevelError::Kind::FolderMissing, "mon niveau.tab"};
  EXPECT_EQ(no_folder.message(0),
            "Impossible d'enregistrer le tableau « mon niveau.tab » : le dossier des tableaux est introuvable.");
  EXPECT_EQ(no_folder.message(1), "Cannot save the level \"mon niveau.tab\": the levels folder is missing.");
}

TEST(LevelError, EveryKindHasItsOwnMessageInBothLanguages) {
  using K = LevelError::Kind;
  const K kinds[] = {K::Missing,    K::NotAFile,      K::Unreadable,     K::Truncated,
                     K::Damaged,    K::UnknownValue,  K::BadPiece,       K::BadWater,
                     K::NonFinite,  K::FolderMissing, K::TargetNotAFile, K::WriteFailed};
  for (const std::int16_t langue : {0, 1}) {
    std::vector<std::string> seen;
    for (const K k : kinds) {
      const std::string m = LevelError{k, "a.tab"}.message(langue);
      EXPECT_NE(m.find("a.tab"), std::string::npos) << m;
      EXPECT_EQ(m.back(), '.') << m;
      EXPECT_EQ(std::count(seen.begin(), seen.end(), m), 0) << m;
      seen.push_back(m);
    }
  }
}

}  // namespace
}  // namespace drippo
