#include "ui/Hud.h"

#include <imgui.h>

#include <algorithm>

#include "ui/EndScreenPaint.h"
#include "ui/HudMarks.h"
#include "ui/HudPaint.h"

namespace dusk::ui {

using namespace hud;

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
        watchMark(list, imgui.textFont, marker, alpha, taken);
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

EndChoice Hud::drawEndScreen(EndScreen screen, bool withTitle, const EndSummary& summary) {
    imgui.beginFrame();
    const EndChoice choice =
        paintEndScreen(imgui.titleFont, imgui.textFont, screen, withTitle, summary);
    imgui.endFrame();
    return choice;
}

}  // namespace dusk::ui
