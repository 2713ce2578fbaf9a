#pragma once

#include "ui/main/twips.h"

namespace drippo::ui::layout {

// The window's client area, in twips.
inline constexpr int window_width = 11775;
inline constexpr int window_height = 7845;
// The board container, where the envelope bounces.
inline constexpr TwipRect picture1{0, 0, 9400, 6615};
inline constexpr TwipRect envelope{4560, 500, 1395, 690};

// The palette strip, left to right, and where its pictures stand.
inline constexpr int strip_pieces[] = {20, 1, 2, 3, 4, 5, 6, 11, 12, 9, 10, 7, 8, 13, 14, 15};
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
inline constexpr TwipRect outils_area{9360, 4440, 2415, 2100};
inline constexpr int editor_pieces[] = {16, 17, 18, 19};
inline constexpr int editor_lefts[] = {160, 720, 1280, 1830};

// Font sizes in pixels at 100 %.
inline constexpr double small_font = 11;
inline constexpr double message_font = 11;
inline constexpr double title_font = 30;
inline constexpr double welcome_font = 13;
inline constexpr double pause_font = 32;

}  // namespace drippo::ui::layout
