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

bool tipsCombo(TipsMode& mode) {
    static const char* const labels[] = {"Auto (until a first kid)", "On", "Off"};
    bool changed = false;
    if (ImGui::BeginCombo("Tips", labels[static_cast<int>(mode)])) {
        for (const auto choice : {TipsMode::Auto, TipsMode::On, TipsMode::Off}) {
            if (ImGui::Selectable(labels[static_cast<int>(choice)], choice == mode)) {
                changed = choice != mode;
                mode = choice;
            }
        }
        ImGui::EndCombo();
    }
    return changed;
}

// The areas as they show at the chosen difficulty; a click makes the
// choice the player's own.
bool sightAreasBox(UserSettings& settings) {
    bool shown = settings.sightAreasAt(settings.difficulty);
    if (!ImGui::Checkbox("Sight areas on the ground", &shown)) {
        return false;
    }
    settings.sightAreas = shown;
    return true;
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
    const bool areas = sightAreasBox(settings);
    ImGui::PushItemWidth(260.0f);
    const bool tips = tipsCombo(settings.tips);
    ImGui::PopItemWidth();
    if (ImGui::Button("Show the tips again")) {
        change.tipsAgain = true;
    }
    const bool any = chosen || markers || captions || areas || tips;
    change.changed |= any;
    change.finished |= any;
}

}  // namespace dusk::ui
