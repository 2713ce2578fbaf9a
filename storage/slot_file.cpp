#include "storage/slot_file.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

#include "game/control_text.h"
#include "storage/cp1252.h"

namespace drippo {
namespace {

constexpr std::array<std::uint8_t, slot_size> zero_slot{};

// Writes little-endian fields into one slot; never past its end.
class SlotFiller {
 public:
  explicit SlotFiller(std::span<std::uint8_t> slot) : slot_(slot) {}

  void u16(std::uint16_t v) {
    put(static_cast<std::uint8_t>(v & 0xFF));
    put(static_cast<std::uint8_t>(v >> 8));
  }
  void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
  void u32(std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) put(static_cast<std::uint8_t>(v >> shift));
  }
  void u64(std::uint64_t v) {
    for (int shift = 0; shift < 64; shift += 8) put(static_cast<std::uint8_t>(v >> shift));
  }
  // A 16-bit length and the bytes, cut so that `reserve` bytes still fit after them.
  void counted(std::string_view bytes, std::size_t reserve = 0) {
    const std::size_t room = slot_.size() - pos_ - 2 - reserve;
    bytes = bytes.substr(0, std::min(bytes.size(), room));
    u16(static_cast<std::uint16_t>(bytes.size()));
    for (const char b : bytes) put(static_cast<std::uint8_t>(b));
  }

 private:
  void put(std::uint8_t b) { slot_[pos_++] = b; }
  std::span<std::uint8_t> slot_;
  std::size_t pos_ = 0;
};

// Reads the fields of one item from one slot. The first failure sticks: later
// reads give zeros, and error() tells what went wrong.
class SlotCursor {
 public:
  explicit SlotCursor(std::span<const std::uint8_t> slot) : slot_(slot) {}

  std::uint16_t u16() {
    const std::uint8_t* p = take(2);
    return p ? static_cast<std::uint16_t>(p[0] | (p[1] << 8)) : 0;
  }
  std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
  std::uint32_t u32() {
    const std::uint8_t* p = take(4);
    std::uint32_t v = 0;
    for (int k = 3; p && k >= 0; --k) v = (v << 8) | p[k];
    return v;
  }
  std::uint64_t u64() {
    const std::uint8_t* p = take(8);
    std::uint64_t v = 0;
    for (int k = 7; p && k >= 0; --k) v = (v << 8) | p[k];
    return v;
  }
  std::string counted() {
    const std::size_t n = u16();
    const std::uint8_t* p = take(n);
    return p ? std::string(reinterpret_cast<const char*>(p), n) : std::string();
  }

  void fail(SlotErrorKind kind) {
    if (!error_) error_ = kind;
  }
  const std::optional<SlotErrorKind>& error() const { return error_; }

 private:
  const std::uint8_t* take(std::size_t n) {
    if (error_) return nullptr;
    // Overrunning the slot is the worse fault, so it wins over a short file.
    if (n > slot_size - pos_) {
      fail(SlotErrorKind::LengthOverrunsSlot);
      return nullptr;
    }
    if (n > slot_.size() - pos_) {
      fail(SlotErrorKind::Truncated);
      return nullptr;
    }
    const std::uint8_t* p = slot_.data() + pos_;
    pos_ += n;
    return p;
  }

  std::span<const std::uint8_t> slot_;
  std::size_t pos_ = 0;
  std::optional<SlotErrorKind> error_;
};

template <class T>
Result<T, SlotError> finish(const SlotCursor& cursor, int slot, T value) {
  if (cursor.error()) return SlotError{*cursor.error(), slot};
  return value;
}

bool known_type(std::int16_t code) {
  using T = TaggedValue::Type;
  for (const T t : {T::Empty, T::Int16, T::Int32, T::Float32, T::Float64, T::Text}) {
    if (code == static_cast<std::int16_t>(t)) return true;
  }
  return false;
}

// Whole numbers only, clamped: a double out of an integer's range has no
// defined conversion.
template <class Int>
Int clamped(double v) {
  if (std::isnan(v)) return 0;
  const double lo = std::numeric_limits<Int>::min();
  const double hi = std::numeric_limits<Int>::max();
  return static_cast<Int>(std::clamp(std::trunc(v), lo, hi));
}

}  // namespace

