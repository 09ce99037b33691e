#include "ui/EndScreenPaint.h"

#include <string>

#include "ui/HudLabels.h"
#include "ui/HudPaint.h"

namespace dusk::ui::hud {

namespace {

constexpr ImU32 kSoft = IM_COL32(225, 215, 200, 235);
constexpr ImU32 kFooter = IM_COL32(200, 190, 180, 220);

// The title and its line from height y down; returns the height below them.
float endTitle(ImDrawList* list, ImFont* title, ImFont* text, bool won, float y) {
    centredText(list, title, y, won ? kGold : kText, won ? "You won!" : "GAME OVER");
    y += title->FontSize + 10.0f;
    centredText(list, text, y, kText, won ? "All kids are terrified." : "The kid has seen you.");
    return y + text->FontSize + 14.0f;
}

// The ten frightened kids in a row; returns the height below them.
float frightenedKids(ImDrawList* list, float y) {
    const float icon = 30.0f;
    const float left = (ImGui::GetIO().DisplaySize.x - 10.0f * (icon + 8.0f)) * 0.5f;
    for (int i = 0; i < 10; ++i) {
        kidIcon(list, ImVec2(left + static_cast<float>(i) * (icon + 8.0f), y), icon);
    }
    return y + icon + 16.0f;
}

// One centred line of the summary; returns the height below it.
float summaryLine(ImDrawList* list, ImFont* font, float y, ImU32 colour, const std::string& line) {
    centredText(list, font, y, colour, line.c_str());
    return y + font->FontSize + 8.0f;
}

// The summary's lines from height y down; returns the height below them.
float summaryLines(ImDrawList* list, ImFont* font, EndScreen screen, const EndSummary& summary,
                   float y) {
    const std::string forest = "Forest " + std::to_string(summary.seed) + "  \xC2\xB7  " +
                               std::to_string(summary.kidsFrightened) + " of " +
                               std::to_string(summary.kidsTotal) + " kids frightened";
    y = summaryLine(list, font, y, kSoft, forest);
    std::string time = "Time " + roundTimerLabel(summary.seconds);
    if (screen == EndScreen::Won) {
        if (summary.newBest) {
            time += "  \xC2\xB7  New best!";
        } else if (summary.hasBest) {
            time += "  \xC2\xB7  Best " + roundTimerLabel(summary.best);
        }
        return summaryLine(list, font, y, summary.newBest ? kGold : kSoft, time) + 6.0f;
    }
    if (summary.hasBest) {
        time += "  \xC2\xB7  Best on this forest " + roundTimerLabel(summary.best);
    }
    y = summaryLine(list, font, y, kSoft, time);
    if (!summary.seenFrom.empty()) {
        y = summaryLine(list, font, y, kSoft, summary.seenFrom);
    }
    if (!summary.tip.empty()) {
        y = summaryLine(list, font, y, kGold, summary.tip);
    }
    return y + 6.0f;
}

// The two buttons from height y down.
EndChoice endButtons(ImFont* font, float y) {
    const ImVec2 display = ImGui::GetIO().DisplaySize;
    const ImVec2 button(180.0f, font->FontSize * 2.0f);
    const float gap = 24.0f;
    ImGui::SetNextWindowPos(ImVec2((display.x - 2.0f * button.x - gap) * 0.5f - 8.0f, y - 8.0f));
    ImGui::SetNextWindowBgAlpha(0.0f);
    ImGui::PushStyleVar(ImGuiStyleVar_WindowBorderSize, 0.0f);  // the buttons alone
    ImGui::Begin("##end", nullptr,
                 ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove |
                     ImGuiWindowFlags_AlwaysAutoResize | ImGuiWindowFlags_NoSavedSettings |
                     ImGuiWindowFlags_NoFocusOnAppearing);
    ImGui::PushFont(font);
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

}  // namespace

EndChoice paintEndScreen(ImFont* title, ImFont* text, EndScreen screen, bool withTitle,
                         const EndSummary& summary) {
    ImDrawList* list = ImGui::GetForegroundDrawList();
    const ImVec2 display = ImGui::GetIO().DisplaySize;
    const bool won = screen == EndScreen::Won;
    float y = display.y * (won ? 0.34f : 0.665f);
    if (won) {
        list->AddRectFilled(ImVec2(0, 0), display, IM_COL32(8, 6, 18, 120));
    }
    if (withTitle) {
        y = endTitle(list, title, text, won, y);
    }
    if (won) {
        y = frightenedKids(list, y);
    }
    if (summary.kidsTotal > 0) {
        y = summaryLines(list, text, screen, summary, y);
    }
    const EndChoice choice = endButtons(text, y);
    y += text->FontSize * 2.0f + 30.0f;
    centredText(list, text, y, kFooter,
                "R plays again (Shift+R: the same forest), Enter or Esc quits");
    if (!summary.difficulty.empty()) {
        y += text->FontSize + 10.0f;
        centredText(list, text, y, kFooter, ("Difficulty: " + summary.difficulty).c_str());
    }
    return choice;
}

}  // namespace dusk::ui::hud
