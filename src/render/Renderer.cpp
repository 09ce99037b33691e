#include "render/Renderer.h"

#include <algorithm>
#include <vector>

#include "render/ModelDraw.h"
#include "render/RenderTarget.h"
#include "render/ScreenOverlay.h"
#include "render/ShaderProgram.h"
#include "render/ShadowMap.h"
#include "render/ShadowTarget.h"
#include "render/Uniforms.h"
#include "scene/World.h"

namespace dusk {

Renderer::Renderer(int width, int height, GraphicsQuality quality)
    : width_(width),
      height_(height),
      programs_(ScenePrograms::build()),
      boneCapacity_(activeUniformArraySize(programs_.skinning->id(), "gBones")),
      litPass_(programs_, models_, boneCapacity_),
      sceneTarget_(std::make_unique<RenderTarget>(width, height)),
      overlay_(std::make_unique<ScreenOverlay>(
          programs_.lensFlare.get(), sceneTarget_->colorTexture(), sceneTarget_->depthTexture())),
      shadowMap_(std::make_unique<ShadowTarget>(PassScheduler::shadowMapSize(quality))) {
    overlay_->takeFullHealthProgram(
        makeProgram("lensFlare.vert", "lensFlare.frag", "#define FULL_HEALTH_ONE_TO_ONE\n"));
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
}

Renderer::~Renderer() = default;

// ---------------------------------------------------------------- frame --

mat4 Renderer::viewProjection(const scene::Camera& camera, float fieldOfView) const {
    const float aspect = static_cast<float>(width_) / static_cast<float>(height_);
    // 60 degrees keeps the constant: the compiler folds its tangent, which
    // can differ from the run-time one in the last bit.
    const mat4 projection = fieldOfView == 1.0471975803375244f
                                ? perspective(1.0471975803375244f, aspect, 0.1f, 1000.0f)
                                : perspective(fieldOfView, aspect, 0.1f, 1000.0f);
    return projection * camera.getViewMatrix();
}

void Renderer::render(const scene::World& world, float healthFraction,
                      const FrameOptions& options) {
    fitSceneTarget(options.renderScale);
    glClearColor(0.8f, 0.8f, 0.8f, 0.8f);
    if (PassScheduler::windowClearedFirst(options.quality)) {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    const mat4 viewProj = viewProjection(world.camera, options.fieldOfView);
    frustum.setFromMatrix(viewProj);
    programs_.sendFrame(world, viewProj, boneCapacity_);
    const SightAreas areas(options.sightAreas);
    for (const ShaderProgram* lit : programs_.litStatic()) {
        glUseProgram(lit->id());
        areas.upload(lit->uniforms());
    }
    setSceneState(options.wireframe);
    const mat4 depthVP = depthViewProjection(world.light.direction);
    renderShadowPass(world, depthVP, options);
    // Lines of the debug wireframe meet where filled triangles never overlap,
    // so the reordered draws of Fast could differ there: lines draw as Exact.
    const GraphicsQuality litQuality = options.wireframe ? GraphicsQuality::Exact : options.quality;
    renderMainPass(world, biasViewProjection(depthVP), litQuality, areas);
    renderScreenPass(healthFraction, options);
}

// The state of the shadow and lit passes. Polygon offset and back-face
// culling hold for both: the lit pass's depth values have always carried
// the shadow pass's offset.
void Renderer::setSceneState(bool wireframe) const {
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glDisable(GL_BLEND);
    glDisable(GL_SCISSOR_TEST);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(4.0f, 2.0f);
    glPolygonMode(GL_FRONT_AND_BACK, wireframe ? GL_LINE : GL_FILL);
}

// Everything the map shows follows from what the scheduler compares, so a
// map drawn from the same inputs is the same map.
void Renderer::renderShadowPass(const scene::World& world, const mat4& depthVP,
                                const FrameOptions& options) {
    const int side = PassScheduler::shadowMapSize(options.quality);
    if (side != shadowMap_->side()) {
        shadowMap_->resize(side);
        passes.forgetShadowMap();
    }
    shadowInputs.size = side;
    shadowInputs.polygonMode = options.wireframe ? GL_LINE : GL_FILL;
    shadowInputs.lightViewProjection = depthVP;
    shadowInputs.casters.clear();
    shadowInputs.casters.push_back(world.ground.modelMatrix);
    for (const auto& tree : world.trees) {
        shadowInputs.casters.push_back(tree->modelMatrix);
    }
    if (!passes.shadowMapNeedsDrawing(options.quality, shadowInputs)) {
        return;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, shadowMap_->framebuffer());
    glViewport(0, 0, side, side);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const ShaderProgram& depth = *programs_.depth;
    glUseProgram(depth.id());
    setUniform(depth.uniforms().depthViewProj, depthVP);
    drawModel(depth, models_.of(world.ground.model), world.ground.modelMatrix);
    for (const auto& tree : world.trees) {
        drawModel(depth, models_.of(tree->model), tree->modelMatrix);
    }
    passes.shadowMapDrawn(shadowInputs);
}

void Renderer::renderMainPass(const scene::World& world, const mat4& biasVP,
                              GraphicsQuality quality, const SightAreas& areas) {
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, shadowMap_->depthTexture());
    glBindFramebuffer(GL_FRAMEBUFFER, sceneTarget_->framebuffer());
    const RenderTarget::Size scene = sceneTarget_->size();
    glViewport(0, 0, scene.width, scene.height);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    litPass_.draw(world, frustum, biasVP, quality, areas);
}

// The scene texture's filters follow F4 and F5; its mip levels are made from
// this frame's picture when the filter samples them. The last quad covers the
// whole window, so only Exact clears it first; the quads are drawn without
// the depth test, which a window left uncleared could fail.
void Renderer::renderScreenPass(float healthFraction, const FrameOptions& options) {
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, width_, height_);
    if (PassScheduler::windowClearedFirst(options.quality)) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, sceneTarget_->colorTexture());
    const int filter = minificationFilter(options.mipmapMode, options.bilinear);
    if (filter != 0) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    passes.sceneFilterApplied(filter);
    if (passes.mipmapsNeeded(options.quality)) {
        glGenerateMipmap(GL_TEXTURE_2D);
    }
    overlay_->setTransparencyFlag(options.transparencyFlag);
    // Flat quads over whole targets: no depth test, culling or offset (the
    // read-only upscale quad then runs as llvmpipe's fast copy).
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_POLYGON_OFFSET_FILL);
    if (gradedTarget_) {
        drawScaledUp(healthFraction, PassScheduler::screenPassShortcut(options.quality));
    } else {
        overlay_->draw(healthFraction, PassScheduler::screenPassShortcut(options.quality));
    }
    glEnable(GL_DEPTH_TEST);
}

