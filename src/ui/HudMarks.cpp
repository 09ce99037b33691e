#include "ui/HudMarks.h"

#include <imgui.h>

#include "ui/HudPaint.h"

namespace dusk::ui::hud {

namespace {

// A round badge with a sign ("!" or "?") in it.
void markerBadge(ImDrawList* list, ImFont* font, ImVec2 centre, Watch watch, float alpha) {
    const bool sees = watch == Watch::Sees;
    // One small disc of few sides: ten of these can be on screen at once, and
    // a software rasteriser pays for every triangle and every pixel.
    list->AddCircleFilled(centre, 11.0f, withAlpha(sees ? kHealthRed : kText, alpha), 12);
    const char* sign = sees ? "!" : "?";
    const ImVec2 size = textSize(font, sign);
    list->AddText(font, font->FontSize, ImVec2(centre.x - size.x * 0.5f, centre.y - size.y * 0.5f),
                  withAlpha(sees ? kGold : kDark, alpha), sign);
}

// An arrow: a narrow triangle whose tip points the way, the badge behind it.
struct ArrowShape {
    vec2 tip;
    vec2 corners[2];
    vec2 badge;
};

ArrowShape arrowShape(const MarkerPlace& place) {
    const vec2 along = place.pointing;  // unit, y down
    const vec2 across(-along.y, along.x);
    const vec2 base = place.at - along * 22.0f;  // longer than wide: the tip reads as one
    return {place.at, {base + across * 8.0f, base - across * 8.0f}, base - along * 14.0f};
}

// What the arrow covers, its badge's disc included.
ScreenBox boxOf(const ArrowShape& arrow) {
    ScreenBox box{glm::min(arrow.badge, arrow.tip), glm::max(arrow.badge, arrow.tip)};
    for (const vec2& corner : arrow.corners) {
        box.min = glm::min(box.min, corner);
        box.max = glm::max(box.max, corner);
    }
    box.min = glm::min(box.min, arrow.badge - vec2(11.0f));
    box.max = glm::max(box.max, arrow.badge + vec2(11.0f));
    return box;
}

ImVec2 imVec(const vec2& v) { return ImVec2(v.x, v.y); }

void markerArrow(ImDrawList* list, ImFont* font, const ArrowShape& arrow, Watch watch,
                 float alpha) {
    const ImU32 colour = withAlpha(watch == Watch::Sees ? kHealthRed : kText, alpha);
    list->AddTriangleFilled(imVec(arrow.tip), imVec(arrow.corners[0]), imVec(arrow.corners[1]),
                            colour);
    markerBadge(list, font, imVec(arrow.badge), watch, alpha);
}

// A gold diamond with a dark ring: a shape of its own, beside the round marks.
void reachDiamond(ImDrawList* list, ImVec2 centre) {
    const float r = 10.0f;
    const ImVec2 top(centre.x, centre.y - r);
    const ImVec2 right(centre.x + r, centre.y);
    const ImVec2 bottom(centre.x, centre.y + r);
    const ImVec2 left(centre.x - r, centre.y);
    list->AddQuadFilled(top, right, bottom, left, kGold);
    list->AddQuad(top, right, bottom, left, kDark, 2.0f);
    list->AddCircleFilled(centre, 3.0f, kDark, 6);
}

}  // namespace

void watchMark(ImDrawList* list, ImFont* font, const HudMarker& marker, float alpha,
               const std::vector<ScreenBox>& taken) {
    if (marker.place.onScreen) {
        const ImVec2 centre(marker.place.at.x, marker.place.at.y - 14.0f);
        markerBadge(list, font, centre, marker.watch, alpha);
        return;
    }
    ArrowShape arrow = arrowShape(marker.place);
    const ImVec2 display = ImGui::GetIO().DisplaySize;
    const vec2 shift = shiftClear(boxOf(arrow), taken, vec2(display.x, display.y));
    arrow = {arrow.tip + shift,
             {arrow.corners[0] + shift, arrow.corners[1] + shift},
             arrow.badge + shift};
    markerArrow(list, font, arrow, marker.watch, alpha);
}

void reachCue(ImDrawList* list, const MarkerPlace& place) {
    if (place.onScreen) {
        // Above the watch marks' badge, which hangs 14 pixels over the point.
        const ImVec2 centre(place.at.x, place.at.y - 44.0f);
        list->AddTriangleFilled(ImVec2(centre.x - 6.0f, centre.y + 13.0f),
                                ImVec2(centre.x + 6.0f, centre.y + 13.0f),
                                ImVec2(centre.x, centre.y + 21.0f), kGold);
        reachDiamond(list, centre);
        return;
    }
    const ImVec2 tip(place.at.x, place.at.y);
    const ImVec2 along(place.pointing.x, place.pointing.y);
    const ImVec2 across(-along.y, along.x);
    const ImVec2 base(tip.x - along.x * 12.0f, tip.y - along.y * 12.0f);
    list->AddTriangleFilled(tip, ImVec2(base.x + across.x * 8.0f, base.y + across.y * 8.0f),
                            ImVec2(base.x - across.x * 8.0f, base.y - across.y * 8.0f), kGold);
    reachDiamond(list, ImVec2(base.x - along.x * 12.0f, base.y - along.y * 12.0f));
}

}  // namespace dusk::ui::hud
