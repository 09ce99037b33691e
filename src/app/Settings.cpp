#include "app/Settings.h"

#include <GL/glew.h>

namespace dusk {

bool showFrameTime = false;
bool wireframeMode = false;
bool bilinearSampling = false;
int mipmapMode = -1;
bool frustumCulling = false;
bool transparencyEnabled = false;

void resetSettings() {
    showFrameTime = false;
    wireframeMode = false;
    bilinearSampling = false;
    mipmapMode = -1;
    frustumCulling = false;
    transparencyEnabled = false;
}

int nextMipmapMode(int mode) { return mode + 1 > 1 ? -1 : mode + 1; }

int minificationFilter(int mode, bool bilinear) {
    switch (mode) {
        case -1:
            return bilinear ? GL_LINEAR : GL_NEAREST;
        case 0:
            return bilinear ? GL_LINEAR_MIPMAP_NEAREST : GL_NEAREST_MIPMAP_NEAREST;
        case 1:
            return bilinear ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_LINEAR;
        default:
            return 0;
    }
}

}  // namespace dusk
