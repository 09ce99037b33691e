// The pad's state as the game's input: the sticks' dead zone and tilt, one
// scream per pull of the trigger, buttons that act once per press; and the
// mapping file GLFW reads.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "input/Gamepad.h"
#include "input/GamepadReader.h"
#include "input/WindowInput.h"

namespace fs = std::filesystem;

namespace dusk::test {
namespace {

// A pad at rest: sticks centred, triggers let go (-1), nothing pressed.
GLFWgamepadstate rest() {
    GLFWgamepadstate state{};
    state.axes[GLFW_GAMEPAD_AXIS_LEFT_TRIGGER] = -1.0f;
    state.axes[GLFW_GAMEPAD_AXIS_RIGHT_TRIGGER] = -1.0f;
    return state;
}

// The trigger pulled this far of its travel (0..1).
GLFWgamepadstate rightTrigger(float pulled) {
    GLFWgamepadstate state = rest();
    state.axes[GLFW_GAMEPAD_AXIS_RIGHT_TRIGGER] = pulled * 2.0f - 1.0f;
    return state;
}

float length(const Tilt& tilt) { return std::hypot(tilt.x, tilt.y); }

TEST(Gamepad, SticksHaveARoundDeadZoneThenTiltInProportionUpToFull) {
    const float zone = 0.2f;
    EXPECT_EQ(length(stickTilt(0.19f, 0.0f, zone)), 0.0f);
    EXPECT_EQ(length(stickTilt(0.14f, -0.14f, zone)), 0.0f) << "0.198 along the diagonal: inside";
    EXPECT_LT(length(stickTilt(0.21f, 0.0f, zone)), 0.02f) << "just past the zone: barely moving";
    EXPECT_NEAR(length(stickTilt(0.6f, 0.0f, zone)), 0.5f, 1e-6f) << "half way beyond it: half";
    EXPECT_NEAR(length(stickTilt(1.0f, 0.0f, zone)), 1.0f, 1e-6f);
    EXPECT_NEAR(length(stickTilt(1.0f, 1.0f, zone)), 1.0f, 1e-6f) << "a square gate's corner";

    const Tilt forwardLeft = stickTilt(-0.5f, -0.5f, zone);  // GLFW's y grows downward
    EXPECT_LT(forwardLeft.x, 0.0f);
    EXPECT_GT(forwardLeft.y, 0.0f);
    EXPECT_FLOAT_EQ(forwardLeft.x, -forwardLeft.y) << "the direction is kept";

    EXPECT_NEAR(length(stickTilt(0.05f, 0.0f, 0.0f)), 0.05f, 1e-6f) << "no dead zone";
    EXPECT_EQ(length(stickTilt(NAN, 0.5f, zone)), length(stickTilt(0.0f, 0.5f, zone)));
}

TEST(Gamepad, TheRightTriggerScreamsOncePerPull) {
    Gamepad pad;
    int screams = 0;
    // Pulled, held, eased back only to 0.4 (not let go) and pulled again,
    // let go, pulled again.
    for (const float pulled : {0.0f, 0.45f, 0.6f, 1.0f, 1.0f, 0.4f, 0.9f, 0.1f, 0.55f, 0.55f}) {
        screams += pad.next(rightTrigger(pulled), 0.2f).scream ? 1 : 0;
    }
    EXPECT_EQ(screams, 2);

    Gamepad joined;  // a pad that comes with its trigger already pulled
    EXPECT_FALSE(joined.next(rightTrigger(1.0f), 0.2f).scream);
    EXPECT_FALSE(joined.next(rightTrigger(1.0f), 0.2f).scream);
    EXPECT_FALSE(joined.next(rightTrigger(0.0f), 0.2f).scream);
    EXPECT_TRUE(joined.next(rightTrigger(1.0f), 0.2f).scream);
}

TEST(Gamepad, ButtonsActOncePerPressAndRunAndFlyWhileHeld) {
    Gamepad pad;
    GLFWgamepadstate state = rest();
    state.buttons[GLFW_GAMEPAD_BUTTON_START] = GLFW_PRESS;
    EXPECT_FALSE(pad.next(state, 0.2f).menu) << "held when the pad came";
    state = rest();
    pad.next(state, 0.2f);

    const struct {
        int button;
        bool PadFrame::*field;
    } presses[] = {{GLFW_GAMEPAD_BUTTON_START, &PadFrame::menu},
                   {GLFW_GAMEPAD_BUTTON_BACK, &PadFrame::hud}};
    for (const auto& press : presses) {
        SCOPED_TRACE(press.button);
        state.buttons[press.button] = GLFW_PRESS;
        const PadFrame down = pad.next(state, 0.2f);
        EXPECT_TRUE(down.*press.field);
        EXPECT_FALSE(pad.next(state, 0.2f).*press.field) << "still held: no second press";
        state.buttons[press.button] = GLFW_RELEASE;
        EXPECT_FALSE(pad.next(state, 0.2f).*press.field);
    }

    state.buttons[GLFW_GAMEPAD_BUTTON_A] = GLFW_PRESS;
    EXPECT_TRUE(pad.next(state, 0.2f).fly);
    EXPECT_TRUE(pad.next(state, 0.2f).fly);
    state = rest();
    EXPECT_FALSE(pad.next(state, 0.2f).run);
    state.axes[GLFW_GAMEPAD_AXIS_LEFT_TRIGGER] = -0.1f;  // 45 % of its travel
    EXPECT_FALSE(pad.next(state, 0.2f).run);
    state.axes[GLFW_GAMEPAD_AXIS_LEFT_TRIGGER] = 0.2f;  // 60 %
    EXPECT_TRUE(pad.next(state, 0.2f).run);
    state = rest();
    state.buttons[GLFW_GAMEPAD_BUTTON_LEFT_THUMB] = GLFW_PRESS;
    EXPECT_TRUE(pad.next(state, 0.2f).run);

    state = rest();
    state.axes[GLFW_GAMEPAD_AXIS_LEFT_Y] = -1.0f;
    state.axes[GLFW_GAMEPAD_AXIS_RIGHT_X] = 1.0f;
    const PadFrame moving = pad.next(state, 0.2f);
    EXPECT_FLOAT_EQ(moving.walk.y, 1.0f) << "stick pushed away: forward";
    EXPECT_FLOAT_EQ(moving.look.x, 1.0f);
}

// A and B on an end screen, and the round's buttons around a pause: what the
// player does at the moment the game stops or starts again.
TEST(Gamepad, PressesMadeWhileTheRoundStandsStillCountOnlyOnceLetGo) {
    Gamepad pad;
    GLFWgamepadstate a = rest();
    a.buttons[GLFW_GAMEPAD_BUTTON_A] = GLFW_PRESS;
    pad.next(rest(), 0.2f);

    // Flying as the round ends, or a tap to fly just then: the end screen
    // forgets A, and letting it go there chooses nothing.
    for (const bool flying : {true, false}) {
        EXPECT_EQ(pad.next(flying ? a : rest(), 0.2f, true).fly, flying);
        pad.reset();
        EXPECT_FALSE(pad.next(a, 0.2f, false).playAgain);
        EXPECT_FALSE(pad.next(rest(), 0.2f, false).playAgain) << "the end screen was skipped";
    }

    // Pressed on the end screen: play again when let go, not before.
    EXPECT_FALSE(pad.next(a, 0.2f, false).playAgain);
    EXPECT_TRUE(pad.next(rest(), 0.2f, false).playAgain);
    GLFWgamepadstate b = rest();
    b.buttons[GLFW_GAMEPAD_BUTTON_B] = GLFW_PRESS;
    EXPECT_FALSE(pad.next(b, 0.2f, false).quit);
    EXPECT_TRUE(pad.next(rest(), 0.2f, false).quit);

    // A pressed on the end screen and still held as the next round starts
    // (the keyboard's R chose it): no hop until it is let go and pressed.
    pad.next(a, 0.2f, false);
    pad.reset();
    EXPECT_FALSE(pad.next(a, 0.2f, true).fly);
    EXPECT_FALSE(pad.next(rest(), 0.2f, true).playAgain);
    EXPECT_TRUE(pad.next(a, 0.2f, true).fly);

    // While paused: A, the left trigger and the right trigger pulled are not
    // the round's when it goes on, until let go.
    GLFWgamepadstate all = a;
    all.axes[GLFW_GAMEPAD_AXIS_LEFT_TRIGGER] = 1.0f;
    all.axes[GLFW_GAMEPAD_AXIS_RIGHT_TRIGGER] = 1.0f;
    pad.next(rest(), 0.2f, false);
    const PadFrame paused = pad.next(all, 0.2f, false);
    EXPECT_FALSE(paused.fly || paused.run || paused.scream);
    const PadFrame resumed = pad.next(all, 0.2f, true);
    EXPECT_FALSE(resumed.fly || resumed.run || resumed.scream);
    pad.next(rest(), 0.2f, true);
    const PadFrame again = pad.next(all, 0.2f, true);
    EXPECT_TRUE(again.fly && again.run && again.scream);
}

TEST(Gamepad, TheLookTurnsLikeTheMouseAndInvertTurnsItsVerticalOver) {
    // Full tilt right and up for half a second at 120 degrees a second.
    const LookTurn turn = lookTurn({1.0f, 1.0f}, 120.0, false, 0.5f);
    EXPECT_NEAR(turn.horizontal, -1.0471976f, 1e-6f) << "60 degrees to the right";
    EXPECT_NEAR(turn.vertical, 1.0471976f, 1e-6f);
    EXPECT_NEAR(lookTurn({0.0f, 1.0f}, 120.0, true, 0.5f).vertical, -1.0471976f, 1e-6f);
}

// GLFW reads mapping lines only once initialised, which needs a display.
class GamepadMappings : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(glfwInit(), GLFW_TRUE) << "run under a display (xvfb-run)";
        std::string pattern = (fs::temp_directory_path() / "duskhollow-pad-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override {
        glfwTerminate();
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    fs::path folder;
};

TEST_F(GamepadMappings, AFaultyLineIsNamedOnceAndTheRestCount) {
    const fs::path file = folder / "gamecontrollerdb.txt";
    EXPECT_EQ(loadGamepadMappings(file), std::nullopt) << "no file, no fault";

    std::ofstream(file) << "# pads of our own\n"
                           "03000000d05500000f00000000010000,Dusk Pad,a:b0,b:b1,leftx:a0,lefty:a1,"
                           "platform:Linux,\n"
                           "03000000d05500000f01000000010000 Dusk Pad 2 a:b0\n"
                           "0300zz,broken\n";
    const std::optional<std::string> fault = loadGamepadMappings(file);
    ASSERT_TRUE(fault.has_value());
    const std::string start = "Gamepad mappings \"" + file.string() + "\" line 3: ";
    EXPECT_EQ(fault->rfind(start, 0), 0u) << *fault;
    const std::string end = "); that line is ignored (2 faulty lines in all)";
    EXPECT_EQ(fault->find("not a mapping GLFW can read ("), start.size()) << *fault;
    EXPECT_EQ(fault->substr(fault->size() - end.size()), end) << *fault;

    std::ofstream(file, std::ios::trunc)
        << "03000000d05500000f00000000010000,Dusk Pad,a:b0,b:b1,platform:Linux,\n";
    EXPECT_EQ(loadGamepadMappings(file), std::nullopt);

    EXPECT_EQ(loadGamepadMappings(folder),
              "Gamepad mappings \"" + folder.string() + "\": is not a regular file; ignored");
}

}  // namespace
}  // namespace dusk::test

