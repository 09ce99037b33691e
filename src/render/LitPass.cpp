#include "render/LitPass.h"

#include <vector>

#include "assets/SkinnedModel.h"
#include "assets/StaticModel.h"
#include "render/LanternReach.h"
#include "render/ModelDraw.h"
#include "render/Uniforms.h"
#include "scene/World.h"

namespace dusk {

LitPass::LitPass(const ScenePrograms& programs, GpuModels& models, int boneCapacity)
    : programs(programs),
      models(models),
      boneCapacity(boneCapacity),
      groundElements(GlBuffer::generate()) {}

const GpuStaticModel& LitPass::gpu(const scene::Object& object) { return models.of(object.model); }

void LitPass::draw(const scene::World& world, const ViewFrustum& frustum, const mat4& biasVP,
                   GraphicsQuality quality, const SightAreas& areas) {
    const ShaderProgram& basic = *programs.basic;
    glUseProgram(basic.id());
    setUniform(basic.uniforms().textureSampler, 0);
    setUniform(basic.uniforms().shadowMap, 1);
    setUniform(basic.uniforms().biasVP, biasVP);
    drawKids(world, frustum, quality);
    countTreesInView(world, frustum);
    if (quality == GraphicsQuality::Exact) {
        drawExact(world, areas);
    } else {
        drawFast(world, frustum, biasVP, areas);
    }
}

void LitPass::drawExact(const scene::World& world, const SightAreas& areas) {
    const ShaderProgram& basic = *programs.basic;
    treesDrawn_ = static_cast<int>(world.trees.size());
    for (const auto& tree : world.trees) {
        drawModel(basic, gpu(*tree), tree->modelMatrix);
    }
    drawModel(*programs.sky, gpu(world.sky), world.sky.modelMatrix);
    tintGround(areas, true);
    drawModel(basic, gpu(world.ground), world.ground.modelMatrix);
    tintGround(areas, false);
}

// The sight areas' tint on for the lit programs' ground draws, or off. The
// same shader code tints the ground at every quality, so Exact and Fast
// draw the areas alike.
void LitPass::tintGround(const SightAreas& areas, bool ground) const {
    if (areas.count() == 0) {
        return;
    }
    for (const ShaderProgram* lit : programs.litStatic()) {
        glUseProgram(lit->id());
        areas.enableForGround(lit->uniforms(), ground);
    }
}

// Exact draws every kid; Fast and Low leave out a kid whose posed body is
// wholly outside the view, which gives no fragment anyway. The ball is taken
// from the pose the skinning program was sent, so a kid is only left out
// once a pose has been sent this round. A kid they draw gets only the
// lanterns that reach its ball.
void LitPass::drawKids(const scene::World& world, const ViewFrustum& frustum,
                       GraphicsQuality quality) {
    const ShaderProgram& skinning = *programs.skinning;
    const bool cull = quality != GraphicsQuality::Exact && !world.kidPose.empty() &&
                      static_cast<int>(world.kidPose.size()) <= boneCapacity;
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
        models.of(kid->model).draw();
    }
}

// The picture of the draws above for less work: what a fragment shows is
// decided by the depth test, so the ground may come before the sky, whose
// fragments under it then fail the test before they are shaded; and a tree
// whose bounding sphere is outside the view gives no fragment at all. (Trees
// nearest first would spare more, but where two trees cross, a few pixels
// of equal depth would change.) Surfaces no lantern reaches are drawn with
// the lantern-free program, which is sent what the basic program is sent;
// the others get only the lanterns that reach them. Only the ground's draws
// of a frame with sight areas use the programs that can tint.
// A tree is tested with a ball around its own model, far tighter than the
// 50-unit one the trees-in-view count uses.
void LitPass::drawFast(const scene::World& world, const ViewFrustum& frustum, const mat4& biasVP,
                       const SightAreas& areas) {
    for (const ShaderProgram* lit : programs.litStatic()) {
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
    drawGroundLit(world.ground, reach, areas.count() > 0);
    tintGround(areas, false);
    drawModel(*programs.sky, gpu(world.sky), world.sky.modelMatrix);
}

void LitPass::drawTreeLit(const scene::Tree& tree, const LanternReach& reach) {
    const uint32_t mask = reach.reaching(tree.model->bounds.placedBy(tree.modelMatrix));
    drawModel(litProgram(mask, reach, false), gpu(tree), tree.modelMatrix);
}

const ShaderProgram& LitPass::litProgram(uint32_t mask, const LanternReach& reach, bool tinted) {
    if (mask == 0) {
        ++lanternFreeDraws_;
        return tinted ? *programs.lanternFree : *programs.lanternFreeUntinted;
    }
    ++lanternLitDraws_;
    const ShaderProgram& basic = tinted ? *programs.basic : *programs.basicUntinted;
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
void LitPass::drawGroundLit(const scene::Object& ground, const LanternReach& reach, bool tinted) {
    const StaticModel& model = *ground.model;
    if (model.subMeshes.size() != 1 || !model.level) {
        drawModel(litProgram(reach.everyLantern(), reach, tinted), gpu(ground), ground.modelMatrix);
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
        drawGroundPart(litProgram(group.mask, reach, tinted), ground, first, group.indices.size());
        first += group.indices.size();
    }
}

// What drawModel does for the ground, with count indices of groundElements
// from first.
void LitPass::drawGroundPart(const ShaderProgram& program, const scene::Object& ground,
                             size_t first, size_t count) {
    glUseProgram(program.id());
    setUniform(program.uniforms().model, ground.modelMatrix);
    setUniform(program.uniforms().colorTexture, 0);
    gpu(ground).drawTriangles(groundElements.get(), first, count);
}

// The planes follow the camera, so the figure tells how many trees are
// really in view (Exact draws every tree whatever the test says).
void LitPass::countTreesInView(const scene::World& world, const ViewFrustum& frustum) {
    treesInView_ = 0;
    for (const auto& tree : world.trees) {
        if (frustum.sphereInFrustum(tree->boundingCenter, tree->boundingRadius) != 0) {
            ++treesInView_;
        }
    }
}

}  // namespace dusk
