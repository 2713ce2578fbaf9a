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
