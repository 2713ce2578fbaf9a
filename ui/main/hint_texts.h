#pragma once

#include <cstdint>

#include <QString>

#include "solver/hint_search.h"
#include "solver/level_check.h"

namespace drippo::ui {

// What the hint and the check tell the player, French for langue 0 and
// English otherwise.
QString searching_text(std::int16_t langue);
QString hint_text(solve::Hint::Kind kind, std::int16_t langue);
QString check_text(const solve::LevelCheck& check, std::int16_t langue);

}  // namespace drippo::ui
