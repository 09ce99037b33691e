#include "ui/Hud.h"

#include <imgui.h>

#include <algorithm>
#include <cstdio>

namespace dusk::ui {

namespace {

constexpr float kMargin = 18.0f;
const ImU32 kShadow = IM_COL32(0, 0, 0, 150);
const ImU32 kText = IM_COL32(240, 230, 214, 255);
const ImU32 kGold = IM_COL32(255, 214, 120, 255);
const ImU32 kKidOrange = IM_COL32(236, 128, 44, 255);
const ImU32 kHealthRed = IM_COL32(196, 48, 52, 235);
const ImU32 kMagicViolet = IM_COL32(116, 96, 224, 235);
const ImU32 kBarBack = IM_COL32(20, 16, 28, 170);

ImU32 withAlpha(ImU32 colour, float alpha) {
    const auto a = static_cast<unsigned>(static_cast<float>((colour >> IM_COL32_A_SHIFT) & 0xFF) *
                                         std::clamp(alpha, 0.0f, 1.0f));
    return (colour & ~IM_COL32_A_MASK) | (a << IM_COL32_A_SHIFT);
}

// Text with a soft drop shadow, so it reads on the sky and on the grass;
// wrapped at wrap pixels when that is above 0.
void shadowedText(ImDrawList* list, ImFont* font, ImVec2 at, ImU32 colour, const char* text,
                  float wrap = 0.0f) {
    const float alpha = static_cast<float>((colour >> IM_COL32_A_SHIFT) & 0xFF) / 255.0f;
    list->AddText(font, font->FontSize, ImVec2(at.x + 2, at.y + 2), withAlpha(kShadow, alpha), text,
                  nullptr, wrap);
    list->AddText(font, font->FontSize, at, colour, text, nullptr, wrap);
}

ImVec2 textSize(ImFont* font, const char* text) {
    return font->CalcTextSizeA(font->FontSize, 10000.0f, 0.0f, text);
}

void centredText(ImDrawList* list, ImFont* font, float y, ImU32 colour, const char* text) {
    const float width = ImGui::GetIO().DisplaySize.x;
    shadowedText(list, font, ImVec2((width - textSize(font, text).x) * 0.5f, y), colour, text);
}

// A small kid: head, body and legs in the kids' orange.
void kidIcon(ImDrawList* list, ImVec2 at, float size) {
    const float s = size / 32.0f;
    list->AddCircleFilled(ImVec2(at.x + 16 * s, at.y + 6 * s), 5.5f * s, kKidOrange);
    list->AddRectFilled(ImVec2(at.x + 9 * s, at.y + 12 * s), ImVec2(at.x + 23 * s, at.y + 24 * s),
                        kKidOrange, 3.0f * s);
    list->AddRectFilled(ImVec2(at.x + 10 * s, at.y + 24 * s), ImVec2(at.x + 15 * s, at.y + 32 * s),
                        kKidOrange, 1.5f * s);
    list->AddRectFilled(ImVec2(at.x + 17 * s, at.y + 24 * s), ImVec2(at.x + 22 * s, at.y + 32 * s),
                        kKidOrange, 1.5f * s);
}

void bar(ImDrawList* list, ImFont* font, ImVec2 at, float fraction, ImU32 colour,
         const char* label) {
    const ImVec2 size(240.0f, 16.0f);
    const ImVec2 end(at.x + size.x, at.y + size.y);
    list->AddRectFilled(at, end, kBarBack, 4.0f);
    const float filled = size.x * std::clamp(fraction, 0.0f, 1.0f);
    if (filled > 0.5f) {
        list->AddRectFilled(at, ImVec2(at.x + filled, end.y), colour, 4.0f);
    }
    list->AddRect(at, end, IM_COL32(255, 255, 255, 90), 4.0f);
    shadowedText(list, font, ImVec2(end.x + 10.0f, at.y + (size.y - font->FontSize) * 0.5f), kText,
                 label);
}

// A round badge with a sign ("!" or "?") in it.
void markerBadge(ImDrawList* list, ImFont* font, ImVec2 centre, Watch watch, float alpha) {
    const bool sees = watch == Watch::Sees;
    // One small disc of few sides: ten of these can be on screen at once, and
    // a software rasteriser pays for every triangle and every pixel.
    list->AddCircleFilled(centre, 11.0f, withAlpha(sees ? kHealthRed : kText, alpha), 12);
    const char* sign = sees ? "!" : "?";
    const ImVec2 size = textSize(font, sign);
    list->AddText(font, font->FontSize, ImVec2(centre.x - size.x * 0.5f, centre.y - size.y * 0.5f),
                  withAlpha(sees ? kGold : IM_COL32(20, 16, 28, 255), alpha), sign);
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

// The in-reach cue: a gold diamond with a dark ring (a shape of its own,
// beside the round marks) over a small wedge pointing down at the kid.
void reachDiamond(ImDrawList* list, ImVec2 centre) {
    const float r = 10.0f;
    const ImVec2 top(centre.x, centre.y - r);
    const ImVec2 right(centre.x + r, centre.y);
    const ImVec2 bottom(centre.x, centre.y + r);
    const ImVec2 left(centre.x - r, centre.y);
    list->AddQuadFilled(top, right, bottom, left, kGold);
    list->AddQuad(top, right, bottom, left, IM_COL32(20, 16, 28, 255), 2.0f);
    list->AddCircleFilled(centre, 3.0f, IM_COL32(20, 16, 28, 255), 6);
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

}  // namespace

std::string kidsLeftLabel(int left, int total) {
    return std::to_string(left) + " / " + std::to_string(total);
}

std::string roundTimerLabel(double seconds) {
    const long tenths = seconds > 0.0 ? static_cast<long>(seconds * 10.0) : 0;
    const long minutes = tenths / 600;
    const long secondTenths = tenths % 600;
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld.%ld", minutes, secondTenths / 10,
                  secondTenths % 10);
    return text;
}

Hud::Hud(GLFWwindow* window) : imgui(window) {}

vec2 Hud::viewSize() const {
    const ImVec2 size = ImGui::GetIO().DisplaySize;
    return size.x > 0.0f && size.y > 0.0f ? vec2(size.x, size.y) : vec2(0.0f);
}

void Hud::toast(const std::string& text, double now, double seconds) {
    toasts.add(text, now, seconds);
}

void Hud::showHelp(double now) { helpUntil = now + helpTime; }

void Hud::draw(const HudState& state, double now, const std::function<void()>& more) {
    imgui.beginFrame();
    ImDrawList* list = ImGui::GetForegroundDrawList();
    taken.clear();
    if (visible) {
        drawKidsLeft(list, state);
        drawBars(list, state);
        drawTimer(list, state);
        drawToasts(list, now);
    }
    drawCaptions(list, state.captions, state.tip);
    if (visible) {
        drawMarkers(list, state.markers);  // clear of all the above
        drawReachCues(list, state.inReach);
    }
    if (now < helpUntil) {
        drawHelp(list);
    }
    if (state.paused) {
        drawPauseBanner(list);
    }
    if (!state.banner.empty()) {
        drawTopBanner(list, state.banner);
    }
    if (more) {
        more();
    }
    imgui.endFrame();
}

void Hud::drawKidsLeft(ImDrawList* list, const HudState& state) {
    const float icon = 36.0f;
    kidIcon(list, ImVec2(kMargin, kMargin), icon);
    const std::string label = kidsLeftLabel(state.kidsLeft, state.kidsTotal);
    ImFont* font = imgui.titleFont;
    const float scale = icon / font->FontSize;
    const ImVec2 at(kMargin + icon + 8.0f, kMargin);
    list->AddText(font, font->FontSize * scale, ImVec2(at.x + 2, at.y + 2), kShadow, label.c_str());
    list->AddText(font, font->FontSize * scale, at, kText, label.c_str());
    const float width = font->CalcTextSizeA(font->FontSize * scale, 1e4f, 0.0f, label.c_str()).x;
    take(vec2(kMargin, kMargin), vec2(at.x + width, kMargin + icon));
}

void Hud::drawBars(ImDrawList* list, const HudState& state) {
    const float bottom = ImGui::GetIO().DisplaySize.y - kMargin;
    bar(list, imgui.textFont, ImVec2(kMargin, bottom - 16.0f), state.magic, kMagicViolet, "Magic");
    bar(list, imgui.textFont, ImVec2(kMargin, bottom - 42.0f), state.health, kHealthRed, "Health");
    take(vec2(kMargin, bottom - 42.0f),
         vec2(kMargin + 250.0f + textSize(imgui.textFont, "Health").x, bottom));
}

void Hud::drawToasts(ImDrawList* list, double now) {
    ImFont* font = imgui.textFont;
    const float width = ImGui::GetIO().DisplaySize.x;
    // Long lines (a file's path and its fault) wrap in the middle of the
    // view, clear of the kids counter and the timer in the corners.
    const float wrap = std::max(width * 0.6f, std::min(width - 2.0f * kMargin, 320.0f));
    float y = kMargin;
    for (const auto& shown : toasts.visible(now)) {
        const char* text = shown.text.c_str();
        const ImVec2 size = font->CalcTextSizeA(font->FontSize, 10000.0f, wrap, text);
        const float left = (width - size.x) * 0.5f;
        list->AddRectFilled(ImVec2(left - 14.0f, y - 5.0f),
                            ImVec2(left + size.x + 14.0f, y + size.y + 5.0f),
                            withAlpha(IM_COL32(14, 12, 24, 170), shown.alpha), 12.0f);
        shadowedText(list, font, ImVec2(left, y), withAlpha(kText, shown.alpha), text, wrap);
        take(vec2(left - 14.0f, y - 5.0f), vec2(left + size.x + 14.0f, y + size.y + 5.0f));
        y += size.y + 16.0f;
    }
}

void Hud::drawMarkers(ImDrawList* list, const std::vector<HudMarker>& markers) {
    // Without anti-aliased edges a mark is a handful of triangles; with them
    // each edge gains a fringe, and a software rasteriser pays per triangle.
    const ImDrawListFlags flags = list->Flags;
    list->Flags &= ~(ImDrawListFlags_AntiAliasedFill | ImDrawListFlags_AntiAliasedLines);
    for (const HudMarker& marker : markers) {
        // A kid about to see the player is marked more faintly.
        const float alpha = marker.alpha * (marker.watch == Watch::Sees ? 1.0f : 0.6f);
        if (marker.place.onScreen) {
            const ImVec2 centre(marker.place.at.x, marker.place.at.y - 14.0f);
            markerBadge(list, imgui.textFont, centre, marker.watch, alpha);
            continue;
        }
        ArrowShape arrow = arrowShape(marker.place);
        const ImVec2 display = ImGui::GetIO().DisplaySize;
        const vec2 shift = shiftClear(boxOf(arrow), taken, vec2(display.x, display.y));
        arrow = {arrow.tip + shift,
                 {arrow.corners[0] + shift, arrow.corners[1] + shift},
                 arrow.badge + shift};
        markerArrow(list, imgui.textFont, arrow, marker.watch, alpha);
    }
    list->Flags = flags;
}

void Hud::drawReachCues(ImDrawList* list, const std::vector<MarkerPlace>& cues) {
    const ImDrawListFlags flags = list->Flags;
    list->Flags &= ~(ImDrawListFlags_AntiAliasedFill | ImDrawListFlags_AntiAliasedLines);
    for (const MarkerPlace& place : cues) {
        reachCue(list, place);
    }
    list->Flags = flags;
}

// Bottom centre, newest lowest.
void Hud::drawCaptions(ImDrawList* list, const std::vector<Toasts::Visible>& captions,
                       const std::string& tip) {
    // Square boxes need no anti-aliased fringe.
    const ImDrawListFlags flags = list->Flags;
    list->Flags &= ~ImDrawListFlags_AntiAliasedFill;
    ImFont* font = imgui.textFont;
    const ImVec2 display = ImGui::GetIO().DisplaySize;
    float y = display.y - kMargin - font->FontSize - 84.0f;  // clear of an arrow below
    if (!tip.empty()) {
        const float textWidth = textSize(font, tip.c_str()).x;
        const float left = (display.x - textWidth) * 0.5f;
        list->AddRectFilled(ImVec2(left - 10.0f, y - 4.0f),
                            ImVec2(left + textWidth + 10.0f, y + font->FontSize + 4.0f),
                            IM_COL32(14, 12, 24, 200));
        list->AddText(font, font->FontSize, ImVec2(left, y), kGold, tip.c_str());
        take(vec2(left - 10.0f, y - 4.0f),
             vec2(left + textWidth + 10.0f, y + font->FontSize + 4.0f));
        y -= font->FontSize + 14.0f;
    }
    for (auto line = captions.rbegin(); line != captions.rend(); ++line) {
        const float textWidth = textSize(font, line->text.c_str()).x;
        const float left = (display.x - textWidth) * 0.5f;
        list->AddRectFilled(ImVec2(left - 6.0f, y - 2.0f),
                            ImVec2(left + textWidth + 6.0f, y + font->FontSize + 2.0f),
                            withAlpha(IM_COL32(0, 0, 0, 190), line->alpha));
        list->AddText(font, font->FontSize, ImVec2(left, y), withAlpha(kText, line->alpha),
                      line->text.c_str());
        take(vec2(left - 6.0f, y - 2.0f), vec2(left + textWidth + 6.0f, y + font->FontSize + 2.0f));
        y -= font->FontSize + 8.0f;
    }
    list->Flags = flags;
}

void Hud::drawHelp(ImDrawList* list) {
    ImFont* font = imgui.textFont;
    float width = 0.0f;
    for (const auto& line : helpLines) {
        width = std::max(width, textSize(font, line.text.c_str()).x);
    }
    const float lineHeight = font->FontSize + 4.0f;
    const ImVec2 display = ImGui::GetIO().DisplaySize;
    const ImVec2 size(width + 40.0f, lineHeight * static_cast<float>(helpLines.size()) + 32.0f);
    const ImVec2 at((display.x - size.x) * 0.5f, (display.y - size.y) * 0.5f);
    list->AddRectFilled(at, ImVec2(at.x + size.x, at.y + size.y), IM_COL32(14, 12, 24, 205), 8.0f);
    float y = at.y + 16.0f;
    for (const auto& line : helpLines) {
        const float indent = line.heading ? 20.0f : 34.0f;
        shadowedText(list, font, ImVec2(at.x + indent, y), line.heading ? kGold : kText,
                     line.text.c_str());
        y += lineHeight;
    }
}

void Hud::drawPauseBanner(ImDrawList* list) {
    const ImVec2 display = ImGui::GetIO().DisplaySize;
    const float y = display.y * 0.5f - imgui.titleFont->FontSize * 0.5f;
    list->AddRectFilled(ImVec2(0.0f, y - 20.0f),
                        ImVec2(display.x, y + imgui.titleFont->FontSize + 20.0f),
                        IM_COL32(10, 8, 20, 150));
    centredText(list, imgui.titleFont, y, kText, "Paused \xE2\x80\x94 P to resume");
}

void Hud::drawTopBanner(ImDrawList* list, const std::string& text) {
    const float y = kMargin + 48.0f;
    list->AddRectFilled(ImVec2(0.0f, y - 6.0f),
                        ImVec2(ImGui::GetIO().DisplaySize.x, y + imgui.textFont->FontSize + 6.0f),
                        IM_COL32(10, 8, 20, 150));
    centredText(list, imgui.textFont, y, kText, text.c_str());
}

void Hud::drawTimer(ImDrawList* list, const HudState& state) {
    const std::string label = roundTimerLabel(state.roundSeconds);
    const float width = ImGui::GetIO().DisplaySize.x;
    const float left = width - kMargin - textSize(imgui.textFont, "00:00.0").x;
    shadowedText(list, imgui.textFont, ImVec2(left, kMargin), kText, label.c_str());
    take(vec2(left, kMargin), vec2(width - kMargin, kMargin + imgui.textFont->FontSize));
}

void Hud::take(const vec2& min, const vec2& max) {
    const float gap = 4.0f;  // an arrow does not touch them either
    taken.push_back({vec2(min.x - gap, min.y - gap), vec2(max.x + gap, max.y + gap)});
}

float Hud::drawSummary(ImDrawList* list, EndScreen screen, const EndSummary& summary, float y) {
    const ImU32 soft = IM_COL32(225, 215, 200, 235);
    const std::string forest = "Forest " + std::to_string(summary.seed) + "  \xC2\xB7  " +
                               std::to_string(summary.kidsFrightened) + " of " +
                               std::to_string(summary.kidsTotal) + " kids frightened";
    centredText(list, imgui.textFont, y, soft, forest.c_str());
    y += imgui.textFont->FontSize + 8.0f;
    if (screen == EndScreen::Won) {
        std::string time = "Time " + roundTimerLabel(summary.seconds);
        if (summary.newBest) {
            time += "  \xC2\xB7  New best!";
        } else if (summary.hasBest) {
            time += "  \xC2\xB7  Best " + roundTimerLabel(summary.best);
        }
        centredText(list, imgui.textFont, y, summary.newBest ? kGold : soft, time.c_str());
        y += imgui.textFont->FontSize + 8.0f;
    } else {
        std::string time = "Time " + roundTimerLabel(summary.seconds);
        if (summary.hasBest) {
            time += "  \xC2\xB7  Best on this forest " + roundTimerLabel(summary.best);
        }
        centredText(list, imgui.textFont, y, soft, time.c_str());
        y += imgui.textFont->FontSize + 8.0f;
        for (const std::string* line : {&summary.seenFrom, &summary.tip}) {
            if (!line->empty()) {
                centredText(list, imgui.textFont, y, line == &summary.tip ? kGold : soft,
                            line->c_str());
                y += imgui.textFont->FontSize + 8.0f;
            }
        }
    }
    return y + 6.0f;
}

EndChoice Hud::drawEndScreen(EndScreen screen, bool withTitle, const EndSummary& summary) {
    imgui.beginFrame();
    ImDrawList* list = ImGui::GetForegroundDrawList();
    const ImVec2 display = ImGui::GetIO().DisplaySize;
    const bool won = screen == EndScreen::Won;
    float y = display.y * (won ? 0.34f : 0.665f);
    if (won) {
        list->AddRectFilled(ImVec2(0, 0), display, IM_COL32(8, 6, 18, 120));
    }
    if (withTitle) {
        centredText(list, imgui.titleFont, y, won ? kGold : kText, won ? "You won!" : "GAME OVER");
        y += imgui.titleFont->FontSize + 10.0f;
        centredText(list, imgui.textFont, y, kText,
                    won ? "All kids are terrified." : "The kid has seen you.");
        y += imgui.textFont->FontSize + 14.0f;
    }
    if (won) {
        // The ten frightened kids in a row.
        const float icon = 30.0f;
        const float left = (display.x - 10.0f * (icon + 8.0f)) * 0.5f;
        for (int i = 0; i < 10; ++i) {
            kidIcon(list, ImVec2(left + static_cast<float>(i) * (icon + 8.0f), y), icon);
        }
        y += icon + 16.0f;
    }
    if (summary.kidsTotal > 0) {
        y = drawSummary(list, screen, summary, y);
    }
    const EndChoice choice = endButtons(y);
    y += imgui.textFont->FontSize * 2.0f + 30.0f;
    centredText(list, imgui.textFont, y, IM_COL32(200, 190, 180, 220),
                "R plays again (Shift+R: the same forest), Enter or Esc quits");
    if (!summary.difficulty.empty()) {
        y += imgui.textFont->FontSize + 10.0f;
        centredText(list, imgui.textFont, y, IM_COL32(200, 190, 180, 220),
                    ("Difficulty: " + summary.difficulty).c_str());
    }
    imgui.endFrame();
    return choice;
}

EndChoice Hud::endButtons(float y) {
    const ImVec2 display = ImGui::GetIO().DisplaySize;
    const ImVec2 button(180.0f, imgui.textFont->FontSize * 2.0f);
    const float gap = 24.0f;
    ImGui::SetNextWindowPos(ImVec2((display.x - 2.0f * button.x - gap) * 0.5f - 8.0f, y - 8.0f));
    ImGui::SetNextWindowBgAlpha(0.0f);
    ImGui::PushStyleVar(ImGuiStyleVar_WindowBorderSize, 0.0f);  // the buttons alone
    ImGui::Begin("##end", nullptr,
                 ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove |
                     ImGuiWindowFlags_AlwaysAutoResize | ImGuiWindowFlags_NoSavedSettings |
                     ImGuiWindowFlags_NoFocusOnAppearing);
    ImGui::PushFont(imgui.textFont);
    EndChoice choice = EndChoice::None;
    if (ImGui::Button("Play again", button)) {
        choice = EndChoice::PlayAgain;
    }
    ImGui::SameLine(0.0f, gap);
    if (ImGui::Button("Quit", button)) {
        choice = EndChoice::Quit;
    }
    ImGui::PopFont();
    ImGui::End();
    ImGui::PopStyleVar();
    return choice;
}

}  // namespace dusk::ui
