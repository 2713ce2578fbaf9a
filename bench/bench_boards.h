#pragma once

// The boards and the level the speed benchmarks run on.
#include <cstddef>
#include <cstdint>

#include "game/cellule.h"
#include "game/level_data.h"

namespace drippo {

// Every cell wet in all three directions, with the given pieces in turn, a
// heading each and some power left.
template <std::size_t N>
Board full_wet_board(const std::int16_t (&pattern)[N]) {
  Board b{};
  for (int i = 0; i <= derniere_case; ++i) {
    Cellule& c = b[static_cast<std::size_t>(i)];
    c.piece = pattern[static_cast<std::size_t>(i) % N];
    c.eau_g = c.eau_d = c.eau_b = 1;
    c.sens = (i % 2) ? Sens::gauche() : Sens::droite();
    c.compteur = static_cast<std::int16_t>(i % 7);
  }
  return b;
}

// Steering pieces only: platforms, slopes, curves, junctions, pipes, bricks.
inline constexpr std::int16_t steering_pieces[] = {0, 1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 20, 1, 0, 12};

// The same with mills, doors and two teleporters, whose rules are code.
inline Board mixed_wet_board() {
  static constexpr std::int16_t pattern[] = {0, 1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13, 14, 20, 1, 0, 12};
  Board b = full_wet_board(pattern);
  b[40].piece = piece::teleporteur;
  b[100].piece = piece::teleporteur;
  return b;
}

// And sponges too: every special piece that moves water.
inline Board special_wet_board() {
  static constexpr std::int16_t pattern[] = {0, 1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13, 14, 15, 20, 1, 0, 12, 13};
  Board b = full_wet_board(pattern);
  b[40].piece = piece::teleporteur;
  b[100].piece = piece::teleporteur;
  return b;
}

inline Board dry(Board b) {
  for (Cellule& c : b) c.eau_g = c.eau_d = c.eau_b = 0;
  return b;
}

// A level as a player meets it: a path of platforms, curves and junctions
// from the source down to three goals, with a mill and its door, a sponge and
// bricks, played from the start of the water to the end of the time.
inline LevelData typical_level() {
  LevelData level;
  auto put = [&](int cell, std::int16_t p) { level.cells[static_cast<std::size_t>(cell)].piece = p; };
  for (int c = 37; c >= 24; --c) put(c, piece::plateforme);
  put(23, piece::coude_gauche);
  put(61, piece::bifurcation);
  put(79, piece::moulin);
  put(80, piece::porte);
  put(98, piece::eponge);
  put(117, piece::embranchement_droit);
  put(136, piece::tuyau_croisement);
  put(155, piece::diagonale_droite);
  put(175, piece::verre);
  put(193, piece::pot_de_fleurs);
  put(212, piece::bocal);
  for (int c = 209; c < 212; ++c) put(c, piece::brique);
  for (int t = 1; t <= nb_types; ++t) level.stocks[static_cast<std::size_t>(t)] = "3";
  level.time = "10";
  level.water = "400";
  return level;
}

}  // namespace drippo