std::string TaggedValue::decimal_text() const {
  switch (type) {
    case Type::Empty: return {};
    case Type::Text: return text;
    case Type::Float32: return single_text(static_cast<float>(number));
    case Type::Int16:
    case Type::Int32:
    case Type::Float64: return number_text(number);
  }
  return {};
}

std::span<std::uint8_t> SlotWriter::next_slot() {
  const std::size_t start = bytes_.size();
  bytes_.resize(start + slot_size, 0);
  return std::span<std::uint8_t>(bytes_).subspan(start, slot_size);
}

void SlotWriter::write_int16(std::int16_t v) { SlotFiller(next_slot()).i16(v); }

void SlotWriter::write_string(std::string_view bytes) { SlotFiller(next_slot()).counted(bytes); }

void SlotWriter::write_tagged(const TaggedValue& v) {
  SlotFiller out(next_slot());
  out.i16(static_cast<std::int16_t>(v.type));
  switch (v.type) {
    case TaggedValue::Type::Empty: break;
    case TaggedValue::Type::Int16: out.i16(clamped<std::int16_t>(v.number)); break;
    case TaggedValue::Type::Int32:
      out.u32(static_cast<std::uint32_t>(clamped<std::int32_t>(v.number)));
      break;
    case TaggedValue::Type::Float32:
      out.u32(std::bit_cast<std::uint32_t>(static_cast<float>(v.number)));
      break;
    case TaggedValue::Type::Float64: out.u64(std::bit_cast<std::uint64_t>(v.number)); break;
    case TaggedValue::Type::Text: out.counted(v.text); break;
  }
}

void SlotWriter::write_cell(const Cellule& c) {
  SlotFiller out(next_slot());
  for (const std::int16_t field : {c.piece, c.eau_g, c.eau_d, c.eau_b, c.compteur, c.modifiable}) {
    out.i16(field);
  }
  out.counted(cp1252_from_utf8(c.sens.text()), sizeof c.besoin);
  out.i16(c.besoin);
}

std::span<const std::uint8_t> SlotReader::take_slot() {
  const std::size_t start = static_cast<std::size_t>(next_++) * slot_size;
  if (start >= data_.size()) return zero_slot;
  return data_.subspan(start, std::min(slot_size, data_.size() - start));
}

Result<std::int16_t, SlotError> SlotReader::read_int16() {
  const int slot = next_slot();
  SlotCursor in(take_slot());
  const std::int16_t v = in.i16();
  return finish(in, slot, v);
}

Result<std::string, SlotError> SlotReader::read_string() {
  const int slot = next_slot();
  SlotCursor in(take_slot());
  std::string s = in.counted();
  return finish(in, slot, std::move(s));
}

Result<TaggedValue, SlotError> SlotReader::read_tagged() {
  const int slot = next_slot();
  SlotCursor in(take_slot());
  TaggedValue v;
  const std::int16_t code = in.i16();
  if (in.error()) return SlotError{*in.error(), slot};
  if (!known_type(code)) return SlotError{SlotErrorKind::UnknownTaggedType, slot};
  v.type = static_cast<TaggedValue::Type>(code);
  switch (v.type) {
    case TaggedValue::Type::Empty: break;
    case TaggedValue::Type::Int16: v.number = in.i16(); break;
    case TaggedValue::Type::Int32: v.number = static_cast<std::int32_t>(in.u32()); break;
    case TaggedValue::Type::Float32: v.number = std::bit_cast<float>(in.u32()); break;
    case TaggedValue::Type::Float64: v.number = std::bit_cast<double>(in.u64()); break;
    case TaggedValue::Type::Text: v.text = in.counted(); break;
  }
  return finish(in, slot, std::move(v));
}

Result<Cellule, SlotError> SlotReader::read_cell() {
  const int slot = next_slot();
  SlotCursor in(take_slot());
  Cellule c;
  c.piece = in.i16();
  c.eau_g = in.i16();
  c.eau_d = in.i16();
  c.eau_b = in.i16();
  c.compteur = in.i16();
  c.modifiable = in.i16();
  const std::string sens = in.counted();
  c.besoin = in.i16();
  if (in.error()) return SlotError{*in.error(), slot};
  c.sens = Sens::from_text(utf8_from_cp1252(sens));
  return c;
}

}  // namespace drippo
