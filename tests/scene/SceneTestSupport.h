#pragma once
// Shared pieces of the scene tests: a fresh physics world per test (with or
// without a GL window), a scripted random generator, shader programs built
// from source text, and small readers of Bullet state.
#include <btBulletDynamicsCommon.h>
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>

#include "math/Math.h"
#include "math/Random.h"
#include "render/ShaderProgram.h"
#include "scene/PhysicsWorld.h"
#include "support/GlTest.h"

namespace dusk::test {

// A fresh world for every test; whatever the test leaves in it is freed.
class PhysicsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<scene::PhysicsWorld> physics;
};

// The same with a hidden window and a current GL context.
class SceneGlTest : public GlTest {
protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<scene::PhysicsWorld> physics;
};

// A generator that gives the queued values first, then the fallback, and
// counts the draws.
class RandomFeed {
public:
    explicit RandomFeed(std::deque<int> values = {}, int fallback = 16384);
    RandomFeed(const RandomFeed&) = delete;
    RandomFeed& operator=(const RandomFeed&) = delete;

    void push(int value);
    int drawn() const;
    Random& random() { return random_; }

private:
    struct State {
        std::deque<int> queue;
        int fallback = 0;
        int drawn = 0;
    };
    std::shared_ptr<State> state;
    Random random_;
};

// Writes the two sources to a temporary directory and builds the program from
// the files (a compile or link failure ends the test process with its message).
std::unique_ptr<ShaderProgram> buildProgram(const std::string& vertexSource,
                                            const std::string& fragmentSource);
// A skinning program whose "gBones" array holds boneSlots matrices and is
// indexed per vertex (so the whole array stays active).
std::unique_ptr<ShaderProgram> buildSkinningProgram(int boneSlots);
// A static-mesh program with "model", "view_proj" and "color_texture".
std::unique_ptr<ShaderProgram> buildStaticProgram();

// Runs the world for a number of frames of dt each.
void stepFrames(scene::PhysicsWorld& physics, int frames, float dt);

vec3 positionOf(const btRigidBody* body);
vec3 toVec3(const btVector3& v);
// The matrix a uniform holds now (uniform name as GL knows it, e.g. "gBones[2]").
mat4 readUniformMatrix(GLuint program, const std::string& name);
int readUniformInt(GLuint program, const std::string& name);

}  // namespace dusk::test

namespace dusk::test {

// A small colour-only framebuffer to draw into, bound while it lives, and a
// count of the fragments a draw produces in it.
class OffscreenTarget {
public:
    OffscreenTarget(int width = 64, int height = 64);
    ~OffscreenTarget();
    OffscreenTarget(const OffscreenTarget&) = delete;
    OffscreenTarget& operator=(const OffscreenTarget&) = delete;
    bool complete() const;

private:
    GLuint framebuffer = 0;
    GLuint colour = 0;
};

template <typename Draw>
GLuint samplesPassed(Draw draw) {
    GLuint query = 0;
    glGenQueries(1, &query);
    glBeginQuery(GL_SAMPLES_PASSED, query);
    draw();
    glEndQuery(GL_SAMPLES_PASSED);
    GLuint samples = 0;
    glGetQueryObjectuiv(query, GL_QUERY_RESULT, &samples);
    glDeleteQueries(1, &query);
    return samples;
}

}  // namespace dusk::test
