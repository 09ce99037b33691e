#pragma once
// A whole session built in this process from a fresh copy of build/run, in a
// visible 1280 x 720 window (real key events need a mapped window under the
// pointer). Standard input is /dev/null, so the end screen's console wait
// ends at once.
#include <GL/glew.h>
#include <GLFW/glfw3.h>
#include <btBulletDynamicsCommon.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/Session.h"
#include "support/RunDir.h"

namespace dusk::test {

class GameFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Round& round() { return session->round(); }
    scene::World& world() { return session->round().world(); }
    scene::AnimatedObject& kid(int i) { return *world().kids[static_cast<size_t>(i)]; }

    // Puts the player's body centre at p, at rest.
    void placePlayer(const vec3& p);
    // Puts kid i's body at (x, 1.2, z), turned by yaw radians about y, at rest.
    void placeKid(int i, float x, float z, float yaw = 0.0f);
    // Moves every kid but `except` far away into a row at x = -60.
    void parkOtherKids(int except);
    // One update of the round with the player held at p.
    void stepWith(const vec3& player, float dt);
    // The frame's picture into the window, without an update.
    void renderFrame();
    // Real key events through xdotool, then the events are polled.
    void pressKey(const std::string& key, int glfwKey);
    void releaseKey(const std::string& key, int glfwKey);
    int uniformInt(GLuint program, const char* name);
    bool closeRequested() const;
    bool roundEnded() const { return session->endScreen().has_value(); }
    // Number of times text occurs in s.
    static int count(const std::string& s, const std::string& text);

    std::unique_ptr<RunDir> runDir;
    std::unique_ptr<ScopedCwd> cwd;
    GLFWwindow* window = nullptr;
    std::unique_ptr<Session> session;
    std::string constructionOutput;
    // What the session is made with; a fixture may change it before SetUp.
    SessionOptions options;
};

}  // namespace dusk::test
