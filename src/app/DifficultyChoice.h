#pragma once
// The player's choice of difficulty as the rounds' numbers.
#include "game/Difficulty.h"
#include "settings/UserSettings.h"

namespace dusk {

// The table of the level; its name is the level's name.
Difficulty difficultyFor(DifficultyLevel level);

}  // namespace dusk
