#pragma once
// What the HUD tells of stealth: who is watching the player (a mark over
// each such kid, or an arrow towards it) and captions for what the player
// hears. Only drawn: the round's rules never read any of it.
#include <vector>

#include "audio/Captions.h"
#include "math/Math.h"
#include "settings/UserSettings.h"
#include "ui/DetectionMarkers.h"
#include "ui/Hud.h"

namespace dusk {

class Round;

namespace audio {
class GameAudio;
}

// Every kid's watch this frame, in kid order: Sees for a kid the round's own
// judging saw the player (Round::sightings()), AboutToSee for a kid
// kidNearlySeesPlayer names at the round's sight, None otherwise and for
// every terrified kid.
std::vector<ui::Watch> watchesOf(const Round& round);

// The point a kid's mark hangs at: above its head.
vec3 markPoint(const mat4& kidMatrix);

class StealthCues {
public:
    // One frame of play: the marks follow the kids' watches over dt, the
    // captions take the sounds the sound started this frame, heard where its
    // listener is.
    void update(const Round& round, const audio::GameAudio& sound, float dt);
    // Adds to the HUD's state the in-reach cues of the round's last update
    // (Round::inReach()) and the marks placed for the camera on a view of
    // viewport pixels (when the settings show them), and the captions (when
    // they are on).
    void fill(ui::HudState& state, const Round& round, const mat4& viewProjection,
              const vec2& viewport, const UserSettings& settings) const;
    // A new round starts with no marks and no captions.
    void clear();

    ui::DetectionMarkers markers;
    audio::Captions captions;
};

}  // namespace dusk
