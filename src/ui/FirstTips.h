#pragma once
// The words that teach the game: the first-time player's tips with the keys
// as bound, and what a loss screen says of the loss.
#include <cstdint>
#include <string>

#include "game/Difficulty.h"
#include "game/Rules.h"
#include "settings/KeyBindings.h"
#include "ui/TipsGuide.h"

namespace dusk {

// The tip of a step (empty for Done), with the keys of its actions as label
// names them (keyLabel with glfwGetKeyName in the game) and the round's
// numbers, e.g. "Get behind a kid and press Left Control to scream (pad:
// right trigger)".
std::string tipText(ui::TipStep step, const KeyBindings& keys, std::string (*label)(int key),
                    const Difficulty& rules);

// "Seen from 6 m, ahead of the kid": the horizontal distance in whole units
// (at least 1) and the side.
std::string seenFromLine(float distance, SeenSide side);

// One short tip for the loss screen from a list of the round's numbers;
// pick chooses which (any number; the list wraps).
std::string lossTip(const Difficulty& rules, std::int64_t pick);

// A distance of the rules as the tips write it: "15", "4.5".
std::string unitsText(float units);

}  // namespace dusk
