#include "ui/SettingsMenu.h"

#include <imgui.h>

#include <iterator>

namespace dusk::ui {

namespace {

bool frameCapCombo(int& cap) {
    bool changed = false;
    if (ImGui::BeginCombo("Frame cap", frameCapLabel(cap))) {
        for (const int choice : UserSettings::frameCaps) {
            if (ImGui::Selectable(frameCapLabel(choice), choice == cap)) {
                changed = choice != cap;
                cap = choice;
            }
        }
        ImGui::EndCombo();
    }
    return changed;
}

bool qualityCombo(GraphicsQuality& quality) {
    bool changed = false;
    if (ImGui::BeginCombo("Graphics quality", graphicsQualityName(quality))) {
        for (const auto choice :
             {GraphicsQuality::Exact, GraphicsQuality::Fast, GraphicsQuality::Low}) {
            if (ImGui::Selectable(graphicsQualityName(choice), choice == quality)) {
                changed = choice != quality;
                quality = choice;
            }
        }
        ImGui::EndCombo();
    }
    return changed;
}

bool sliderDouble(const char* label, double& value, double low, double high, const char* format) {
    float shown = static_cast<float>(value);
    if (!ImGui::SliderFloat(label, &shown, static_cast<float>(low), static_cast<float>(high),
                            format, ImGuiSliderFlags_AlwaysClamp)) {
        return false;
    }
    value = shown;
    return true;
}

// A slider's value changes while it is dragged; it is finished on release.
void noteSlider(MenuChange& change, bool moved) {
    change.changed |= moved;
    change.finished |= ImGui::IsItemDeactivatedAfterEdit();
}

// A box or a list choice is finished as soon as it changes.
void noteChoice(MenuChange& change, bool chosen) {
    change.changed |= chosen;
    change.finished |= chosen;
}

}  // namespace

const char* frameCapLabel(int cap) {
    switch (cap) {
        case 30:
            return "30";
        case 60:
            return "60";
        case 120:
            return "120";
        case 144:
            return "144";
        default:
            return "Off";
    }
}

MenuChange SettingsMenu::build(UserSettings& settings) {
    MenuChange change;
    if (!open) {
        return change;
    }
    const ImVec2 display = ImGui::GetIO().DisplaySize;
    ImGui::SetNextWindowPos(ImVec2(display.x * 0.5f, display.y * 0.5f), ImGuiCond_Always,
                            ImVec2(0.5f, 0.5f));
    ImGui::SetNextWindowBgAlpha(0.92f);
    ImGui::Begin("Settings", nullptr,
                 ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_AlwaysAutoResize |
                     ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoSavedSettings);
    ImGui::PushItemWidth(260.0f);
    noteSlider(change, sliderDouble("Mouse sensitivity", settings.mouseSensitivity,
                                    UserSettings::minMouseSensitivity,
                                    UserSettings::maxMouseSensitivity, "%.4f rad/px"));
    noteChoice(change, ImGui::Checkbox("Invert vertical look", &settings.invertLook));
    noteSlider(change,
               sliderDouble("Field of view", settings.fieldOfView, UserSettings::minFieldOfView,
                            UserSettings::maxFieldOfView, "%.0f\xC2\xB0"));
    ImGui::Separator();
    noteChoice(change, ImGui::Checkbox("Vsync", &settings.vsync));
    noteChoice(change, frameCapCombo(settings.frameCap));
    noteChoice(change, ImGui::Checkbox("Fullscreen (F11)", &settings.fullscreen));
    noteChoice(change, qualityCombo(settings.graphicsQuality));
    noteChoice(change, ImGui::Checkbox("HUD (H)", &settings.hud));
    ImGui::Separator();
    float volume = static_cast<float>(settings.masterVolume * 100.0);
    const bool moved = ImGui::SliderFloat("Master volume", &volume, 0.0f, 100.0f, "%.0f%%",
                                          ImGuiSliderFlags_AlwaysClamp);
    if (moved) {
        settings.masterVolume = volume / 100.0f;
    }
    noteSlider(change, moved);
    ImGui::PopItemWidth();
    ImGui::Spacing();
    if (ImGui::Button("Close (F10)")) {
        open = false;
    }
    ImGui::End();
    return change;
}

}  // namespace dusk::ui
