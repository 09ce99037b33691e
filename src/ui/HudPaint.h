#pragma once
// The HUD's colours and the pieces it draws with: shadowed and centred
// text, the kid icon, a labelled bar. Each draws into a draw list of the
// ImGui frame being built.
#include <imgui.h>

namespace dusk::ui::hud {

constexpr float kMargin = 18.0f;  // pixels between the view's edge and the HUD
constexpr ImU32 kShadow = IM_COL32(0, 0, 0, 150);
constexpr ImU32 kText = IM_COL32(240, 230, 214, 255);
constexpr ImU32 kGold = IM_COL32(255, 214, 120, 255);
constexpr ImU32 kKidOrange = IM_COL32(236, 128, 44, 255);
constexpr ImU32 kHealthRed = IM_COL32(196, 48, 52, 235);
constexpr ImU32 kMagicViolet = IM_COL32(116, 96, 224, 235);
constexpr ImU32 kBarBack = IM_COL32(20, 16, 28, 170);
constexpr ImU32 kDark = IM_COL32(20, 16, 28, 255);

// colour with its alpha scaled by alpha (clamped to 0..1).
ImU32 withAlpha(ImU32 colour, float alpha);

// Text with a soft drop shadow, so it reads on the sky and on the grass;
// wrapped at wrap pixels when that is above 0.
void shadowedText(ImDrawList* list, ImFont* font, ImVec2 at, ImU32 colour, const char* text,
                  float wrap = 0.0f);

// The size of text on one line in font.
ImVec2 textSize(ImFont* font, const char* text);

// Shadowed text centred across the view, its top at y.
void centredText(ImDrawList* list, ImFont* font, float y, ImU32 colour, const char* text);

// A small kid, size pixels high, its top left at at: head, body and legs in
// the kids' orange.
void kidIcon(ImDrawList* list, ImVec2 at, float size);

// A 240 x 16 bar filled to fraction (clamped to 0..1), its label beside it.
void bar(ImDrawList* list, ImFont* font, ImVec2 at, float fraction, ImU32 colour,
         const char* label);

}  // namespace dusk::ui::hud
