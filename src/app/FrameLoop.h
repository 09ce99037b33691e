#pragma once
#include "app/WindowInput.h"
#include "settings/UserSettings.h"
#include "ui/Hud.h"
#include "ui/SettingsMenu.h"

namespace dusk {

class Game;

// One frame of the game at a time: the throttled key block, the window's own
// keys (H, P, F10, F11), pause, update, the three passes, the HUD and the
// settings menu, swap, events, the OpenGL error report and the frame cap.
// While paused (also while the menu is open) nothing moves or changes: no
// update, no physics, no health lost or regained; the cursor is free.
class FrameLoop {
public:
    explicit FrameLoop(Game& game);
    ~FrameLoop();
    FrameLoop(const FrameLoop&) = delete;
    FrameLoop& operator=(const FrameLoop&) = delete;

    void runFrame();

    bool isPaused() const { return paused; }
    void setPaused(bool pause);

    // Fullscreen on the primary monitor at its video mode, or back to the
    // configured window size.
    void setFullscreen(bool on);
    bool isFullscreen() const { return fullscreen; }
    // Frames a second at most; 0 for no cap.
    void setFrameCap(int framesPerSecond) { frameCap = framesPerSecond; }
    void setVsync(bool on);

    ui::Hud& hud() { return overlay; }
    ui::SettingsMenu& settingsMenu() { return menu; }
    void setMenuOpen(bool open);
    // Makes the current settings take effect (window, HUD, sound, pacing)
    // and writes them to the settings file.
    void settingsChanged();

private:
    void runThrottledBlock(float dt);
    void handleWindowEvents();
    void applySettings(const UserSettings& chosen);

    Game& game;
    WindowInput input;  // before the HUD: ImGui chains to its callbacks
    ui::Hud overlay;
    ui::SettingsMenu menu;
    UserSettings applied;
    double previousFrame;
    double lastThrottled;
    bool paused = false;
    bool menuPaused = false;  // the pause is the open menu's
    bool fullscreen = false;
    int frameCap = 0;
    int windowedX = 0;
    int windowedY = 0;
};

// How long to wait after a frame that began at frameStart, at time now, so
// that frames come no faster than cap a second (0: no cap, no wait).
double frameCapWait(double frameStart, double now, int cap);

}  // namespace dusk
