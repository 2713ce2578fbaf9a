#include "storage/slot_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "game/pieces.h"

namespace drippo {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes padded(Bytes item) {
  item.resize(slot_size, 0);
  return item;
}

Bytes with_length(Bytes head, std::size_t n, std::uint8_t fill = 'a') {
  head.push_back(static_cast<std::uint8_t>(n & 0xFF));
  head.push_back(static_cast<std::uint8_t>(n >> 8));
  head.insert(head.end(), n, fill);
  return head;
}

struct TaggedCase {
  TaggedValue value;
  Bytes bytes;
  std::string text;
};

TEST(TaggedValue, EncodesReadsBackAndShowsEachType) {
  const TaggedCase cases[] = {
      {{}, {0x00, 0x00}, ""},
      {TaggedValue::of_int16(-2), {0x02, 0x00, 0xFE, 0xFF}, "-2"},
      {TaggedValue::of_int32(70000), {0x03, 0x00, 0x70, 0x11, 0x01, 0x00}, "70000"},
      {TaggedValue::of_float32(75.2f), {0x04, 0x00, 0x66, 0x66, 0x96, 0x42}, "75.2"},
      {TaggedValue::of_float64(75), {0x05, 0x00, 0, 0, 0, 0, 0, 0xC0, 0x52, 0x40}, "75"},
      {TaggedValue::of_text("99"), {0x08, 0x00, 0x02, 0x00, '9', '9'}, "99"},
  };
  for (const TaggedCase& c : cases) {
    SlotWriter w;
    w.write_tagged(c.value);
    EXPECT_EQ(w.bytes(), padded(c.bytes)) << c.text;
    SlotReader r(c.bytes);  // unpadded: a last slot need not be full
    const auto back = r.read_tagged();
    ASSERT_TRUE(back.ok()) << c.text;
    EXPECT_EQ(back.value(), c.value) << c.text;
    EXPECT_EQ(back.value().decimal_text(), c.text);
  }
}

TEST(SlotWriter, CellWithHeadingGTakesSeventeenBytes) {
  Cellule c;
  c.piece = piece::plateforme;
  c.eau_d = 1;
  c.compteur = -10;
  c.modifiable = 0;
  c.sens = Sens::gauche();
  c.besoin = 0x0203;
  SlotWriter w;
  w.write_cell(c);
  EXPECT_EQ(w.bytes(), padded({1, 0, 0, 0, 1, 0, 0, 0, 0xF6, 0xFF, 0, 0, 1, 0, 'G', 3, 2}));
  SlotReader r(w.bytes());
  const auto back = r.read_cell();
  ASSERT_TRUE(back.ok());
  EXPECT_EQ(back.value(), c);
}

TEST(SlotWriter, TextTooLongForItsSlotIsCutAtTheSlotEnd) {
  const std::string long_text(300, 'x');
  Cellule c;
  c.sens = Sens::from_text(long_text);
  c.besoin = 7;
  SlotWriter w;
  w.write_string(long_text);
  w.write_text(long_text);
  w.write_cell(c);
  ASSERT_EQ(w.bytes().size(), 3 * slot_size);

  SlotReader r(w.bytes());
  EXPECT_EQ(r.read_string().value(), std::string(126, 'x'));
  EXPECT_EQ(r.read_tagged().value().text, std::string(124, 'x'));
  const auto cell = r.read_cell();
  ASSERT_TRUE(cell.ok());
  EXPECT_EQ(cell.value().sens.text(), std::string(112, 'x'));
  EXPECT_EQ(cell.value().besoin, 7);
}

TEST(SlotReader, SlotsPastTheEndReadAsZeroBytes) {
  const Bytes one_int = {0x2A, 0x00};  // a last slot holding just its item
  SlotReader r(one_int);
  EXPECT_EQ(r.read_int16().value(), 42);
  EXPECT_EQ(r.read_int16().value(), 0);
  EXPECT_EQ(r.read_string().value(), "");
  EXPECT_EQ(r.read_tagged().value(), TaggedValue{});
  const auto cell = r.read_cell();
  ASSERT_TRUE(cell.ok());
  EXPECT_EQ(cell.value().piece, 0);
  EXPECT_EQ(cell.value().modifiable, 0);  // zero bytes, not the in-game default of 1
  EXPECT_EQ(cell.value().sens, Sens::none());
  EXPECT_EQ(r.next_slot(), 6);
}

enum class Item { Int16, String, Tagged, Cell };

struct HostileCase {
  const char* what;
  Bytes bytes;
  Item item;
  SlotErrorKind kind;
};

TEST(SlotReader, HostileItemsAreReportedNotTrusted) {
  using K = SlotErrorKind;
  const HostileCase cases[] = {
      {"string longer than its slot", with_length({}, 127), Item::String, K::LengthOverrunsSlot},
      {"string length 0xFFFF", {0xFF, 0xFF, 'a'}, Item::String, K::LengthOverrunsSlot},
      {"text longer than its slot", with_length({0x08, 0x00}, 125), Item::Tagged, K::LengthOverrunsSlot},
      {"heading pushing besoin out of the slot", with_length(Bytes(12, 0), 113), Item::Cell,
       K::LengthOverrunsSlot},
      {"string running past the data", {0x05, 0x00, 'a', 'b'}, Item::String, K::Truncated},
      {"half an integer", {0x01}, Item::Int16, K::Truncated},
      {"float64 cut short", {0x05, 0x00, 0, 0, 0, 0}, Item::Tagged, K::Truncated},
      {"type code cut short", {0x08}, Item::Tagged, K::Truncated},
      {"cell without its besoin", Bytes(15, 0), Item::Cell, K::Truncated},
      {"tagged type 7", {0x07, 0x00, 0, 0, 0, 0, 0, 0, 0, 0}, Item::Tagged, K::UnknownTaggedType},
      {"tagged type 1", {0x01, 0x00}, Item::Tagged, K::UnknownTaggedType},
      {"tagged type -1", {0xFF, 0xFF}, Item::Tagged, K::UnknownTaggedType},
  };
  for (const HostileCase& c : cases) {
    // Behind a good first slot, so the error must name slot 2.
    Bytes data = padded({0x01, 0x00});
    data.insert(data.end(), c.bytes.begin(), c.bytes.end());
    SlotReader r(data);
    ASSERT_TRUE(r.read_int16().ok()) << c.what;
    const auto expected = SlotError{c.kind, 2};
    switch (c.item) {
      case Item::Int16: EXPECT_EQ(r.read_int16().error(), expected) << c.what; break;
      case Item::String: EXPECT_EQ(r.read_string().error(), expected) << c.what; break;
      case Item::Tagged: EXPECT_EQ(r.read_tagged().error(), expected) << c.what; break;
      case Item::Cell: EXPECT_EQ(r.read_cell().error(), expected) << c.what; break;
    }
  }
}

}  // namespace
}  // namespace drippo
