#include "render/Renderer.h"

#include <algorithm>
#include <vector>

#include "assets/SkinnedModel.h"
#include "assets/StaticModel.h"
#include "render/LanternReach.h"
#include "render/RenderTarget.h"
#include "render/ScreenOverlay.h"
#include "render/ShaderProgram.h"
#include "render/ShadowMap.h"
#include "render/ShadowTarget.h"
#include "render/Uniforms.h"
#include "scene/World.h"

namespace dusk {

namespace {

const char* const shaderDir = "Duskhollow/Shader/";

std::unique_ptr<ShaderProgram> makeProgram(const char* vertex, const char* fragment,
                                           const char* defines = "") {
    return std::make_unique<ShaderProgram>(std::string(shaderDir) + vertex,
                                           std::string(shaderDir) + fragment, defines);
}

}  // namespace

void drawModel(const ShaderProgram& program, const GpuStaticModel& model, const mat4& modelMatrix) {
    glUseProgram(program.id());
    setUniform(program.uniforms().model, modelMatrix);
    setUniform(program.uniforms().colorTexture, 0);
    model.draw();
}

int activeUniformArraySize(GLuint program, const std::string& name) {
    GLint count = 0;
    GLint longest = 0;
    glGetProgramiv(program, GL_ACTIVE_UNIFORMS, &count);
    glGetProgramiv(program, GL_ACTIVE_UNIFORM_MAX_LENGTH, &longest);
    std::vector<GLchar> buffer(static_cast<size_t>(std::max(longest, 1)));
    const std::string arrayName = name + "[0]";
    for (GLint i = 0; i < count; ++i) {
        GLsizei length = 0;
        GLint size = 0;
        GLenum type = 0;
        glGetActiveUniform(program, static_cast<GLuint>(i), static_cast<GLsizei>(buffer.size()),
                           &length, &size, &type, buffer.data());
        const std::string found(buffer.data(), static_cast<size_t>(length));
        if (found == arrayName || found == name) {
            return size;
        }
    }
    return 0;
}

Renderer::Renderer(int width, int height, GraphicsQuality quality)
    : width_(width), height_(height) {
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    createPrograms();
    shadowMap_ = std::make_unique<ShadowTarget>(PassScheduler::shadowMapSize(quality));
}

Renderer::~Renderer() = default;

void Renderer::createPrograms() {
    programs_.basic = makeProgram("basic.vert", "basic.frag");
    programs_.skinning = makeProgram("skinning.vert", "basic.frag");
    programs_.sky = makeProgram("basic.vert", "sky.frag");
    programs_.depth = makeProgram("DepthRTT.vertexshader", "DepthRTT.fragmentshader");
    sceneTarget_ = std::make_unique<RenderTarget>(width_, height_);
    programs_.lensFlare = makeProgram("lensFlare.vert", "lensFlare.frag");
    programs_.upscale = makeProgram("upscale.vert", "upscale.frag");
    overlay_ = std::make_unique<ScreenOverlay>(
        programs_.lensFlare.get(), sceneTarget_->colorTexture(), sceneTarget_->depthTexture());
    overlay_->takeFullHealthProgram(
        makeProgram("lensFlare.vert", "lensFlare.frag", "#define FULL_HEALTH_ONE_TO_ONE\n"));
    // basic.frag built without the lantern loop: where no lantern reaches,
    // Fast and Low draw the same picture with it for much less work.
    programs_.lanternFree = makeProgram("basic.vert", "basic.frag", "#define NO_LANTERNS\n");
    groundElements = GlBuffer::generate();
    // basic.frag serves the skinning program too: its shadow sampler must not
    // share unit 0 with the kid's colour texture (two sampler types on one unit
    // make every draw an invalid operation), so it points at the shadow unit.
    const ShaderProgram& skinning = *programs_.skinning;
    glUseProgram(skinning.id());
    setUniform(skinning.uniforms().shadowMap, 1);
    boneCapacity_ = activeUniformArraySize(skinning.id(), "gBones");
}

const GpuStaticModel& Renderer::gpu(const scene::Object& object) {
    return models_.of(object.model);
}

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
    uploadFrameUniforms(world, viewProj);
    const SightAreas areas(options.sightAreas);
    for (const ShaderProgram* lit : {programs_.basic.get(), programs_.lanternFree.get()}) {
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

// What the camera, the sun, the lanterns and the kids' walk look like this
// frame, to every program that draws the world.
void Renderer::uploadFrameUniforms(const scene::World& world, const mat4& viewProj) {
    const int lanternCount = static_cast<int>(world.lanterns.size());
    for (const ShaderProgram* program : programs_.cameraUsers()) {
        const UniformLocations& u = program->uniforms();
        glUseProgram(program->id());
        setUniform(u.viewProj, viewProj);
        setUniformArray(u.lanterns, world.lanterns.data(), lanternCount);
        setUniform(u.lanternCount, lanternCount);
        setUniform(u.lightDir, world.light.direction);
    }
    const ShaderProgram& lanternFree = *programs_.lanternFree;
    glUseProgram(lanternFree.id());
    setUniform(lanternFree.uniforms().viewProj, viewProj);
    setUniform(lanternFree.uniforms().lightDir, world.light.direction);
    // A skeleton larger than the shader's array would write past its end.
    const int bones = std::min(static_cast<int>(world.kidPose.size()), boneCapacity_);
    if (bones > 0) {
        glUseProgram(programs_.skinning->id());
        setUniformArray(programs_.skinning->uniforms().bones, world.kidPose.data(), bones);
    }
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
    drawModel(depth, gpu(world.ground), world.ground.modelMatrix);
    for (const auto& tree : world.trees) {
        drawModel(depth, gpu(*tree), tree->modelMatrix);
    }
    passes.shadowMapDrawn(shadowInputs);
}

void Renderer::renderMainPass(const scene::World& world, const mat4& biasVP,
                              GraphicsQuality quality, const SightAreas& areas) {
    const ShaderProgram& basic = *programs_.basic;
    glUseProgram(basic.id());
    setUniform(basic.uniforms().textureSampler, 0);
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, shadowMap_->depthTexture());
    setUniform(basic.uniforms().shadowMap, 1);
    glBindFramebuffer(GL_FRAMEBUFFER, sceneTarget_->framebuffer());
    const RenderTarget::Size scene = sceneTarget_->size();
    glViewport(0, 0, scene.width, scene.height);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    setUniform(basic.uniforms().biasVP, biasVP);

    drawKids(world, quality);
    countTreesInView(world);
    if (quality != GraphicsQuality::Exact) {
        drawLitFast(world, biasVP, areas);
        return;
    }
    treesDrawn_ = static_cast<int>(world.trees.size());
    for (const auto& tree : world.trees) {
        drawModel(basic, gpu(*tree), tree->modelMatrix);
    }
    drawModel(*programs_.sky, gpu(world.sky), world.sky.modelMatrix);
    tintGround(areas, true);
    drawModel(basic, gpu(world.ground), world.ground.modelMatrix);
    tintGround(areas, false);
}

// The sight areas' tint on for the lit programs' ground draws, or off. The
// same shader code tints the ground at every quality, so Exact and Fast
// draw the areas alike.
void Renderer::tintGround(const SightAreas& areas, bool ground) const {
    if (areas.count() == 0) {
        return;
    }
    for (const ShaderProgram* lit : {programs_.basic.get(), programs_.lanternFree.get()}) {
        glUseProgram(lit->id());
        areas.enableForGround(lit->uniforms(), ground);
    }
}

// Exact draws every kid; Fast and Low leave out a kid whose posed body is
// wholly outside the view, which gives no fragment anyway. The ball is taken
// from the pose the skinning program was sent, so a kid is only left out
// once a pose has been sent this round. A kid they draw gets only the
// lanterns that reach its ball.
void Renderer::drawKids(const scene::World& world, GraphicsQuality quality) {
    const ShaderProgram& skinning = *programs_.skinning;
    const bool cull = quality != GraphicsQuality::Exact && !world.kidPose.empty() &&
                      static_cast<int>(world.kidPose.size()) <= boneCapacity_;
    const SkinnedModel* posedModel = nullptr;
    Sphere posed;
    const LanternReach reach(cull ? world.lanterns : std::vector<vec3>{});
    kidsDrawn_ = 0;
    for (const auto& kid : world.kids) {
        if (cull) {
            if (kid->model.get() != posedModel) {
                posedModel = kid->model.get();
                posed = posedModel->posedBounds(world.kidPose);
            }
            const Sphere placed = posed.placedBy(kid->modelMatrix);
            if (frustum.sphereInFrustum(placed.centre, placed.radius) == 0) {
                continue;
            }
            const std::vector<vec3> lanterns = reach.selected(reach.reaching(placed));
            const int count = static_cast<int>(lanterns.size());
            glUseProgram(skinning.id());
            setUniformArray(skinning.uniforms().lanterns, lanterns.data(), count);
            setUniform(skinning.uniforms().lanternCount, count);
        }
        ++kidsDrawn_;
        glUseProgram(skinning.id());
        setUniform(skinning.uniforms().model, kid->modelMatrix);
        setUniform(skinning.uniforms().colorTexture, 0);
        models_.of(kid->model).draw();
    }
}

// The picture of the draws above for less work: what a fragment shows is
// decided by the depth test, so the ground may come before the sky, whose
// fragments under it then fail the test before they are shaded; and a tree
// whose bounding sphere is outside the view gives no fragment at all. (Trees
// nearest first would spare more, but where two trees cross, a few pixels
// of equal depth would change.) Surfaces no lantern reaches are drawn with
// the lantern-free program, which is sent what the basic program is sent;
// the others get only the lanterns that reach them.
// A tree is tested with a ball around its own model, far tighter than the
// 50-unit one the trees-in-view count uses.
void Renderer::drawLitFast(const scene::World& world, const mat4& biasVP, const SightAreas& areas) {
    for (const ShaderProgram* lit : {programs_.basic.get(), programs_.lanternFree.get()}) {
        glUseProgram(lit->id());
        setUniform(lit->uniforms().textureSampler, 0);
        setUniform(lit->uniforms().shadowMap, 1);
        setUniform(lit->uniforms().biasVP, biasVP);
    }
    lanternLitDraws_ = 0;
    lanternFreeDraws_ = 0;
    lanternsSent_ = 0;
    const LanternReach reach(world.lanterns);
    treesDrawn_ = 0;
    for (const auto& tree : world.trees) {
        const Sphere placed = tree->model->bounds.placedBy(tree->modelMatrix);
        if (frustum.sphereInFrustum(placed.centre, placed.radius) != 0) {
            ++treesDrawn_;
            drawTreeLit(*tree, reach);
        }
    }
    tintGround(areas, true);
    drawGroundLit(world.ground, reach);
    tintGround(areas, false);
    drawModel(*programs_.sky, gpu(world.sky), world.sky.modelMatrix);
}

void Renderer::drawTreeLit(const scene::Tree& tree, const LanternReach& reach) {
    const uint32_t mask = reach.reaching(tree.model->bounds.placedBy(tree.modelMatrix));
    drawModel(litProgram(mask, reach), gpu(tree), tree.modelMatrix);
}

// The lanterns of the mask into the basic program, which is then the one to
// draw with; with none, the lantern-free program.
const ShaderProgram& Renderer::litProgram(uint32_t mask, const LanternReach& reach) {
    if (mask == 0) {
        ++lanternFreeDraws_;
        return *programs_.lanternFree;
    }
    ++lanternLitDraws_;
    const ShaderProgram& basic = *programs_.basic;
    const std::vector<vec3> lanterns = reach.selected(mask);
    const int count = static_cast<int>(lanterns.size());
    lanternsSent_ += count;
    glUseProgram(basic.id());
    setUniformArray(basic.uniforms().lanterns, lanterns.data(), count);
    setUniform(basic.uniforms().lanternCount, count);
    return basic;
}

// The ground's triangles in one draw for each set of lanterns that reaches
// them. No two triangles of a flat ground cover one pixel, so their order
// does not show. Any other ground, and one of several meshes, is drawn
// whole with every lantern, as Exact does.
void Renderer::drawGroundLit(const scene::Object& ground, const LanternReach& reach) {
    const StaticModel& model = *ground.model;
    if (model.subMeshes.size() != 1 || !model.level) {
        drawModel(litProgram(reach.everyLantern(), reach), gpu(ground), ground.modelMatrix);
        return;
    }
    const std::vector<LanternReach::Group> groups =
        reach.groupTriangles(model.positions, model.triangles, ground.modelMatrix);
    std::vector<uint32_t> indices;
    indices.reserve(model.triangles.size());
    for (const LanternReach::Group& group : groups) {
        indices.insert(indices.end(), group.indices.begin(), group.indices.end());
    }
    glBindBuffer(GL_COPY_WRITE_BUFFER, groundElements.get());
    glBufferData(GL_COPY_WRITE_BUFFER, GLsizeiptr(indices.size() * sizeof(uint32_t)),
                 indices.data(), GL_STREAM_DRAW);
    glBindBuffer(GL_COPY_WRITE_BUFFER, 0);
    size_t first = 0;
    for (const LanternReach::Group& group : groups) {
        drawGroundPart(litProgram(group.mask, reach), ground, first, group.indices.size());
        first += group.indices.size();
    }
}

// What drawModel does for the ground, with count indices of groundElements
// from first.
void Renderer::drawGroundPart(const ShaderProgram& program, const scene::Object& ground,
                              size_t first, size_t count) {
    glUseProgram(program.id());
    setUniform(program.uniforms().model, ground.modelMatrix);
    setUniform(program.uniforms().colorTexture, 0);
    gpu(ground).drawTriangles(groundElements.get(), first, count);
}

// The planes follow the camera, so the figure tells how many trees are
// really in view (Exact draws every tree whatever the test says).
void Renderer::countTreesInView(const scene::World& world) {
    treesInView_ = 0;
    for (const auto& tree : world.trees) {
        if (frustum.sphereInFrustum(tree->boundingCenter, tree->boundingRadius) != 0) {
            ++treesInView_;
        }
    }
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
