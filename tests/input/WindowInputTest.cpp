// The player's camera driven by real X input under Xvfb: real key presses
// through xdotool and real pointer positions, read once a frame by the
// window's input into the controls the camera takes.

#include <btBulletDynamicsCommon.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <sstream>
#include <thread>
#include <vector>

#include "input/WindowInput.h"
#include "scene/Camera.h"
#include "scene/PhysicsWorld.h"
#include "support/GlTest.h"
#include "support/Xdo.h"

namespace dusk::test {
namespace {

using scene::Camera;

vec3 toVec3(const btVector3& v) { return vec3(v.x(), v.y(), v.z()); }

class CameraInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Visible, and larger than the screen centre's offset, so that the
        // re-centred pointer stays over it and the keyboard follows.
        window = openGlWindow(800, 600, true);
        ASSERT_NE(window, nullptr);
        glfwGetWindowPos(window, &windowX, &windowY);
        physics = std::make_unique<scene::PhysicsWorld>();
        camera = std::make_unique<Camera>(*physics);
        input = std::make_unique<WindowInput>(window, screenCentre(), settings);
        input->centreCursor();
        glfwPollEvents();
    }
    void TearDown() override {
        for (const std::string& key : held) {
            Xdo::keyUp(key);
        }
        input.reset();
        camera.reset();
        physics.reset();
        if (window != nullptr) {
            glfwDestroyWindow(window);
        }
    }

    // Presses the keys and waits until GLFW has seen every one of them.
    void press(const std::vector<std::pair<std::string, int>>& keys) {
        for (const auto& [name, glfwKey] : keys) {
            Xdo::keyDown(name);
            held.push_back(name);
            ASSERT_TRUE(waitForKey(glfwKey, GLFW_PRESS)) << name << " never arrived";
        }
    }
    void releaseAll(const std::vector<std::pair<std::string, int>>& keys) {
        for (const auto& [name, glfwKey] : keys) {
            Xdo::keyUp(name);
            ASSERT_TRUE(waitForKey(glfwKey, GLFW_RELEASE)) << name << " stuck";
        }
        held.clear();
    }
    bool waitForKey(int key, int state) { return waitForKeyState(window, key, state); }
    // One frame of play: the input read once, the camera moved by it.
    scene::PlayerControls update(bool playing = true) {
        const scene::PlayerControls controls = input->read(playing, false).controls;
        camera->update(controls);
        return controls;
    }

    // The body's velocity after one update with these keys held.
    vec3 velocityWith(const std::vector<std::pair<std::string, int>>& keys) {
        press(keys);
        update();
        const vec3 velocity = toVec3(camera->body->getLinearVelocity());
        releaseAll(keys);
        return velocity;
    }

    GLFWwindow* window = nullptr;
    int windowX = 0;
    int windowY = 0;
    std::unique_ptr<scene::PhysicsWorld> physics;
    std::unique_ptr<Camera> camera;
    UserSettings settings;
    std::unique_ptr<WindowInput> input;
    std::vector<std::string> held;
};

const std::pair<std::string, int> kW{"w", GLFW_KEY_W};
const std::pair<std::string, int> kS{"s", GLFW_KEY_S};
const std::pair<std::string, int> kA{"a", GLFW_KEY_A};
const std::pair<std::string, int> kD{"d", GLFW_KEY_D};
const std::pair<std::string, int> kUp{"Up", GLFW_KEY_UP};
const std::pair<std::string, int> kShift{"Shift_L", GLFW_KEY_LEFT_SHIFT};

const vec3 kStartHeading(std::sin(2.0f), 0.0f, std::cos(2.0f));

TEST(ScreenCentre, IsHalfTheDisplaySize) {
    ASSERT_TRUE(glfwInit());
    std::istringstream line(Xdo::run("xdpyinfo | grep dimensions | head -n 1"));
    std::string label;
    int width = 0;
    char times = 0;
    int height = 0;
    line >> label >> width >> times >> height;
    ASSERT_GT(width, 0) << "no display size from xdpyinfo";
    const ScreenPoint centre = screenCentre();
    EXPECT_EQ(centre.x, width / 2);
    EXPECT_EQ(centre.y, height / 2);
}

TEST_F(CameraInputTest, FirstViewLooksFromTheStartAlongHeadingTwoAndAStillCursorTurnsNothing) {
    const ScreenPoint centre = screenCentre();
    double x = 0.0;
    double y = 0.0;
    glfwGetCursorPos(window, &x, &y);
    EXPECT_EQ(x, centre.x) << "the input puts the cursor on the reference point";
    EXPECT_EQ(y, centre.y);

    update();
    EXPECT_EQ(camera->horizontalAngle, 2.0f);
    EXPECT_EQ(camera->verticalAngle, 0.0f);
    const mat4 view = camera->getViewMatrix();
    const vec3 eye = vec3(glm::inverse(view)[3]);
    EXPECT_NEAR(eye.x, -7.0f, 1e-5);
    EXPECT_NEAR(eye.y, 1.5f, 1e-5);
    EXPECT_NEAR(eye.z, 1.0f, 1e-5);
    const vec3 forward = -vec3(view[0][2], view[1][2], view[2][2]);
    EXPECT_NEAR(forward.x, kStartHeading.x, 1e-6);
    EXPECT_NEAR(forward.y, 0.0f, 1e-6);
    EXPECT_NEAR(forward.z, kStartHeading.z, 1e-6);
}

