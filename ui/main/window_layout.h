#pragma once

#include <array>

#include "game/pieces.h"
#include "ui/common/twips.h"

namespace drippo::ui::layout {

// The window's client area, in twips.
inline constexpr int window_width = 11775;
inline constexpr int window_height = 7845;
// The board container, where the envelope bounces.
inline constexpr TwipRect board_area{0, 0, 9400, 6615};
inline constexpr TwipRect envelope{4560, 500, 1395, 690};

// A board cell, which is also the size of a piece's picture in a palette.
inline constexpr int cell_width = 495;
inline constexpr int cell_height = 540;

// The palette strip, left to right, and where its pictures stand.
inline constexpr int strip_pieces[] = {
    piece::brique,           piece::plateforme,     piece::diagonale_droite, piece::diagonale_gauche,
    piece::coude_droit,      piece::coude_gauche,   piece::bifurcation,      piece::tuyau_plat,
    piece::tuyau_croisement, piece::embranchement_droit, piece::embranchement_gauche, piece::teleporteur,
    piece::bombe,            piece::moulin,         piece::porte,            piece::eponge};
inline constexpr TwipRect strip_area{0, 6600, window_width, window_height - 6600};
inline constexpr int strip_picture_top = 6840;
inline constexpr int strip_count_top = 7440;
// Under the welcome picture, down to the board's last row: the welcome text
// between its two pictures; the congratulation, which has none, across the
// board on a backdrop of its own, since a full board may lie under it.
inline constexpr TwipRect welcome_text{1440, 5160, 6360, 1320};
inline constexpr TwipRect congratulation_text{0, 5160, 9405, 1320};
// The title on the face of the sign that the side panel's picture draws.
inline constexpr TwipRect title_sign{9590, 150, 1950, 540};
// The message line in its bubble; a message of several lines (a score not
// kept, under the outcome) fills a taller bubble.
inline constexpr TwipRect speech_bubble{9450, 4200, 2295, 1095};
inline constexpr TwipRect message_line{9480, 4320, 2175, 255};
inline constexpr TwipRect long_message{9540, 4250, 2115, 700};
// The editor panel's goals and cat.
inline constexpr TwipRect editor_panel_area{9360, 4440, 2415, 2100};
inline constexpr std::array<int, 4> editor_lefts{160, 720, 1280, 1830};
// The pieces only the editor offers, in code order, one beside each left.
inline constexpr std::array<int, editor_lefts.size()> editor_pieces = [] {
  std::array<int, editor_lefts.size()> out{};
  std::size_t k = 0;
  for (int p = 1; p <= nb_types; ++p) {
    if (is_editor_only(p)) out.at(k++) = p;
  }
  return out;
}();

// Font sizes in pixels at 100 %.
inline constexpr double small_font = 11;
inline constexpr double message_font = 11;
inline constexpr double title_font = 30;
inline constexpr double welcome_font = 13;
inline constexpr double pause_font = 32;

}  // namespace drippo::ui::layout
