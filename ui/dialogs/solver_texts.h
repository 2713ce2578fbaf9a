#pragma once

#include <cstdint>

#include <QString>

#include "solver/hint_search.h"
#include "solver/level_check.h"

namespace drippo::ui {

// What the solver's help tells the player (the hint, the check of a level,
// a puzzle in the making), French for langue 0 and English otherwise.
QString searching_text(std::int16_t langue);
QString hint_text(solve::Hint::Kind kind, std::int16_t langue);
QString check_text(const solve::LevelCheck& check, std::int16_t langue);
// The check's word for a level without a goal, which nobody can ever win.
QString no_goal_text(std::int16_t langue);

}  // namespace drippo::ui
