#pragma once
#include <GL/glew.h>

#include <string>

namespace dusk {

// One linked program from a vertex and a fragment shader file. Building either
// succeeds or ends the process with status 1 after its message; there is no
// fallback. Programs are shared through plain pointers; no user frees one.
class ShaderProgram {
public:
    // fragmentDefines (e.g. "#define NAME\n") go into the fragment shader
    // right after its #version line.
    ShaderProgram(const std::string& vertexPath, const std::string& fragmentPath,
                  const std::string& fragmentDefines = "");
    ~ShaderProgram();
    ShaderProgram(const ShaderProgram&) = delete;
    ShaderProgram& operator=(const ShaderProgram&) = delete;

    GLuint program = 0;
    GLuint vertexShader = 0;
    GLuint fragmentShader = 0;

private:
    void loadShader(const std::string& path, GLenum type, GLuint& target,
                    const std::string& defines = "");
    void link();
};

}  // namespace dusk
