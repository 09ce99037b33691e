#include "RenderTestSupport.h"

#include <cstdio>

namespace dusk::test {
namespace {

std::string shaderFile(const char* name) {
    return std::string(DUSK_RUN_DIR) + "/Duskhollow/Shader/" + name;
}

template <typename T>
GLuint arrayBuffer(const std::vector<T>& data, GLuint location, GLint components) {
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(data.size() * sizeof(T)), data.data(),
                 GL_STATIC_DRAW);
    glEnableVertexAttribArray(location);
    glVertexAttribPointer(location, components, GL_FLOAT, GL_FALSE, 0, nullptr);
    return buffer;
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

std::vector<ShaderProgram*> GamePrograms::list() const {
    std::vector<ShaderProgram*> result;
    for (const auto& p : all) {
        result.push_back(p.get());
    }
    return result;
}

StaticMesh::StaticMesh(const std::vector<vec3>& positions, const std::vector<vec3>& normals,
                       const std::vector<vec2>& uvs)
    : count(static_cast<GLsizei>(positions.size())) {
    glGenVertexArrays(1, &vertexArray);
    glBindVertexArray(vertexArray);
    buffers[0] = arrayBuffer(positions, 0, 3);
    buffers[1] = arrayBuffer(normals, 1, 3);
    buffers[2] = arrayBuffer(uvs, 2, 2);
    glBindVertexArray(0);
}

StaticMesh::~StaticMesh() {
    glDeleteBuffers(3, buffers);
    glDeleteVertexArrays(1, &vertexArray);
}

void StaticMesh::draw() const {
    glBindVertexArray(vertexArray);
    glDrawArrays(GL_TRIANGLES, 0, count);
    glBindVertexArray(0);
}

std::unique_ptr<StaticMesh> StaticMesh::groundSquare(float h) {
    const std::vector<vec3> p = {{-h, 0, h}, {h, 0, h},  {h, 0, -h},
                                 {-h, 0, h}, {h, 0, -h}, {-h, 0, -h}};
    const std::vector<vec2> uv = {{0, 0}, {1, 0}, {1, 1}, {0, 0}, {1, 1}, {0, 1}};
    return std::make_unique<StaticMesh>(p, std::vector<vec3>(6, vec3(0, 1, 0)), uv);
}

GLuint solidTexture(const vec4& rgba, GLenum unit, int w, int h) {
    std::vector<unsigned char> texels;
    for (int i = 0; i < w * h; ++i) {
        for (int c = 0; c < 4; ++c) {
            texels.push_back(static_cast<unsigned char>(rgba[c] * 255.0f + 0.5f));
        }
    }
    GLuint texture = 0;
    glActiveTexture(unit);
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
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

}  // namespace dusk::test
