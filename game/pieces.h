#pragma once

#include <cstdint>

namespace drippo {

// Piece codes as stored in level files and used to index the palette.
namespace piece {
inline constexpr std::int16_t vide = 0;
inline constexpr std::int16_t plateforme = 1;
inline constexpr std::int16_t diagonale_droite = 2;
inline constexpr std::int16_t diagonale_gauche = 3;
inline constexpr std::int16_t coude_droit = 4;
inline constexpr std::int16_t coude_gauche = 5;
inline constexpr std::int16_t bifurcation = 6;
inline constexpr std::int16_t teleporteur = 7;
inline constexpr std::int16_t bombe = 8;
inline constexpr std::int16_t embranchement_droit = 9;
inline constexpr std::int16_t embranchement_gauche = 10;
inline constexpr std::int16_t tuyau_plat = 11;
inline constexpr std::int16_t tuyau_croisement = 12;
inline constexpr std::int16_t moulin = 13;
inline constexpr std::int16_t porte = 14;
inline constexpr std::int16_t eponge = 15;
inline constexpr std::int16_t bocal = 16;
inline constexpr std::int16_t pot_de_fleurs = 17;
inline constexpr std::int16_t verre = 18;
inline constexpr std::int16_t chat = 19;
inline constexpr std::int16_t brique = 20;
}  // namespace piece

// Highest piece code; codes 1..nb_types have a stock.
inline constexpr int nb_types = 20;

constexpr bool is_valid_piece(int p) { return p >= 0 && p <= nb_types; }
constexpr bool is_goal(int p) { return p >= piece::bocal && p <= piece::verre; }
// Goals and the cat are offered only by the editor's panel.
constexpr bool is_editor_only(int p) { return p >= piece::bocal && p <= piece::chat; }

// Drops a goal needs when the level starts: fish bowl 50, flower pot 30, glass 10.
constexpr std::int16_t goal_need(int p) {
  switch (p) {
    case piece::bocal: return 50;
    case piece::pot_de_fleurs: return 30;
    case piece::verre: return 10;
    default: return 0;
  }
}

}  // namespace drippo