TEST_F(CameraInputTest, CursorOffsetTurnsTwoThousandthsPerPixelAndIsPutBack) {
    const ScreenPoint centre = screenCentre();
    Xdo::mouseMove(windowX + centre.x + 50, windowY + centre.y - 20);
    update();
    EXPECT_FLOAT_EQ(camera->horizontalAngle, 2.0f - 0.1f) << "moving right turns right";
    EXPECT_FLOAT_EQ(camera->verticalAngle, 0.04f) << "moving up looks up";
    double x = 0.0;
    double y = 0.0;
    glfwGetCursorPos(window, &x, &y);
    EXPECT_EQ(x, centre.x);
    EXPECT_EQ(y, centre.y);
}

TEST_F(CameraInputTest, SensitivityScalesTheTurnAndInvertedLookFlipsThePitch) {
    settings.mouseSensitivity = 0.004;
    settings.invertLook = true;
    const ScreenPoint centre = screenCentre();
    Xdo::mouseMove(windowX + centre.x + 50, windowY + centre.y - 20);
    update();
    EXPECT_FLOAT_EQ(camera->horizontalAngle, 2.0f - 0.2f) << "twice as far for the same offset";
    EXPECT_FLOAT_EQ(camera->verticalAngle, -0.08f) << "moving up looks down";
}

TEST_F(CameraInputTest, NoKeyStopsThePlayerAtOnceAndDropsVerticalVelocity) {
    camera->body->setLinearVelocity(btVector3(5.0f, -40.0f, 5.0f));
    update();
    EXPECT_EQ(toVec3(camera->body->getLinearVelocity()), vec3(0.0f));
}

TEST_F(CameraInputTest, ForwardWalksAtThreeAndRunsAtEightWithLeftShift) {
    const vec3 walk = velocityWith({kW});
    EXPECT_NEAR(walk.x, 3.0f * kStartHeading.x, 1e-5);
    EXPECT_EQ(walk.y, 0.0f);
    EXPECT_NEAR(walk.z, 3.0f * kStartHeading.z, 1e-5);

    const vec3 run = velocityWith({kShift, kW});
    EXPECT_NEAR(run.x, 8.0f * kStartHeading.x, 1e-5);
    EXPECT_NEAR(run.z, 8.0f * kStartHeading.z, 1e-5);

    const vec3 both = velocityWith({kW, kUp});
    EXPECT_NEAR(both.x, 3.0f * kStartHeading.x, 1e-5) << "W and Up together count once";
    EXPECT_NEAR(both.z, 3.0f * kStartHeading.z, 1e-5);
}

TEST_F(CameraInputTest, OppositeKeysCancelAndSidewaysIsPerpendicular) {
    EXPECT_EQ(velocityWith({kW, kS}), vec3(0.0f));
    EXPECT_EQ(velocityWith({kA, kD}), vec3(0.0f));
    const vec3 right = velocityWith({kD});
    EXPECT_NEAR(glm::length(right), 3.0f, 1e-5);
    EXPECT_NEAR(glm::dot(right, kStartHeading), 0.0f, 3.0f * 1e-3) << "1.57 is nearly pi/2";
    // Heading 2 looks toward +x and -z; with y up its right is toward +x, +z.
    EXPECT_GT(right.x, 0.0f);
    EXPECT_GT(right.z, 0.0f);
}

// A press made while the round stands still (paused, the menu open) never
// reaches it: not while the key is still held, and not as a latched tap.
TEST_F(CameraInputTest, PressesMadeWhileTheRoundStandsStillNeverReachIt) {
    const std::pair<std::string, int> ctrl{"Control_L", GLFW_KEY_LEFT_CONTROL};
    const std::pair<std::string, int> space{"space", GLFW_KEY_SPACE};
    update(false);  // paused from here
    press({ctrl});
    EXPECT_FALSE(update(false).scream) << "nothing is read for the round while it stands still";
    EXPECT_FALSE(update(true).scream) << "held since the pause: not a press of the round";
    releaseAll({ctrl});
    press({ctrl});
    EXPECT_TRUE(update(true).scream) << "a fresh press while playing screams";
    releaseAll({ctrl});

    update(false);
    press({space});
    releaseAll({space});
    update(false);  // the paused frames drop the tap
    EXPECT_FALSE(update(true).fly);
    press({space});
    releaseAll({space});
    EXPECT_TRUE(update(true).fly) << "a tap while playing counts once";
    EXPECT_FALSE(update(true).fly);
}

}  // namespace
}  // namespace dusk::test
