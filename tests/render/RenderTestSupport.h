#pragma once
// What the render tests share: the game's five programs built from the shader
// files of the run directory, a static-layout mesh, and pixel read-back.
#include <GL/glew.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "math/Math.h"
#include "render/ShaderProgram.h"
#include "support/GlTest.h"

namespace dusk::test {

enum ProgramIndex { Basic, Skinning, Sky, Depth, LensFlare };

// The five programs, paired as the game pairs them. A broken shader file ends
// the process (with the driver's log) exactly as it would end the game.
struct GamePrograms {
    GamePrograms();
    std::array<std::unique_ptr<ShaderProgram>, 5> all;
    GLuint operator[](ProgramIndex i) const { return all[i]->program; }
    std::vector<ShaderProgram*> list() const;
};

// A mesh in the static models' layout (0 position, 1 normal, 2 uv), drawn as
// triangles.
class StaticMesh {
public:
    StaticMesh(const std::vector<vec3>& positions, const std::vector<vec3>& normals,
               const std::vector<vec2>& uvs);
    ~StaticMesh();
    StaticMesh(const StaticMesh&) = delete;
    StaticMesh& operator=(const StaticMesh&) = delete;
    void draw() const;

    // A square of half-size h in the plane y = 0, facing up, wound
    // counter-clockwise seen from above.
    static std::unique_ptr<StaticMesh> groundSquare(float h);

private:
    GLuint vertexArray = 0;
    GLuint buffers[3] = {0, 0, 0};
    GLsizei count = 0;
};

// A w x h RGBA8 texture of one colour, bound to the given unit.
GLuint solidTexture(const vec4& rgba, GLenum unit, int w = 1, int h = 1);

// The colour at pixel (x, y) of the bound read framebuffer, 0..1.
vec4 readPixel(int x, int y);

// Base class of GL tests that must never wait on standard input.
class RenderTest : public GlTest {
protected:
    void SetUp() override;
};

}  // namespace dusk::test