namespace dusk {
namespace {

// Where the pad's frame meets the keys' and the mouse's: without a pad the
// controls are exactly what the keys gave; with one, its tilt walks and looks
// and its held buttons add to the keys.
TEST(PadInControls, AddsToTheKeysAndLeavesThemAloneWithoutAPad) {
    UserSettings options;
    scene::PlayerControls keys;
    keys.move.forward = true;
    keys.turnHorizontal = 0.01f;
    scene::PlayerControls alone = keys;
    addPad(PadFrame{}, options, 0.5f, alone);
    EXPECT_EQ(alone.turnHorizontal, 0.01f);
    EXPECT_EQ(alone.turnVertical, 0.0f);
    EXPECT_EQ(alone.walkForward, 0.0f);
    EXPECT_FALSE(alone.fly || alone.scream || alone.move.run);

    PadFrame pad;
    pad.walk = {0.5f, -1.0f};
    pad.look = {1.0f, 0.0f};  // full tilt to the right
    pad.run = true;
    pad.scream = true;
    scene::PlayerControls both = keys;
    addPad(pad, options, 0.5f, both);
    EXPECT_EQ(both.walkForward, -1.0f);
    EXPECT_EQ(both.walkRight, 0.5f);
    EXPECT_TRUE(both.move.forward && both.move.run && both.scream);
    EXPECT_FALSE(both.fly);
    // Half a second at 120 degrees a second turns 60 degrees to the right.
    EXPECT_NEAR(both.turnHorizontal, 0.01f - 1.0471976f, 1e-5f);
}

}  // namespace
}  // namespace dusk
