#include "ui/PlayOptions.h"

#include <imgui.h>

#include "ui/EnumCombo.h"

namespace dusk::ui {

namespace {

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
    const bool chosen = enumCombo("Difficulty", difficultyLevels, settings.difficulty);
    ImGui::PopItemWidth();
    ImGui::SameLine();
    ImGui::TextDisabled("from the next round");
    const bool markers = ImGui::Checkbox("Detection markers", &settings.detectionMarkers);
    const bool captions = ImGui::Checkbox("Captions", &settings.captions);
    const bool areas = sightAreasBox(settings);
    ImGui::PushItemWidth(260.0f);
    const bool tips = enumCombo("Tips", tipsModes, settings.tips);
    ImGui::PopItemWidth();
    if (ImGui::Button("Show the tips again")) {
        change.tipsAgain = true;
    }
    const bool any = chosen || markers || captions || areas || tips;
    change.changed |= any;
    change.finished |= any;
}

}  // namespace dusk::ui
