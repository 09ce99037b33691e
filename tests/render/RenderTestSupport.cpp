#include "RenderTestSupport.h"

#include <cstdio>

namespace dusk::test {
namespace {

std::string shaderFile(const char* name) {
    return std::string(DUSK_RUN_DIR) + "/Duskhollow/Shader/" + name;
}

template <typename T>
void arrayBuffer(const std::vector<T>& data, GLuint location, GLint components) {
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(data.size() * sizeof(T)), data.data(),
                 GL_STATIC_DRAW);
    glEnableVertexAttribArray(location);
    glVertexAttribPointer(location, components, GL_FLOAT, GL_FALSE, 0, nullptr);
}

}  // namespace

GamePrograms::GamePrograms() {
    const char* pairs[5][2] = {{"basic.vert", "basic.frag"},
                               {"skinning.vert", "basic.frag"},
                               {"basic.vert", "sky.frag"},
                               {"DepthRTT.vertexshader", "DepthRTT.fragmentshader"},
                               {"lensFlare.vert", "lensFlare.frag"}};
    for (int i = 0; i < 5; ++i) {
        all[i] = std::make_unique<ShaderProgram>(shaderFile(pairs[i][0]), shaderFile(pairs[i][1]));
    }
}

GLuint groundSquare(float h) {
    GLuint vertexArray = 0;
    glGenVertexArrays(1, &vertexArray);
    glBindVertexArray(vertexArray);
    arrayBuffer(
        std::vector<vec3>{{-h, 0, h}, {h, 0, h}, {h, 0, -h}, {-h, 0, h}, {h, 0, -h}, {-h, 0, -h}},
        0, 3);
    arrayBuffer(std::vector<vec3>(6, vec3(0, 1, 0)), 1, 3);
    arrayBuffer(std::vector<vec2>{{0, 0}, {1, 0}, {1, 1}, {0, 0}, {1, 1}, {0, 1}}, 2, 2);
    glBindVertexArray(0);
    return vertexArray;
}

GLuint solidTexture(const vec4& rgba, GLenum unit) {
    unsigned char texel[4];
    for (int c = 0; c < 4; ++c) {
        texel[c] = static_cast<unsigned char>(rgba[c] * 255.0f + 0.5f);
    }
    GLuint texture = 0;
    glActiveTexture(unit);
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);
    return texture;
}

vec4 readPixel(int x, int y) {
    unsigned char rgba[4] = {0, 0, 0, 0};
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return vec4(rgba[0], rgba[1], rgba[2], rgba[3]) / 255.0f;
}

void RenderTest::SetUp() {
    // A failing shader build pauses on standard input: let it find the end.
    std::freopen("/dev/null", "r", stdin);
    GlTest::SetUp();
}

void PixelTest::SetUp() {
    RenderTest::SetUp();
    programs = std::make_unique<GamePrograms>();
    target = std::make_unique<RenderTarget>(64, 64);
    glBindFramebuffer(GL_FRAMEBUFFER, target->framebuffer());
    glViewport(0, 0, 64, 64);
}

}  // namespace dusk::test
