#pragma once
// The marks the HUD puts over kids: who watches the player, and who a
// scream would frighten now.
#include <vector>

#include "ui/HudState.h"
#include "ui/MarkerPlacement.h"

struct ImDrawList;
struct ImFont;

namespace dusk::ui::hud {

// A watching kid's mark at alpha (0..1): a round badge ("!" sees, "?" is
// about to) over the kid while it is in view, otherwise an arrow at the
// edge of the view moved clear of every box in taken.
void watchMark(ImDrawList* list, ImFont* font, const HudMarker& marker, float alpha,
               const std::vector<ScreenBox>& taken);

// The in-reach cue: a gold diamond over a small wedge pointing down at the
// kid (above a watch mark's badge), or the diamond behind an arrow at the
// edge of the view.
void reachCue(ImDrawList* list, const MarkerPlace& place);

}  // namespace dusk::ui::hud
