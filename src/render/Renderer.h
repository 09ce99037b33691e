#pragma once
#include <GL/glew.h>

#include <memory>
#include <vector>

#include "math/Math.h"
#include "render/GlHandle.h"
#include "render/GpuModels.h"
#include "render/LitPass.h"
#include "render/PassScheduler.h"
#include "render/RenderTarget.h"
#include "render/ScenePrograms.h"
#include "render/SightAreas.h"
#include "render/ViewFrustum.h"
#include "settings/UserSettings.h"

namespace dusk {

class ScreenOverlay;
class ShadowTarget;

namespace scene {
class Camera;
class World;
}  // namespace scene

// How the player wants this frame drawn: the graphics quality and field of
// view of the settings and the debug toggles of the function keys.
struct FrameOptions {
    GraphicsQuality quality = GraphicsQuality::Exact;
    float fieldOfView = 1.0471975803375244f;  // radians (60 degrees)
    bool wireframe = false;                   // F3: the scene's polygons as lines
    bool bilinear = false;                    // F4
    int mipmapMode = -1;                      // F5: -1 off, 0 nearest, 1 linear
    int transparencyFlag = 1;                 // F9: the screen pass's dusk grade
    // The scene is drawn at this fraction of the window's width and height
    // (0.5..1) and scaled up to the window by the screen pass.
    float renderScale = 1.0f;
    // Where the kids look, tinted on the ground (none: the ground as it is).
    std::vector<SightArea> sightAreas;
};

// Draws a world: the shadow pass into the shadow map, the lit pass into the
// scene target, the screen pass into the window. Owns every GL object it uses
// (programs, targets, buffers, and the GPU copies of the world's models, made
// the first time a world shows them) and sets at each frame the state the
// frame needs, so nothing depends on what a former frame or another drawer
// left.
class Renderer {
public:
    // Builds the programs (a broken one ends the process with its message),
    // the scene target of the window's size and the shadow map of the
    // quality's size.
    Renderer(int width, int height, GraphicsQuality quality);
    ~Renderer();  // the GL context must still be current
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // One frame of the world into the window (framebuffer 0).
    void render(const scene::World& world, float healthFraction, const FrameOptions& options);
    // The end screen's picture: the game-over picture after a loss (false
    // when it failed to load), otherwise the last frame's scene dimmed by
    // health. Into the window, cleared first.
    bool drawEndPicture(bool lost, float healthFraction, int transparencyFlag);
    // A new window size: the scene target follows, at the last frame's
    // render scale. Sizes of 0 are ignored.
    void resize(int newWidth, int newHeight);

    // The camera's projection (fieldOfView, the window's aspect, 0.1..1000)
    // times its view.
    mat4 viewProjection(const scene::Camera& camera, float fieldOfView) const;

    const ScenePrograms& programs() const { return programs_; }
    // Matrices the skinning program's "gBones" array has room for.
    int boneCapacity() const { return boneCapacity_; }
    int width() const { return width_; }
    int height() const { return height_; }
    const RenderTarget& sceneTarget() const { return *sceneTarget_; }
    const ShadowTarget& shadowMap() const { return *shadowMap_; }
    const ScreenOverlay& overlay() const { return *overlay_; }
    ScreenOverlay& overlay() { return *overlay_; }

    // What the last frame's lit pass drew (LitPass).
    int treesInView() const { return litPass_.treesInView(); }
    int kidsDrawn() const { return litPass_.kidsDrawn(); }
    int treesDrawn() const { return litPass_.treesDrawn(); }
    int lanternLitDraws() const { return litPass_.lanternLitDraws(); }
    int lanternFreeDraws() const { return litPass_.lanternFreeDraws(); }
    int lanternsSent() const { return litPass_.lanternsSent(); }

private:
    // The scene target at scale of the window, made anew when its size differs.
    void fitSceneTarget(float scale);
    void replaceSceneTarget(RenderTarget::Size size);
    void setSceneState(bool wireframe) const;
    void renderShadowPass(const scene::World& world, const mat4& depthVP,
                          const FrameOptions& options);
    void renderMainPass(const scene::World& world, const mat4& biasVP, GraphicsQuality quality,
                        const SightAreas& areas);
    void renderScreenPass(float healthFraction, const FrameOptions& options);
    void drawScaledUp(float healthFraction, bool shortcut);

    int width_;
    int height_;
    float renderScale_ = 1.0f;
    ScenePrograms programs_;
    GpuModels models_;
    int boneCapacity_ = 0;
    LitPass litPass_;
    ViewFrustum frustum;
    std::unique_ptr<RenderTarget> sceneTarget_;
    // Below scale 1: the screen pass's picture at the scene's size, which the
    // window gets scaled up.
    std::unique_ptr<RenderTarget> gradedTarget_;
    std::unique_ptr<ScreenOverlay> overlay_;
    std::unique_ptr<ShadowTarget> shadowMap_;
    PassScheduler passes;
    ShadowMapInputs shadowInputs;  // rebuilt every frame, kept to spare allocations
};

}  // namespace dusk
