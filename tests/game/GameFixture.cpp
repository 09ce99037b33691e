#include "GameFixture.h"

#include <cstdio>
#include <thread>

#include "app/Settings.h"
#include "app/Startup.h"
#include "math/Random.h"
#include "scene/AnimatedObject.h"
#include "scene/Camera.h"
#include "scene/Physics.h"
#include "settings/SettingsStore.h"
#include "support/GlTest.h"
#include "support/Xdo.h"

namespace dusk::test {

void GameFixture::SetUp() {
    ASSERT_NE(std::freopen("/dev/null", "r", stdin), nullptr);
    resetSettings();
    settings::reset();
    setRandomSource({});
    runDir = std::make_unique<RunDir>();
    cwd = std::make_unique<ScopedCwd>(runDir->path());
    windowWidth = 1280;
    windowHeight = 720;
    window = openGlWindow(windowWidth, windowHeight, true);
    ASSERT_NE(window, nullptr);
    ::testing::internal::CaptureStdout();
    setUpWindow(window);
    constructionOutput = ::testing::internal::GetCapturedStdout();
    game = dusk::game;
    ASSERT_NE(game, nullptr);
}

void GameFixture::TearDown() {
    // The game's objects are left to the end of the process, as in the game;
    // only the world goes, so the next test starts from an empty one.
    scene::destroyPhysicsWorld();
    dusk::game = nullptr;
    if (window != nullptr) {
        glfwDestroyWindow(window);
    }
    cwd.reset();
    runDir.reset();
}

namespace {

void putBody(btRigidBody* body, const btVector3& origin, float yaw) {
    btTransform transform;
    transform.setIdentity();
    transform.setRotation(btQuaternion(btVector3(0, 1, 0), yaw));
    transform.setOrigin(origin);
    body->setWorldTransform(transform);
    body->setLinearVelocity(btVector3(0, 0, 0));
    body->setAngularVelocity(btVector3(0, 0, 0));
}

}  // namespace

void GameFixture::placePlayer(const vec3& p) {
    putBody(game->camera->body, btVector3(p.x, p.y, p.z), 0.0f);
}

void GameFixture::placeKid(int i, float x, float z, float yaw) {
    putBody(game->kids[i]->body, btVector3(x, 1.2f, z), yaw);
}

void GameFixture::parkOtherKids(int except) {
    for (int i = 0; i < static_cast<int>(game->kids.size()); ++i) {
        if (i != except) {
            placeKid(i, -60.0f, -60.0f + 6.0f * static_cast<float>(i));
        }
    }
}

void GameFixture::stepWith(const vec3& player, float dt) {
    placePlayer(player);
    game->update(window, dt);
}

void GameFixture::pressKey(const std::string& key, int glfwKey) {
    Xdo::mouseMove(640, 360);
    Xdo::keyDown(key);
    ASSERT_TRUE(waitForKeyState(window, glfwKey, GLFW_PRESS)) << key << " never arrived";
}

void GameFixture::releaseKey(const std::string& key, int glfwKey) {
    Xdo::keyUp(key);
    ASSERT_TRUE(waitForKeyState(window, glfwKey, GLFW_RELEASE)) << key << " stuck";
}

int GameFixture::uniformInt(GLuint program, const char* name) {
    GLint value = -12345;
    glGetUniformiv(program, glGetUniformLocation(program, name), &value);
    return value;
}

bool GameFixture::closeRequested() const { return glfwWindowShouldClose(window) == GLFW_TRUE; }

int GameFixture::count(const std::string& s, const std::string& text) {
    int n = 0;
    for (size_t at = s.find(text); at != std::string::npos; at = s.find(text, at + 1)) {
        ++n;
    }
    return n;
}

}  // namespace dusk::test
