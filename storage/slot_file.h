#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "game/cellule.h"

namespace drippo {

// Every file the game writes is a run of 128-byte slots, one item at the start
// of each. Text in these files is raw Windows-1252 bytes; converting it is the
// caller's business, except for a cell's heading (see write_cell/read_cell).

inline constexpr std::size_t slot_size = 128;

// A value or the reason there is none. Nothing in storage throws on bad input.
template <class T, class E>
class Result {
 public:
  Result(T value) : v_(std::in_place_index<0>, std::move(value)) {}
  Result(E error) : v_(std::in_place_index<1>, std::move(error)) {}

  bool ok() const { return v_.index() == 0; }
  explicit operator bool() const { return ok(); }
  const T& value() const& { return std::get<0>(v_); }
  T& value() & { return std::get<0>(v_); }
  T&& value() && { return std::get<0>(std::move(v_)); }
  const E& error() const { return std::get<1>(v_); }

 private:
  std::variant<T, E> v_;
};

enum class SlotErrorKind {
  LengthOverrunsSlot,  // a length field claims more than is left of its slot
  Truncated,           // the data ends inside the item
  UnknownTaggedType,   // a tagged value whose type code we do not know
};

struct SlotError {
  SlotErrorKind kind;
  int slot;  // counted from 1
  bool operator==(const SlotError&) const = default;
};

// A 16-bit type code followed by a value of that type.
struct TaggedValue {
  enum class Type : std::int16_t {
    Empty = 0,
    Int16 = 2,
    Int32 = 3,
    Float32 = 4,
    Float64 = 5,
    Text = 8,
  };

  Type type = Type::Empty;
  double number = 0;  // the value of the four numeric types
  std::string text;   // Text: Windows-1252 bytes

  static TaggedValue of_int16(std::int16_t v) { return {Type::Int16, double(v), {}}; }
  static TaggedValue of_int32(std::int32_t v) { return {Type::Int32, double(v), {}}; }
  static TaggedValue of_float32(float v) { return {Type::Float32, double(v), {}}; }
  static TaggedValue of_float64(double v) { return {Type::Float64, v, {}}; }
  static TaggedValue of_text(std::string bytes) { return {Type::Text, 0, std::move(bytes)}; }

  // As a box shows it: numbers in decimal ("75", "2.5"), the empty value as
  // empty text, text unchanged.
  std::string decimal_text() const;

  bool operator==(const TaggedValue&) const = default;
};

// Builds a slot file in memory: every write fills one whole slot, zero-padded.
// Text too long for its slot is cut at the slot's end, since an item may never
// cross into the next slot.
class SlotWriter {
 public:
  void write_int16(std::int16_t v);
  void write_string(std::string_view bytes);
  void write_tagged(const TaggedValue& v);
  void write_text(std::string_view bytes) { write_tagged(TaggedValue::of_text(std::string(bytes))); }
  void write_float64(double v) { write_tagged(TaggedValue::of_float64(v)); }
  // The cell's fields as they are (water included); its heading is converted
  // from UTF-8 to Windows-1252.
  void write_cell(const Cellule& c);

  const std::vector<std::uint8_t>& bytes() const& { return bytes_; }
  std::vector<std::uint8_t> bytes() && { return std::move(bytes_); }

 private:
  std::span<std::uint8_t> next_slot();
  std::vector<std::uint8_t> bytes_;
};

// Reads items slot after slot from bytes it does not own. A slot beyond the
// end of the data reads as zero bytes, so a short file gives zeros and empty
// texts; a slot that ends early needs only hold its whole item.
class SlotReader {
 public:
  explicit SlotReader(std::span<const std::uint8_t> data) : data_(data) {}
  // The reader keeps a view: a temporary would be gone before the first read.
  explicit SlotReader(std::vector<std::uint8_t>&&) = delete;

  Result<std::int16_t, SlotError> read_int16();
  Result<std::string, SlotError> read_string();
  Result<TaggedValue, SlotError> read_tagged();
  // The heading comes back through Windows-1252 to UTF-8 and Sens::from_text.
  Result<Cellule, SlotError> read_cell();

  void skip_slots(int count) { next_ += count; }
  // The slot the next read takes, counted from 1.
  int next_slot() const { return next_ + 1; }

 private:
  std::span<const std::uint8_t> take_slot();
  std::span<const std::uint8_t> data_;
  int next_ = 0;
};

}  // namespace drippo
