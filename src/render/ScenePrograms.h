#pragma once
#include <array>
#include <memory>

#include "math/Math.h"
#include "render/ShaderProgram.h"

namespace dusk {

namespace scene {
class World;
}

// The renderer's programs, by what they draw.
struct ScenePrograms {
    std::unique_ptr<ShaderProgram> basic;        // lit static models
    std::unique_ptr<ShaderProgram> skinning;     // the kids (with basic.frag)
    std::unique_ptr<ShaderProgram> sky;          // the sky box
    std::unique_ptr<ShaderProgram> depth;        // the shadow map
    std::unique_ptr<ShaderProgram> lensFlare;    // the screen pass
    std::unique_ptr<ShaderProgram> upscale;      // a smaller scene onto the window
    std::unique_ptr<ShaderProgram> lanternFree;  // basic without the lantern loop
    // basic and lanternFree without the sight areas' tint, for Fast's and
    // Low's draws that are never tinted.
    std::unique_ptr<ShaderProgram> basicUntinted;
    std::unique_ptr<ShaderProgram> lanternFreeUntinted;

    // Every program above built from the shader directory (a broken one ends
    // the process with its message); the skinning program's shadow sampler
    // already points at unit 1.
    static ScenePrograms build();

    // The programs that see the world through the camera, in the order they
    // are sent its uniforms.
    std::array<const ShaderProgram*, 5> cameraUsers() const {
        return {basic.get(), skinning.get(), sky.get(), depth.get(), lensFlare.get()};
    }
    // The programs of the lit static draws, which are sent alike.
    std::array<const ShaderProgram*, 4> litStatic() const {
        return {basic.get(), lanternFree.get(), basicUntinted.get(), lanternFreeUntinted.get()};
    }

    // What the camera, the sun, the lanterns and the kids' walk look like
    // this frame, to every program that draws the world; at most boneCapacity
    // bones of the kids' pose.
    void sendFrame(const scene::World& world, const mat4& viewProj, int boneCapacity) const;
};

// A program from two files of the shader directory, defines put into the
// fragment shader (ShaderProgram).
std::unique_ptr<ShaderProgram> makeProgram(const char* vertex, const char* fragment,
                                           const char* defines = "");

}  // namespace dusk
