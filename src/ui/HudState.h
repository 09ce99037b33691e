#pragma once
// What the HUD is given to show in one frame.
#include <string>
#include <vector>

#include "ui/DetectionMarkers.h"
#include "ui/MarkerPlacement.h"
#include "ui/Toasts.h"

namespace dusk::ui {

// A watching kid's mark, placed on the view.
struct HudMarker {
    Watch watch = Watch::Sees;
    float alpha = 1.0f;  // 0..1
    MarkerPlace place;
};

// What the HUD shows of the game in one frame.
struct HudState {
    int kidsLeft = 0;
    int kidsTotal = 0;
    float health = 1.0f;  // 0..1
    float magic = 1.0f;   // 0..1
    bool paused = false;
    std::vector<HudMarker> markers;  // hidden with the HUD
    // What the player hears, oldest first; shown even with the HUD hidden.
    std::vector<Toasts::Visible> captions;
    double roundSeconds = 0.0;  // the round timer
    // Kids a scream would frighten now, placed over their heads or at the
    // edge of the view; hidden with the HUD.
    std::vector<MarkerPlace> inReach;
    // The first-time player's tip, at the bottom of the view (empty: none).
    std::string tip;
    // A line across the top of the view, shown even with the HUD hidden
    // (a replay says so there); empty: none.
    std::string banner;
};

}  // namespace dusk::ui
