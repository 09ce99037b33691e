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

bool SettingsMenu::build(UserSettings& settings) {
    if (!open) {
        return false;
    }
    const ImVec2 display = ImGui::GetIO().DisplaySize;
    ImGui::SetNextWindowPos(ImVec2(display.x * 0.5f, display.y * 0.5f), ImGuiCond_Always,
                            ImVec2(0.5f, 0.5f));
    ImGui::SetNextWindowBgAlpha(0.92f);
    ImGui::Begin("Settings", nullptr,
                 ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_AlwaysAutoResize |
                     ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoSavedSettings);
    bool changed = false;
    ImGui::PushItemWidth(260.0f);
    changed |= sliderDouble("Mouse sensitivity", settings.mouseSensitivity,
                            UserSettings::minMouseSensitivity, UserSettings::maxMouseSensitivity,
                            "%.4f rad/px");
    changed |= ImGui::Checkbox("Invert vertical look", &settings.invertLook);
    changed |= sliderDouble("Field of view", settings.fieldOfView, UserSettings::minFieldOfView,
                            UserSettings::maxFieldOfView, "%.0f\xC2\xB0");
    ImGui::Separator();
    changed |= ImGui::Checkbox("Vsync", &settings.vsync);
    changed |= frameCapCombo(settings.frameCap);
    changed |= ImGui::Checkbox("Fullscreen (F11)", &settings.fullscreen);
    changed |= qualityCombo(settings.graphicsQuality);
    changed |= ImGui::Checkbox("HUD (H)", &settings.hud);
    ImGui::Separator();
    float volume = static_cast<float>(settings.masterVolume * 100.0);
    if (ImGui::SliderFloat("Master volume", &volume, 0.0f, 100.0f, "%.0f%%",
                           ImGuiSliderFlags_AlwaysClamp)) {
        settings.masterVolume = volume / 100.0f;
        changed = true;
    }
    ImGui::PopItemWidth();
    ImGui::Spacing();
    if (ImGui::Button("Close (F10)")) {
        open = false;
    }
    ImGui::End();
    return changed;
}

}  // namespace dusk::ui
