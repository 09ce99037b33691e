#include "app/DebugToggles.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include "render/Renderer.h"

namespace dusk {

namespace {

int flip(int value) { return value == 1 ? 0 : 1; }

// F9 starts at -1: nothing sent yet, the screen pass's grade as the overlay
// was built (on). Its first press says "enable" and sends 1 again.
constexpr std::array<DebugToggle, DebugToggles::count> kToggles = {{
    {GLFW_KEY_F2, "showFrameTime", flip, {nullptr, nullptr, nullptr}, 0},
    {GLFW_KEY_F3,
     "wireframeMode",
     flip,
     {nullptr, "disable wireframe mode", "enable wireframe mode"},
     0},
    {GLFW_KEY_F4,
     "bilinearSampling",
     flip,
     {nullptr, "texture sampling nearest neighbour", "texture sampling bilinear"},
     0},
    {GLFW_KEY_F5,
     "mipmapMode",
     nextMipmapMode,
     {"mipmap off", "mipmap nearest neighbour", "mipmap bilinear"},
     -1},
    {GLFW_KEY_F8,
     "frustumCulling",
     flip,
     {nullptr, "disable View Frustum Culling", "enable View Frustum Culling"},
     0},
    {GLFW_KEY_F9,
     "transparencyEnabled",
     flip,
     {nullptr, "disable transparency", "enable transparency"},
     -1},
}};

constexpr std::array<const char*, 12> kHelpLines = {
    "Frighten all Kids without being seen by them!",
    "WASD - Move",
    "Ctrl - Scream (to frighten a Kid if you are behind it)",
    "Space - Fly (as long as you have enough magic)",
    "Esc - End game",
    "F1 - Help",
    "F2 - Show Frametime",
    "F3 - Wireframemode (On/Off)",
    "F4 - Texture Samping (Bilinear/Nearest Neighbour)",
    "F5 - Mipmap Mode (Off/Nearest Neighbour/Bilinear)",
    "F8 - Viewfrustum - Culling (On/Off)",
    "F9 - Transparency (On/Off)"};

}  // namespace

const std::array<DebugToggle, DebugToggles::count>& DebugToggles::table() { return kToggles; }

DebugToggles::DebugToggles() {
    for (int i = 0; i < count; ++i) {
        values[i] = kToggles[i].start;
    }
}

const char* DebugToggles::press(int key) {
    for (int i = 0; i < count; ++i) {
        if (kToggles[i].key == key) {
            values[i] = kToggles[i].next(values[i]);
            return kToggles[i].said[values[i] + 1];
        }
    }
    return nullptr;
}

void DebugToggles::fill(FrameOptions& frame) const {
    frame.wireframe = on(Wireframe);
    frame.bilinear = on(Bilinear);
    frame.mipmapMode = values[Mipmap];
    frame.transparencyFlag = transparencyFlag();
}

int nextMipmapMode(int mode) { return mode + 1 > 1 ? -1 : mode + 1; }

const std::array<const char*, 12>& helpLines() { return kHelpLines; }

}  // namespace dusk
