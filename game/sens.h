#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace drippo {

// The remembered horizontal heading of a cell's water. The rules only care about
// "G" and "D", but a level file may hold any text there and saving must give it
// back unchanged, so other texts are interned and the cell keeps a small id.
// That keeps a cell a plain 16-byte value, which the water tick copies twice
// per cell and per tick.
class Sens {
 public:
  constexpr Sens() = default;

  static constexpr Sens none() { return Sens(0); }
  static constexpr Sens gauche() { return Sens(1); }
  static constexpr Sens droite() { return Sens(2); }

  // Any text; "G" and "D" give the two headings, the empty text gives none().
  static Sens from_text(std::string_view text);
  const std::string& text() const;

  // The raw id, for code that works on whole arrays of headings.
  constexpr std::uint16_t id() const { return id_; }
  static constexpr Sens from_id(std::uint16_t id) { return Sens(id); }
  constexpr bool is_gauche() const { return id_ == 1; }
  constexpr bool is_droite() const { return id_ == 2; }
  constexpr bool operator==(const Sens&) const = default;

 private:
  constexpr explicit Sens(std::uint16_t id) : id_(id) {}
  std::uint16_t id_ = 0;
};

}  // namespace drippo
