#include "ui/SettingsMenu.h"

#include <GLFW/glfw3.h>
#include <imgui.h>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "records/Records.h"
#include "records/RecordsTable.h"
#include "settings/KeyBindings.h"
#include "ui/EnumCombo.h"
#include "ui/PlayOptions.h"

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

bool sliderDouble(const char* label, double& value, double low, double high, const char* format) {
    float shown = static_cast<float>(value);
    if (!ImGui::SliderFloat(label, &shown, static_cast<float>(low), static_cast<float>(high),
                            format, ImGuiSliderFlags_AlwaysClamp)) {
        return false;
    }
    value = shown;
    return true;
}

// The scale in whole percent; moving it makes it the player's (Low's own
// half size gives way to it).
bool renderScaleSlider(UserSettings& settings) {
    float percent = settings.renderScaleInUse() * 100.0f;
    if (!ImGui::SliderFloat("Resolution scale", &percent,
                            static_cast<float>(UserSettings::minRenderScale * 100.0),
                            static_cast<float>(UserSettings::maxRenderScale * 100.0), "%.0f%%",
                            ImGuiSliderFlags_AlwaysClamp)) {
        return false;
    }
    settings.renderScale = std::round(percent) / 100.0;
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

// The key as the player's layout names it.
std::string labelOf(int key) {
    if (key == KeyBindings::noKey) {
        return "-";
    }
    return keyLabel(key, glfwGetKeyName(key, 0));
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

void SettingsMenu::setOpen(bool shown) {
    open = shown;
    capturing = capturing && shown;
}

MenuChange SettingsMenu::build(UserSettings& settings) {
    MenuChange change;
    if (!open) {
        return change;
    }
    // One size and place for every tab, the largest one's (the Records tab
    // full, the Controls tab), so that a click aimed at a tab finds it where
    // it was. A view too small for it scrolls.
    const ImVec2 display = ImGui::GetIO().DisplaySize;
    const float side = 32.0f * ImGui::GetFontSize();
    ImGui::SetNextWindowSize(
        ImVec2(std::min(side, display.x - 20.0f), std::min(side, display.y - 20.0f)),
        ImGuiCond_Always);
    ImGui::SetNextWindowPos(ImVec2(display.x * 0.5f, display.y * 0.5f), ImGuiCond_Always,
                            ImVec2(0.5f, 0.5f));
    ImGui::SetNextWindowBgAlpha(0.92f);
    ImGui::Begin("Settings", nullptr,
                 ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoMove |
                     ImGuiWindowFlags_HorizontalScrollbar | ImGuiWindowFlags_NoSavedSettings);
    if (ImGui::BeginTabBar("tabs")) {
        if (ImGui::BeginTabItem("Game")) {
            buildGameTab(settings, change);
            ImGui::EndTabItem();
        }
        if (ImGui::BeginTabItem("Controls")) {
            buildControlsTab(settings, change);
            ImGui::EndTabItem();
        }
        if (ImGui::BeginTabItem("Play")) {
            buildPlayOptions(settings, change);
            ImGui::EndTabItem();
        }
        if (ImGui::BeginTabItem("Records")) {
            buildRecordsTab(change);
            ImGui::EndTabItem();
        }
        ImGui::EndTabBar();
    }
    ImGui::Spacing();
    if (ImGui::Button("Close (F10)")) {
        setOpen(false);
    }
    ImGui::End();
    return change;
}

void SettingsMenu::buildGameTab(UserSettings& settings, MenuChange& change) {
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
    noteChoice(change, enumCombo("Graphics quality", graphicsQualities, settings.graphicsQuality));
    noteSlider(change, renderScaleSlider(settings));
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
}

// One row an action: its name and its two keys; a click on a key waits for
// the next key pressed.
void SettingsMenu::buildControlsTab(UserSettings& settings, MenuChange& change) {
    if (ImGui::BeginTable("keys", 3, ImGuiTableFlags_SizingFixedFit)) {
        for (const Action action : allActions()) {
            ImGui::TableNextRow();
            ImGui::TableNextColumn();
            ImGui::TextUnformatted(entryOf(actions, action).label);
            const KeyBindings::Keys& keys = settings.keys.keysFor(action);
            for (int slot = 0; slot < KeyBindings::slotCount; ++slot) {
                ImGui::TableNextColumn();
                const bool waiting =
                    capturing && captureAction == static_cast<int>(action) && captureSlot == slot;
                const std::string label = (waiting ? std::string("press a key...")
                                                   : labelOf(keys[static_cast<size_t>(slot)])) +
                                          "##" + actionName(action) + std::to_string(slot);
                if (ImGui::Button(label.c_str(), ImVec2(150.0f, 0.0f))) {
                    capturing = true;
                    captureAction = static_cast<int>(action);
                    captureSlot = slot;
                    note = "Press the key for " + std::string(entryOf(actions, action).label) +
                           " (Esc cancels)";
                }
            }
        }
        ImGui::EndTable();
    }
    ImGui::TextUnformatted(note.c_str());
    if (ImGui::Button("Reset to defaults")) {
        settings.keys = KeyBindings();
        capturing = false;
        note = "Every action has its own keys again";
        noteChoice(change, true);
    }
    ImGui::Separator();
    ImGui::TextUnformatted("Gamepad: left stick walks, right stick looks, A flies,");
    ImGui::TextUnformatted("right trigger screams, left trigger runs, Start: this menu, Back: HUD");
    ImGui::PushItemWidth(260.0f);
    noteSlider(change, sliderDouble("Gamepad look speed", settings.gamepadLookSpeed,
                                    UserSettings::minGamepadLookSpeed,
                                    UserSettings::maxGamepadLookSpeed, "%.0f\xC2\xB0/s"));
    noteSlider(change, sliderDouble("Gamepad dead zone", settings.gamepadDeadZone, 0.0,
                                    UserSettings::maxGamepadDeadZone, "%.2f"));
    ImGui::PopItemWidth();
}

void SettingsMenu::buildRecordsTab(MenuChange& change) {
    const std::vector<RecordsRow> rows = recordsRows(records, 20);
    if (rows.empty()) {
        ImGui::TextUnformatted("No records yet: finish a round.");
        return;
    }
    if (ImGui::BeginTable("records", 9, ImGuiTableFlags_SizingFixedFit | ImGuiTableFlags_RowBg)) {
        const RecordsRow header = recordsHeader();
        for (const std::string* title :
             {&header.seed, &header.difficulty, &header.bestTime, &header.date, &header.wins,
              &header.losses, &header.left, &header.mostKids}) {
            ImGui::TableSetupColumn(title->c_str());
        }
        ImGui::TableSetupColumn("Replay");
        ImGui::TableHeadersRow();
        for (const RecordsRow& row : rows) {
            ImGui::TableNextRow();
            for (const std::string* cell : {&row.seed, &row.difficulty, &row.bestTime, &row.date,
                                            &row.wins, &row.losses, &row.left, &row.mostKids}) {
                ImGui::TableNextColumn();
                ImGui::TextUnformatted(cell->c_str());
            }
            ImGui::TableNextColumn();
            if (row.timed && replayKept && replayKept(row.seedNumber, row.difficulty)) {
                ImGui::PushID((row.seed + row.difficulty).c_str());
                if (ImGui::SmallButton("Watch")) {
                    change.watch = WatchRequest{row.seedNumber, row.difficulty};
                }
                ImGui::PopID();
            }
        }
        ImGui::EndTable();
    }
    ImGui::TextUnformatted(recordsTotalsLine(records).c_str());
}

MenuChange SettingsMenu::keyPressed(int key, UserSettings& settings) {
    MenuChange change;
    if (!capturing) {
        return change;
    }
    if (key == GLFW_KEY_ESCAPE) {
        capturing = false;
        note = "Nothing changed";
        return change;
    }
    if (!keyBindable(key)) {
        note = labelOf(key) + " stays the game's own: press another key";
        return change;
    }
    capturing = false;
    const auto action = static_cast<Action>(captureAction);
    const int old = settings.keys.keysFor(action)[static_cast<size_t>(captureSlot)];
    const std::optional<Action> lost = settings.keys.bind(action, captureSlot, key);
    note = labelOf(key) + " now " + entryOf(actions, action).label;
    if (lost) {
        note += "; swapped: " + std::string(entryOf(actions, *lost).label) + " has " + labelOf(old);
    }
    change.changed = true;
    change.finished = true;
    return change;
}

}  // namespace dusk::ui
