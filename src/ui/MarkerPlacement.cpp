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

bool overlap(const ScreenBox& a, const ScreenBox& b) {
    return a.min.x < b.max.x && b.min.x < a.max.x && a.min.y < b.max.y && b.min.y < a.max.y;
}

bool inside(const ScreenBox& box, const vec2& viewport) {
    return box.min.x >= 0.0f && box.min.y >= 0.0f && box.max.x <= viewport.x &&
           box.max.y <= viewport.y;
}

// The shortest of the four ways out of taken that keeps box in the view;
// zero when there is none.
vec2 wayOut(const ScreenBox& box, const ScreenBox& taken, const vec2& viewport) {
    const vec2 ways[] = {{taken.min.x - box.max.x, 0.0f},
                         {taken.max.x - box.min.x, 0.0f},
                         {0.0f, taken.min.y - box.max.y},
                         {0.0f, taken.max.y - box.min.y}};
    vec2 best(0.0f);
    float shortest = 1e30f;
    for (const vec2& way : ways) {
        const ScreenBox moved{box.min + way, box.max + way};
        if (glm::length(way) < shortest && inside(moved, viewport)) {
            shortest = glm::length(way);
            best = way;
        }
    }
    return best;
}

}  // namespace

vec2 shiftClear(ScreenBox box, const std::vector<ScreenBox>& taken, const vec2& viewport) {
    vec2 shift(0.0f);
    // Out of one box may be into another: a few rounds settle it.
    for (int round = 0; round < 4; ++round) {
        bool moved = false;
        for (const ScreenBox& other : taken) {
            if (!overlap(box, other)) {
                continue;
            }
            const vec2 way = wayOut(box, other, viewport);
            box = {box.min + way, box.max + way};
            shift += way;
            moved = moved || way != vec2(0.0f);
        }
        if (!moved) {
            break;
        }
    }
    return shift;
}

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
