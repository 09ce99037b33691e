#pragma once
#include <cstdint>

#include "math/Math.h"
#include "render/GlHandle.h"
#include "render/GpuModels.h"
#include "render/ScenePrograms.h"
#include "render/SightAreas.h"
#include "render/ViewFrustum.h"
#include "settings/UserSettings.h"

namespace dusk {

class LanternReach;

namespace scene {
class Object;
class Tree;
class World;
}  // namespace scene

// The lit pass's draws: the kids, the trees, the ground and the sky with the
// sun's shadows, the lanterns and the sight areas. Exact draws everything in
// the world's order; Fast and Low draw the same picture for less work (what
// is out of view left out, each draw given only the lanterns that reach it).
// Keeps what the last pass drew, for the debug line and the tests.
class LitPass {
public:
    // programs and models belong to the renderer and outlive the pass;
    // boneCapacity is the skinning program's room for bones.
    LitPass(const ScenePrograms& programs, GpuModels& models, int boneCapacity);

    // Draws the world into the bound framebuffer (cleared, its viewport set,
    // the shadow map bound on unit 1, the scene state set). frustum is the
    // camera's of this frame, biasVP the world to shadow-map texture space.
    void draw(const scene::World& world, const ViewFrustum& frustum, const mat4& biasVP,
              GraphicsQuality quality, const SightAreas& areas);

    // What the last pass drew: the trees whose 50-unit culling sphere was in
    // view; the kids and (Fast and Low) trees drawn, those out of view left
    // out; and (Fast and Low) the lit draws with and without the lantern loop
    // and the lanterns they were given, all together.
    int treesInView() const { return treesInView_; }
    int kidsDrawn() const { return kidsDrawn_; }
    int treesDrawn() const { return treesDrawn_; }
    int lanternLitDraws() const { return lanternLitDraws_; }
    int lanternFreeDraws() const { return lanternFreeDraws_; }
    int lanternsSent() const { return lanternsSent_; }

private:
    void drawExact(const scene::World& world, const SightAreas& areas);
    void drawFast(const scene::World& world, const ViewFrustum& frustum, const mat4& biasVP,
                  const SightAreas& areas);
    void drawKids(const scene::World& world, const ViewFrustum& frustum, GraphicsQuality quality);
    void tintGround(const SightAreas& areas, bool ground) const;
    void drawTreeLit(const scene::Tree& tree, const LanternReach& reach);
    // The lanterns of the mask into the program with the lantern loop, which
    // is then the one to draw with; with none, the lantern-free program. Both
    // with the sight areas' tint when tinted, both without it otherwise.
    const ShaderProgram& litProgram(uint32_t mask, const LanternReach& reach, bool tinted);
    void drawGroundLit(const scene::Object& ground, const LanternReach& reach, bool tinted);
    void drawGroundPart(const ShaderProgram& program, const scene::Object& ground, size_t first,
                        size_t count);
    // The object's model on the GPU, uploaded the first time it is drawn.
    const GpuStaticModel& gpu(const scene::Object& object);
    void countTreesInView(const scene::World& world, const ViewFrustum& frustum);

    const ScenePrograms& programs;
    GpuModels& models;
    int boneCapacity;
    GlBuffer groundElements;  // Fast and Low: the ground's triangles of the frame
    int treesInView_ = 0;
    int kidsDrawn_ = 0;
    int treesDrawn_ = 0;
    int lanternLitDraws_ = 0;
    int lanternFreeDraws_ = 0;
    int lanternsSent_ = 0;
};

}  // namespace dusk
