#pragma once

#include <array>
#include <cstdint>

#include "game/board_geometry.h"
#include "game/cellule.h"

namespace drippo {

// Slots per field: the board, one cell where lost drops land, and room to
// round up to whole vector registers.
inline constexpr int board_slots = 240;
inline constexpr int lost_drop_cell = nb_cases;
// Two slots whose heading is always "D" and "G", so that every move can copy
// the new heading of a cell from some slot.
inline constexpr int heading_droite_slot = nb_cases + 1;
inline constexpr int heading_gauche_slot = nb_cases + 2;
static_assert(board_slots > heading_gauche_slot && board_slots % 16 == 0);

// Water fields share one array so that a move can name its field and its cell
// with one index: eau[field * board_slots + cell].
enum WaterField : std::uint8_t { falling = 0, going_right = 1, going_left = 2 };

// The board as one array per field of the cells. The water tick walks every
// field of every cell several times per tick; this layout lets the compiler do
// it a vector at a time.
struct BoardArrays {
  alignas(64) std::array<std::int16_t, board_slots> piece{};
  alignas(64) std::array<std::int16_t, 3 * board_slots> eau{};
  alignas(64) std::array<std::int16_t, board_slots> compteur{};
  alignas(64) std::array<std::int16_t, board_slots> modifiable{};
  alignas(64) std::array<std::int16_t, board_slots> besoin{};
  alignas(64) std::array<Sens, board_slots> sens{};

  BoardArrays() {
    modifiable.fill(1);
    sens[heading_droite_slot] = Sens::droite();
    sens[heading_gauche_slot] = Sens::gauche();
  }

  std::int16_t& eau_b(int i) { return eau[static_cast<std::size_t>(i)]; }
  std::int16_t& eau_d(int i) { return eau[static_cast<std::size_t>(board_slots + i)]; }
  std::int16_t& eau_g(int i) { return eau[static_cast<std::size_t>(2 * board_slots + i)]; }
  std::int16_t eau_b(int i) const { return eau[static_cast<std::size_t>(i)]; }
  std::int16_t eau_d(int i) const { return eau[static_cast<std::size_t>(board_slots + i)]; }
  std::int16_t eau_g(int i) const { return eau[static_cast<std::size_t>(2 * board_slots + i)]; }

  Cellule get(int i) const {
    const auto k = static_cast<std::size_t>(i);
    return Cellule{piece[k], eau_g(i), eau_d(i), eau_b(i), compteur[k], modifiable[k], sens[k], besoin[k]};
  }
  void set(int i, const Cellule& c) {
    const auto k = static_cast<std::size_t>(i);
    piece[k] = c.piece;
    eau_g(i) = c.eau_g;
    eau_d(i) = c.eau_d;
    eau_b(i) = c.eau_b;
    compteur[k] = c.compteur;
    modifiable[k] = c.modifiable;
    sens[k] = c.sens;
    besoin[k] = c.besoin;
  }
};

// One cell of a BoardArrays seen as a record whose fields can be assigned,
// for the tools and tests that build boards by hand.
struct CellRef {
  std::int16_t& piece;
  std::int16_t& eau_g;
  std::int16_t& eau_d;
  std::int16_t& eau_b;
  std::int16_t& compteur;
  std::int16_t& modifiable;
  Sens& sens;
  std::int16_t& besoin;

  CellRef(BoardArrays& b, int i)
      : piece(b.piece[static_cast<std::size_t>(i)]),
        eau_g(b.eau_g(i)),
        eau_d(b.eau_d(i)),
        eau_b(b.eau_b(i)),
        compteur(b.compteur[static_cast<std::size_t>(i)]),
        modifiable(b.modifiable[static_cast<std::size_t>(i)]),
        sens(b.sens[static_cast<std::size_t>(i)]),
        besoin(b.besoin[static_cast<std::size_t>(i)]) {}

  operator Cellule() const { return Cellule{piece, eau_g, eau_d, eau_b, compteur, modifiable, sens, besoin}; }
  const CellRef& operator=(const Cellule& c) const {
    piece = c.piece;
    eau_g = c.eau_g;
    eau_d = c.eau_d;
    eau_b = c.eau_b;
    compteur = c.compteur;
    modifiable = c.modifiable;
    sens = c.sens;
    besoin = c.besoin;
    return *this;
  }
  bool has_water() const { return eau_g > 0 || eau_d > 0 || eau_b > 0; }
};

}  // namespace drippo
