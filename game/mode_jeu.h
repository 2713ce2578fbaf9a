#pragma once

namespace drippo {

// What the flag and the pencil asked for: a level to play, or one to load
// into the editor. Set before the level browser opens.
enum class ModeJeu { Aucun, Jouer, Charger };

}  // namespace drippo
