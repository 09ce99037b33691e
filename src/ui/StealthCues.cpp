#include "ui/StealthCues.h"

#include "audio/GameAudio.h"
#include "game/Round.h"
#include "game/Rules.h"

namespace dusk {

namespace {

// A kid stands about 2.4 units tall; its mark hangs a little above.
constexpr float kMarkHeight = 2.7f;
// Arrows keep this far from the edges of the view (pixels).
constexpr float kArrowInset = 36.0f;

}  // namespace

std::vector<ui::Watch> watchesOf(const Round& round) {
    const auto& kids = round.world().kids;
    const std::vector<bool>& seen = round.sightings();
    const vec3 player(round.world().camera.modelMatrix[3]);
    std::vector<ui::Watch> watches(kids.size(), ui::Watch::None);
    for (size_t i = 0; i < kids.size(); ++i) {
        if (!kids[i]->isActive()) {
            continue;
        }
        if (seen[i]) {
            watches[i] = ui::Watch::Sees;
        } else if (kidNearlySeesPlayer(player, kids[i]->modelMatrix, round.difficulty().sight)) {
            watches[i] = ui::Watch::AboutToSee;
        }
    }
    return watches;
}

vec3 markPoint(const mat4& kidMatrix) { return vec3(kidMatrix[3]) + vec3(0.0f, kMarkHeight, 0.0f); }

void StealthCues::update(const Round& round, const audio::GameAudio& sound, float dt) {
    markers.update(watchesOf(round), dt);
    captions.advance(dt);
    captions.hear(sound.heard(), sound.listener());
}

void StealthCues::fill(ui::HudState& state, const Round& round, const mat4& viewProjection,
                       const vec2& viewport, const UserSettings& settings) const {
    const auto& kids = round.world().kids;
    const mat4 view = round.world().camera.getViewMatrix();
    const std::vector<bool>& reach = round.inReach();
    for (size_t i = 0; i < kids.size() && i < reach.size(); ++i) {
        if (reach[i]) {
            state.inReach.push_back(ui::placeMarker(
                viewProjection, view, markPoint(kids[i]->modelMatrix), viewport, kArrowInset));
        }
    }
    if (settings.detectionMarkers) {
        for (const ui::DetectionMarkers::Shown& shown : markers.shown()) {
            if (shown.kid >= kids.size()) {
                continue;
            }
            const vec3 point = markPoint(kids[shown.kid]->modelMatrix);
            state.markers.push_back(
                {shown.watch, shown.alpha,
                 ui::placeMarker(viewProjection, view, point, viewport, kArrowInset)});
        }
    }
    if (settings.captions) {
        for (const audio::Captions::Line& line : captions.lines()) {
            state.captions.push_back({line.text, line.alpha});
        }
    }
}

void StealthCues::clear() {
    markers.clear();
    captions.clear();
}

}  // namespace dusk
