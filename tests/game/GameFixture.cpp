#include "GameFixture.h"

#include <cstdio>
#include <thread>

#include "app/Startup.h"
#include "support/GlTest.h"
#include "support/Xdo.h"

namespace dusk::test {

void GameFixture::SetUp() {
    ASSERT_NE(std::freopen("/dev/null", "r", stdin), nullptr);
    runDir = std::make_unique<RunDir>();
    // The rounds' records go to the test's own file, never a player's.
    PlayerFiles files;
    files.records->load(runDir->file("records.toml"));
    cwd = std::make_unique<ScopedCwd>(runDir->path());
    window = openGlWindow(options.windowSize.width, options.windowSize.height, true);
    ASSERT_NE(window, nullptr);
    setUpWindow(window);
    ::testing::internal::CaptureStdout();
    session = std::make_unique<Session>(window, options, std::move(files));
    constructionOutput = ::testing::internal::GetCapturedStdout();
}

void GameFixture::TearDown() {
    session.reset();
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
    putBody(world().camera.body.get(), btVector3(p.x, p.y, p.z), 0.0f);
}

void GameFixture::placeKid(int i, float x, float z, float yaw) {
    putBody(kid(i).body.get(), btVector3(x, 1.2f, z), yaw);
}

void GameFixture::parkOtherKids(int except) {
    for (int i = 0; i < static_cast<int>(world().kids.size()); ++i) {
        if (i != except) {
            placeKid(i, -60.0f, -60.0f + 6.0f * static_cast<float>(i));
        }
    }
}

void GameFixture::stepWith(const vec3& player, float dt) {
    placePlayer(player);
    session->step(dt);
}

void GameFixture::renderFrame() {
    session->renderer().render(world(), round().healthFraction(), session->frameOptions());
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

bool GameFixture::closeRequested() const { return session->finished(); }

int GameFixture::count(const std::string& s, const std::string& text) {
    int n = 0;
    for (size_t at = s.find(text); at != std::string::npos; at = s.find(text, at + 1)) {
        ++n;
    }
    return n;
}

}  // namespace dusk::test
