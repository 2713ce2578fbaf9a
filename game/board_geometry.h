#pragma once

#include <array>
#include <cstdint>

namespace drippo {

// The board: 19 columns by 12 rows, cell index = row * nb_colonnes + column.
inline constexpr int nb_colonnes = 19;
inline constexpr int nb_lignes = 12;
inline constexpr int nb_cases = nb_colonnes * nb_lignes;
inline constexpr int derniere_case = nb_cases - 1;

// The water source: the top-right cell.
inline constexpr int case_source = nb_colonnes - 1;

enum class Direction : std::uint8_t {
  Above,
  Below,
  Left,
  Right,
  AboveLeft,
  AboveRight,
  BelowLeft,
  BelowRight,
};

// The eight neighbours in the order a bomb's blast visits them.
inline constexpr std::array<Direction, 8> blast_order = {
    Direction::Above,     Direction::Below,      Direction::Left,      Direction::Right,
    Direction::AboveLeft, Direction::AboveRight, Direction::BelowLeft, Direction::BelowRight,
};

constexpr bool is_cell(int i) { return i >= 0 && i <= derniere_case; }

// The one neighbour rule of the game: -1 when there is no such cell.
constexpr int neighbour(int i, Direction d) {
  const bool above = i >= nb_colonnes;
  const bool below = i <= derniere_case - nb_colonnes;
  const bool left = i % nb_colonnes != 0;
  const bool right = (i + 1) % nb_colonnes != 0;
  switch (d) {
    case Direction::Above: return above ? i - nb_colonnes : -1;
    case Direction::Below: return below ? i + nb_colonnes : -1;
    case Direction::Left: return left ? i - 1 : -1;
    case Direction::Right: return right ? i + 1 : -1;
    case Direction::AboveLeft: return above && left ? i - nb_colonnes - 1 : -1;
    case Direction::AboveRight: return above && right ? i - nb_colonnes + 1 : -1;
    case Direction::BelowLeft: return below && left ? i + nb_colonnes - 1 : -1;
    case Direction::BelowRight: return below && right ? i + nb_colonnes + 1 : -1;
  }
  return -1;
}

}  // namespace drippo
