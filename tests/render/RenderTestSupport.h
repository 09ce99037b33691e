#pragma once
// What the render tests share: the game's five programs built from the shader
// files of the run directory, a static-layout mesh, and pixel read-back.
#include <GL/glew.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "math/Math.h"
#include "render/RenderTarget.h"
#include "render/ShaderProgram.h"
#include "support/GlTest.h"

namespace dusk::test {

enum ProgramIndex { Basic, Skinning, Sky, Depth, LensFlare };

// The five programs, paired as the game pairs them. A broken shader file ends
// the process (with the driver's log) exactly as it would end the game.
struct GamePrograms {
    GamePrograms();
    std::array<std::unique_ptr<ShaderProgram>, 5> all;
    GLuint operator[](ProgramIndex i) const { return all[i]->id(); }
};

// A square of half-size h in the plane y = 0, facing up, in the static
// models' layout (0 position, 1 normal, 2 uv): a vertex array of 6 vertices.
// Like every GL object of a test it goes with the test's context.
GLuint groundSquare(float h);

// A 1 x 1 RGBA8 texture of one colour, bound to the given unit.
GLuint solidTexture(const vec4& rgba, GLenum unit);

// The colour at pixel (x, y) of the bound read framebuffer, 0..1.
vec4 readPixel(int x, int y);

// Base class of GL tests that must never wait on standard input.
class RenderTest : public GlTest {
protected:
    void SetUp() override;
};

// The game's programs and a 64 x 64 scene target, bound, as the viewport.
class PixelTest : public RenderTest {
protected:
    void SetUp() override;
    std::unique_ptr<GamePrograms> programs;
    std::unique_ptr<RenderTarget> target;
};

}  // namespace dusk::test
