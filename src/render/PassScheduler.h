#pragma once
// Which of the frame's costly steps a graphics quality really needs.
//
// Exact does everything every frame: the shadow map cleared and redrawn, the
// scene texture's mip levels regenerated. Fast gives the same picture: the
// map is redrawn only when something it depends on differs from when it was
// last drawn (its size, the polygon mode, the light's matrix, the casters'
// matrices), and the mip levels only while the scene texture's filter
// samples them; the window is never cleared, as the screen pass covers every
// pixel of it; kids and trees wholly out of view are not drawn; the lit pass
// draws what no lantern reaches without the lantern loop; and at full health
// the screen pass reads the scene texture texel for texel and leaves out the
// hurt step.
// Low is Fast with a map of a quarter of the side (1024 x 1024); its smaller
// scene target (the render scale) is the settings' business.
#include <vector>

#include "math/Math.h"
#include "settings/UserSettings.h"

namespace dusk {

// Everything the shadow map's contents follow from.
struct ShadowMapInputs {
    int size = 0;
    int polygonMode = 0;  // GL_FILL, or GL_LINE while F3 shows wireframe
    mat4 lightViewProjection{1.0f};
    std::vector<mat4> casters;

    bool operator==(const ShadowMapInputs& other) const;
};

// The minification filter for the scene texture for F5's mipmap mode (-1
// off, 0 nearest, 1 linear) and F4's bilinear sampling; 0 for a mode
// outside -1..1.
int minificationFilter(int mipmapMode, bool bilinear);

class PassScheduler {
public:
    static int shadowMapSize(GraphicsQuality quality);

    bool shadowMapNeedsDrawing(GraphicsQuality quality, const ShadowMapInputs& now) const;
    void shadowMapDrawn(const ShadowMapInputs& inputs);
    // Something else drew into the map or replaced it: draw it again.
    void forgetShadowMap() { mapValid_ = false; }

    // Whether the frame clears the window, at its start and again before the
    // screen pass (whose quad covers it all, so only Exact does).
    static bool windowClearedFirst(GraphicsQuality quality) {
        return quality == GraphicsQuality::Exact;
    }
    // Whether the screen pass may show a full-health picture with its
    // cheaper program.
    static bool screenPassShortcut(GraphicsQuality quality) {
        return quality != GraphicsQuality::Exact;
    }

    // Whether this frame must regenerate the scene texture's mip levels.
    bool mipmapsNeeded(GraphicsQuality quality) const;
    // The minification filter just given to the scene texture; 0 when it
    // was left as it was.
    void sceneFilterApplied(int filter);

private:
    bool mapValid_ = false;
    ShadowMapInputs drawn_;
    bool filterSamplesMipmaps_ = false;  // a new target's filter is linear
};

}  // namespace dusk
