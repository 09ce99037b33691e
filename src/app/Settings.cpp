#include "app/Settings.h"

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

}  // namespace dusk
