#include "app/HelpText.h"

namespace dusk {

const std::array<const char*, 12>& helpLines() {
    static const std::array<const char*, 12> lines = {
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
    return lines;
}

const char* mipmapMessage(int mipmapMode) {
    switch (mipmapMode) {
        case 0:
            return "mipmap nearest neighbour";
        case 1:
            return "mipmap bilinear";
        default:
            return "mipmap off";
    }
}

}  // namespace dusk
