#pragma once
#include "app/Config.h"

struct GLFWwindow;

namespace dusk {

// The window's mode: fullscreen on the primary monitor or windowed at the
// run's size, where it was before; and the swap interval.
class WindowMode {
public:
    // window: not owned, open at the windowed size.
    WindowMode(GLFWwindow* window, WindowConfig windowed) : window(window), windowed(windowed) {}

    // Fullscreen at the primary monitor's video mode (nothing happens without
    // one), or back to the windowed size where the window was.
    void setFullscreen(bool on);
    bool isFullscreen() const { return fullscreen; }
    void setVsync(bool on);
    const WindowConfig& windowedSize() const { return windowed; }

private:
    GLFWwindow* window;
    WindowConfig windowed;
    bool fullscreen = false;
    int windowedX = 0;
    int windowedY = 0;
};

}  // namespace dusk
