#include "ui/MarkerPlacement.h"

#include <algorithm>
#include <cmath>

namespace dusk::ui {

namespace {

// The direction to the point as the screen shows it, x right and y up.
vec2 screenDirection(const vec4& clip, const vec3& eyeSpace, const vec2& viewport) {
    if (clip.w > 0.0f) {
        return vec2(clip.x / clip.w * viewport.x, clip.y / clip.w * viewport.y);
    }
    // Behind the eye: as on a map with "ahead" up (eye space looks down -z).
    return vec2(eyeSpace.x, -eyeSpace.z);
}

// The ray from the centre along direction (y up) to the inset edge.
MarkerPlace arrowAlong(vec2 direction, const vec2& viewport, float inset) {
    if (glm::length(direction) < 1e-6f) {
        direction = vec2(0.0f, -1.0f);
    }
    direction = glm::normalize(direction);
    const vec2 half(std::max(viewport.x * 0.5f - inset, 1.0f),
                    std::max(viewport.y * 0.5f - inset, 1.0f));
    const float toSide = std::fabs(direction.x) > 0.0f ? half.x / std::fabs(direction.x) : 1e30f;
    const float toTop = std::fabs(direction.y) > 0.0f ? half.y / std::fabs(direction.y) : 1e30f;
    MarkerPlace place;
    place.pointing = vec2(direction.x, -direction.y);
    place.at = viewport * 0.5f + place.pointing * std::min(toSide, toTop);
    if (toSide <= toTop) {
        place.edge = direction.x < 0.0f ? ScreenEdge::Left : ScreenEdge::Right;
    } else {
        place.edge = direction.y < 0.0f ? ScreenEdge::Bottom : ScreenEdge::Top;
    }
    return place;
}

}  // namespace

MarkerPlace placeMarker(const mat4& viewProjection, const mat4& view, const vec3& point,
                        const vec2& viewport, float inset) {
    const vec4 clip = viewProjection * vec4(point, 1.0f);
    if (clip.w > 0.0f && std::fabs(clip.x) <= clip.w && std::fabs(clip.y) <= clip.w) {
        MarkerPlace place;
        place.onScreen = true;
        place.at = vec2((clip.x / clip.w + 1.0f) * 0.5f * viewport.x,
                        (1.0f - clip.y / clip.w) * 0.5f * viewport.y);
        return place;
    }
    const vec3 eyeSpace(view * vec4(point, 1.0f));
    return arrowAlong(screenDirection(clip, eyeSpace, viewport), viewport, inset);
}

}  // namespace dusk::ui
