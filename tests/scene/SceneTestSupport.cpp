#include "SceneTestSupport.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <utility>

namespace fs = std::filesystem;

namespace dusk::test {

void PhysicsTest::SetUp() { physics = std::make_unique<scene::PhysicsWorld>(); }

void PhysicsTest::TearDown() { physics.reset(); }

void SceneGlTest::SetUp() {
    GlTest::SetUp();
    physics = std::make_unique<scene::PhysicsWorld>();
}

void SceneGlTest::TearDown() {
    physics.reset();
    GlTest::TearDown();
}

RandomFeed::RandomFeed(std::deque<int> values, int fallback)
    : state(std::make_shared<State>()), random_([shared = state]() {
          ++shared->drawn;
          if (shared->queue.empty()) {
              return shared->fallback;
          }
          const int value = shared->queue.front();
          shared->queue.pop_front();
          return value;
      }) {
    state->queue = std::move(values);
    state->fallback = fallback;
}

void RandomFeed::push(int value) { state->queue.push_back(value); }

int RandomFeed::drawn() const { return state->drawn; }

std::unique_ptr<ShaderProgram> buildProgram(const std::string& vertexSource,
                                            const std::string& fragmentSource) {
    std::string pattern = (fs::temp_directory_path() / "dusk-shader-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        return nullptr;
    }
    const fs::path dir = pattern;
    std::ofstream(dir / "test.vert") << vertexSource;
    std::ofstream(dir / "test.frag") << fragmentSource;
    auto program =
        std::make_unique<ShaderProgram>((dir / "test.vert").string(), (dir / "test.frag").string());
    fs::remove_all(dir);
    return program;
}

namespace {

const char* const kFragmentSource = R"(#version 330 core
uniform sampler2D color_texture;
out vec4 colour;
void main() { colour = texture(color_texture, vec2(0.5)); }
)";

}  // namespace

std::unique_ptr<ShaderProgram> buildSkinningProgram(int boneSlots) {
    const std::string vertex =
        "#version 330 core\n"
        "layout(location = 0) in vec3 position;\n"
        "layout(location = 3) in ivec4 boneIds;\n"
        "layout(location = 4) in vec4 weights;\n"
        "uniform mat4 gBones[" +
        std::to_string(boneSlots) +
        "];\n"
        "uniform mat4 model;\n"
        "uniform mat4 view_proj;\n"
        "void main() {\n"
        "    mat4 skin = gBones[boneIds.x] * weights.x\n"
        "              + gBones[boneIds.y] * weights.y;\n"
        "    gl_Position = view_proj * model * skin * vec4(position, 1.0);\n"
        "}\n";
    return buildProgram(vertex, kFragmentSource);
}

std::unique_ptr<ShaderProgram> buildStaticProgram() {
    const char* const vertex = R"(#version 330 core
layout(location = 0) in vec3 position;
uniform mat4 model;
uniform mat4 view_proj;
void main() { gl_Position = view_proj * model * vec4(position, 1.0); }
)";
    return buildProgram(vertex, kFragmentSource);
}

void stepFrames(scene::PhysicsWorld& physics, int frames, float dt) {
    for (int i = 0; i < frames; ++i) {
        physics.step(dt);
    }
}

vec3 toVec3(const btVector3& v) { return vec3(v.x(), v.y(), v.z()); }

vec3 positionOf(const btRigidBody* body) { return toVec3(body->getWorldTransform().getOrigin()); }

mat4 readUniformMatrix(GLuint program, const std::string& name) {
    mat4 value(0.0f);
    glGetUniformfv(program, glGetUniformLocation(program, name.c_str()), glm::value_ptr(value));
    return value;
}

int readUniformInt(GLuint program, const std::string& name) {
    GLint value = -1;
    glGetUniformiv(program, glGetUniformLocation(program, name.c_str()), &value);
    return value;
}

}  // namespace dusk::test

namespace dusk::test {

OffscreenTarget::OffscreenTarget(int width, int height) {
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glGenRenderbuffers(1, &colour);
    glBindRenderbuffer(GL_RENDERBUFFER, colour);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour);
    glViewport(0, 0, width, height);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
}

OffscreenTarget::~OffscreenTarget() {
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteRenderbuffers(1, &colour);
    glDeleteFramebuffers(1, &framebuffer);
}

bool OffscreenTarget::complete() const {
    return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

}  // namespace dusk::test
