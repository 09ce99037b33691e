#include "ui/HudPaint.h"

#include <algorithm>

namespace dusk::ui::hud {

ImU32 withAlpha(ImU32 colour, float alpha) {
    const auto a = static_cast<unsigned>(static_cast<float>((colour >> IM_COL32_A_SHIFT) & 0xFF) *
                                         std::clamp(alpha, 0.0f, 1.0f));
    return (colour & ~IM_COL32_A_MASK) | (a << IM_COL32_A_SHIFT);
}

void shadowedText(ImDrawList* list, ImFont* font, ImVec2 at, ImU32 colour, const char* text,
                  float wrap) {
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

}  // namespace dusk::ui::hud
