#include "render/ScenePrograms.h"

#include <algorithm>
#include <string>

#include "render/Uniforms.h"
#include "scene/World.h"

namespace dusk {

std::unique_ptr<ShaderProgram> makeProgram(const char* vertex, const char* fragment,
                                           const char* defines) {
    const std::string shaderDir = "Duskhollow/Shader/";
    return std::make_unique<ShaderProgram>(shaderDir + vertex, shaderDir + fragment, defines);
}

ScenePrograms ScenePrograms::build() {
    ScenePrograms programs;
    programs.basic = makeProgram("basic.vert", "basic.frag");
    programs.skinning = makeProgram("skinning.vert", "basic.frag");
    programs.sky = makeProgram("basic.vert", "sky.frag");
    programs.depth = makeProgram("DepthRTT.vertexshader", "DepthRTT.fragmentshader");
    programs.lensFlare = makeProgram("lensFlare.vert", "lensFlare.frag");
    programs.upscale = makeProgram("upscale.vert", "upscale.frag");
    // basic.frag built without the lantern loop: where no lantern reaches,
    // Fast and Low draw the same picture with it for much less work.
    programs.lanternFree = makeProgram("basic.vert", "basic.frag", "#define NO_LANTERNS\n");
    programs.basicUntinted = makeProgram("basic.vert", "basic.frag", "#define NO_SIGHT_AREAS\n");
    programs.lanternFreeUntinted =
        makeProgram("basic.vert", "basic.frag", "#define NO_LANTERNS\n#define NO_SIGHT_AREAS\n");
    // basic.frag serves the skinning program too: its shadow sampler must not
    // share unit 0 with the kid's colour texture (two sampler types on one unit
    // make every draw an invalid operation), so it points at the shadow unit.
    glUseProgram(programs.skinning->id());
    setUniform(programs.skinning->uniforms().shadowMap, 1);
    return programs;
}

void ScenePrograms::sendFrame(const scene::World& world, const mat4& viewProj,
                              int boneCapacity) const {
    const int lanternCount = static_cast<int>(world.lanterns.size());
    for (const ShaderProgram* program : cameraUsers()) {
        const UniformLocations& u = program->uniforms();
        glUseProgram(program->id());
        setUniform(u.viewProj, viewProj);
        setUniformArray(u.lanterns, world.lanterns.data(), lanternCount);
        setUniform(u.lanternCount, lanternCount);
        setUniform(u.lightDir, world.light.direction);
    }
    // The other lit programs: their lanterns come with each draw.
    for (const ShaderProgram* program :
         {lanternFree.get(), basicUntinted.get(), lanternFreeUntinted.get()}) {
        glUseProgram(program->id());
        setUniform(program->uniforms().viewProj, viewProj);
        setUniform(program->uniforms().lightDir, world.light.direction);
    }
    // A skeleton larger than the shader's array would write past its end.
    const int bones = std::min(static_cast<int>(world.kidPose.size()), boneCapacity);
    if (bones > 0) {
        glUseProgram(skinning->id());
        setUniformArray(skinning->uniforms().bones, world.kidPose.data(), bones);
    }
}

}  // namespace dusk