// A scene smaller than the window is graded and dimmed at its own size, where
// the cheaper program's texel for texel holds, and that picture is scaled up
// to the window by a quad that only reads it.
void Renderer::drawScaledUp(float healthFraction, bool shortcut) {
    const RenderTarget::Size scene = sceneTarget_->size();
    glBindFramebuffer(GL_FRAMEBUFFER, gradedTarget_->framebuffer());
    glViewport(0, 0, scene.width, scene.height);
    overlay_->draw(healthFraction, shortcut);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, width_, height_);
    overlay_->drawTexture(*programs_.upscale, gradedTarget_->colorTexture());
    glBindTexture(GL_TEXTURE_2D, sceneTarget_->colorTexture());
}

bool Renderer::drawEndPicture(bool lost, float healthFraction, int transparencyFlag) {
    glClearColor(0.8f, 0.8f, 0.8f, 0.8f);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, width_, height_);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    overlay_->setTransparencyFlag(transparencyFlag);
    // The last frame of play stays behind the words; on a loss the
    // game-over picture covers it when there is one.
    const bool picture = lost && overlay_->drawGameOver();
    if (!picture) {
        overlay_->draw(healthFraction);
    }
    return picture;
}

void Renderer::resize(int newWidth, int newHeight) {
    if (newWidth <= 0 || newHeight <= 0 || (newWidth == width_ && newHeight == height_)) {
        return;
    }
    width_ = newWidth;
    height_ = newHeight;
    replaceSceneTarget(RenderTarget::scaledSize({width_, height_}, renderScale_));
}

void Renderer::fitSceneTarget(float scale) {
    renderScale_ = scale;
    const RenderTarget::Size size = RenderTarget::scaledSize({width_, height_}, scale);
    if (size != sceneTarget_->size()) {
        replaceSceneTarget(size);
    }
}

void Renderer::replaceSceneTarget(RenderTarget::Size size) {
    overlay_->colorTexture = 0;
    gradedTarget_.reset();
    sceneTarget_ = std::make_unique<RenderTarget>(size.width, size.height);
    if (size != RenderTarget::Size{width_, height_}) {
        gradedTarget_ = std::make_unique<RenderTarget>(size.width, size.height);
    }
    overlay_->colorTexture = sceneTarget_->colorTexture();
    overlay_->depthTexture = sceneTarget_->depthTexture();
}

}  // namespace dusk
