#pragma once
// Where a marker over something in the world goes on the screen: over the
// thing itself while it is in view, otherwise an arrow at the edge of the
// view pointing the way to turn.
#include <vector>

#include "math/Math.h"

namespace dusk::ui {

enum class ScreenEdge { None, Left, Right, Top, Bottom };

struct MarkerPlace {
    bool onScreen = false;
    // In pixels from the view's top left corner, y down: the point itself
    // when on screen, else the arrow's tip on the inset edge.
    vec2 at{0.0f};
    // Off screen: the unit direction the arrow points, in pixels (y down).
    vec2 pointing{0.0f};
    ScreenEdge edge = ScreenEdge::None;  // off screen: the edge the arrow sits on
};

// Places `point` for a camera with the given view and projection x view
// matrices on a view of viewport pixels. On screen: in front of the eye and
// inside the view. Off screen, the arrow points from the centre of the view
// along the point's projected direction while it is in front of the eye, and
// along its direction on the ground for a point behind (straight behind is
// straight down); it sits where that ray leaves the view shrunk by inset
// pixels on every side.
MarkerPlace placeMarker(const mat4& viewProjection, const mat4& view, const vec3& point,
                        const vec2& viewport, float inset);

// A rectangle of the view in pixels, y down.
struct ScreenBox {
    vec2 min{0.0f};
    vec2 max{0.0f};
};

// The shift that takes box out of every one of taken (the HUD's bars and
// text), each time the shortest way that keeps it inside a view of viewport
// pixels; zero when it overlaps none. A box that cannot get clear stays
// where the last shift left it.
vec2 shiftClear(ScreenBox box, const std::vector<ScreenBox>& taken, const vec2& viewport);

}  // namespace dusk::ui
