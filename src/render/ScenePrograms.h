#pragma once
#include <array>
#include <memory>

#include "render/ShaderProgram.h"

namespace dusk {

// The renderer's programs, by what they draw.
struct ScenePrograms {
    std::unique_ptr<ShaderProgram> basic;        // lit static models
    std::unique_ptr<ShaderProgram> skinning;     // the kids (with basic.frag)
    std::unique_ptr<ShaderProgram> sky;          // the sky box
    std::unique_ptr<ShaderProgram> depth;        // the shadow map
    std::unique_ptr<ShaderProgram> lensFlare;    // the screen pass
    std::unique_ptr<ShaderProgram> upscale;      // a smaller scene onto the window
    std::unique_ptr<ShaderProgram> lanternFree;  // basic without the lantern loop

    // The programs that see the world through the camera, in the order they
    // are sent its uniforms.
    std::array<const ShaderProgram*, 5> cameraUsers() const {
        return {basic.get(), skinning.get(), sky.get(), depth.get(), lensFlare.get()};
    }
};

}  // namespace dusk
