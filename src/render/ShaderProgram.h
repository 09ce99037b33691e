#pragma once
#include <GL/glew.h>

#include <string>

#include "render/GlHandle.h"
#include "render/UniformLocations.h"

namespace dusk {

// One linked program from a vertex and a fragment shader file. Building either
// succeeds or ends the process with status 1 after its message; there is no
// fallback. The program and its shaders are freed with the object.
class ShaderProgram {
public:
    // fragmentDefines (e.g. "#define NAME\n") go into the fragment shader
    // right after its #version line.
    ShaderProgram(const std::string& vertexPath, const std::string& fragmentPath,
                  const std::string& fragmentDefines = "");

    GLuint id() const { return program_.get(); }
    // The game's uniforms in this program, looked up once after linking.
    const UniformLocations& uniforms() const { return uniforms_; }

private:
    void loadShader(const std::string& path, GLenum type, GlShader& target,
                    const std::string& defines = "");
    void link();

    GlProgram program_;
    GlShader vertexShader_;
    GlShader fragmentShader_;
    UniformLocations uniforms_;
};

}  // namespace dusk
