#pragma once

#include <vector>

#include "game/game_view.h"

namespace drippo::soundgen {

inline constexpr int effect_rate = 22050;
inline constexpr Sound all_effects[] = {Sound::Water, Sound::Hurry, Sound::Meow,
                                        Sound::Poof,  Sound::Griou, Sound::Goal};

// The samples of an effect at effect_rate, mono, peaking just below full scale.
std::vector<float> make_effect(Sound sound);

}  // namespace drippo::soundgen
