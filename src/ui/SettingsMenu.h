#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "settings/UserSettings.h"
#include "ui/MenuChange.h"

namespace dusk {
struct Records;
}

namespace dusk::ui {

// The settings menu (F10): one Dear ImGui window over the paused game with
// every option of the settings file but the window size. It keeps one size
// and place, centred, whichever tab is shown.
// Its tabs: "Game" (look, window, sound), "Controls" (a key of the player's
// choice for every action, the pad's settings), "Play" (the difficulty,
// detection marks, captions, sight areas, tips) and "Records" (the best forests and the
// totals, as --records prints them).
class SettingsMenu {
public:
    // records: what the Records tab shows; it outlives the menu.
    explicit SettingsMenu(const Records& records) : records(records) {}

    // Whether a best replay of the forest at the difficulty (its name) is
    // kept: the Records tab shows a "Watch" button beside such a best.
    using ReplayKept = std::function<bool(std::uint32_t seed, const std::string& difficulty)>;
    void setReplayKept(ReplayKept kept) { replayKept = std::move(kept); }

    bool isOpen() const { return open; }
    // Closing also ends a wait for a key.
    void setOpen(bool shown);

    // Builds the window inside a HUD frame. The window's Close button closes
    // the menu.
    MenuChange build(UserSettings& settings);

    // True while a slot of the Controls tab waits for its key.
    bool isCapturingKey() const { return capturing; }
    // The key the waiting slot gets (GLFW code; Esc cancels, a key the game
    // keeps for itself is refused). A key that another action had moves here
    // and that action gets the slot's old key: the menu says so.
    MenuChange keyPressed(int key, UserSettings& settings);

private:
    void buildGameTab(UserSettings& settings, MenuChange& change);
    void buildControlsTab(UserSettings& settings, MenuChange& change);
    void buildRecordsTab(MenuChange& change);

    const Records& records;
    ReplayKept replayKept;
    bool open = false;
    bool capturing = false;
    int captureAction = 0;
    int captureSlot = 0;
    std::string note;  // what the last binding did, shown under the table
};

// The frame-cap choices as the menu lists them: "Off", "30", "60", ...
const char* frameCapLabel(int cap);

}  // namespace dusk::ui
