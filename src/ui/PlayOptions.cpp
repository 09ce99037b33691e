#include "ui/PlayOptions.h"

#include <imgui.h>

namespace dusk::ui {

namespace {

bool difficultyCombo(DifficultyLevel& level) {
    bool changed = false;
    if (ImGui::BeginCombo("Difficulty", difficultyLevelName(level))) {
        for (const auto choice :
             {DifficultyLevel::Relaxed, DifficultyLevel::Standard, DifficultyLevel::Hard}) {
            if (ImGui::Selectable(difficultyLevelName(choice), choice == level)) {
                changed = choice != level;
                level = choice;
            }
        }
        ImGui::EndCombo();
    }
    return changed;
}

}  // namespace

void buildPlayOptions(UserSettings& settings, MenuChange& change) {
    ImGui::PushItemWidth(160.0f);
    const bool chosen = difficultyCombo(settings.difficulty);
    ImGui::PopItemWidth();
    ImGui::SameLine();
    ImGui::TextDisabled("from the next round");
    const bool markers = ImGui::Checkbox("Detection markers", &settings.detectionMarkers);
    const bool captions = ImGui::Checkbox("Captions", &settings.captions);
    const bool any = chosen || markers || captions;
    change.changed |= any;
    change.finished |= any;
}

}  // namespace dusk::ui
