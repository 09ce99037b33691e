#pragma once
#include "app/WindowInput.h"
#include "ui/Hud.h"

namespace dusk {

class Game;

// One frame of the game at a time: the throttled key block, the window's own
// keys (H, P), pause, update, the three passes, the HUD, swap, events and the
// OpenGL error report. While paused nothing moves or changes: no update, no
// physics, no health lost or regained; the cursor is free.
class FrameLoop {
public:
    explicit FrameLoop(Game& game);
    ~FrameLoop();
    FrameLoop(const FrameLoop&) = delete;
    FrameLoop& operator=(const FrameLoop&) = delete;

    void runFrame();

    bool isPaused() const { return paused; }
    void setPaused(bool pause);

    ui::Hud& hud() { return overlay; }

private:
    void runThrottledBlock(float dt);
    void handleWindowEvents();

    Game& game;
    WindowInput input;  // before the HUD: ImGui chains to its callbacks
    ui::Hud overlay;
    double previousFrame;
    double lastThrottled;
    bool paused = false;
};

}  // namespace dusk
