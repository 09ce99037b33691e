// The session frame by frame, driven by real key and mouse events: pause,
// the HUD's view of the round, and the end screens answered in the window
// while the console stays silent: quit, or play again.
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "FrameLoopFixture.h"
#include "render/RenderTarget.h"
#include "render/ScreenOverlay.h"
#include "support/Xdo.h"

namespace dusk::test {

namespace {
const vec3 kidSpot(20.0f, 0.0f, 20.0f);  // the kid under test, facing +z
const vec3 inSight = kidSpot + vec3(0.5f, 2.5f, 8.0f);
const vec3 behind = kidSpot + vec3(0.3f, 2.5f, -3.0f);

void pause(double seconds) { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); }
}  // namespace

class GameWindowSideTest : public FrameLoopFixture {
protected:
    void SetUp() override {
        FrameLoopFixture::SetUp();
        parkOtherKids(0);
        placeKid(0, kidSpot.x, kidSpot.z);
    }
    // Standard input becomes an open, empty pipe: the console never answers.
    void holdConsoleSilent() {
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        ASSERT_EQ(dup2(fds[0], STDIN_FILENO), STDIN_FILENO);
        close(fds[0]);
        consoleWriteEnd = fds[1];
    }
    // In the background: after a while, a screenshot of the end screen, then
    // `answer` (an xdotool command) to the window; the console answers only
    // when the window did not within 15 s.
    std::thread answerLater(const std::string& shot, const std::string& answer) {
        return std::thread([this, shot, answer] {
            pause(2.0);
            Xdo::screenshot(shot);
            Xdo::mouseMove(640, 360);
            Xdo::run("xdotool " + answer);
            for (int i = 0; i < 150 && !answered; ++i) {
                pause(0.1);
            }
            if (!answered) {
                consoleNeeded = true;
                (void)!write(consoleWriteEnd, "\n", 1);
            }
        });
    }
    // Runs the end screen's frames until the window answered (at most 20 s).
    void runEndScreen() {
        for (int i = 0; i < 600 && !closeRequested() && roundEnded(); ++i) {
            session->runFrame();
        }
    }
    void endScreenAnswered(std::thread& helper) {
        runEndScreen();
        answered = true;
        helper.join();
        close(consoleWriteEnd);
        EXPECT_FALSE(consoleNeeded) << "the window did not answer";
        EXPECT_TRUE(closeRequested());
    }

    int consoleWriteEnd = -1;
    std::atomic<bool> answered{false};
    std::atomic<bool> consoleNeeded{false};
};

TEST_F(GameWindowSideTest, PauseFreezesTheWorldAndResumesWithoutThePausedTimeAsDt) {
    placePlayer(inSight);
    Xdo::run("xdotool key p");
    ASSERT_TRUE(framesUntil([&] { return session->isPaused(); }));
    placePlayer(inSight);
    placeKid(0, kidSpot.x, kidSpot.z);
    round().health = 1.5f;
    EXPECT_EQ(glfwGetInputMode(window, GLFW_CURSOR), GLFW_CURSOR_NORMAL);
    const mat4 kidBefore = kid(0).modelMatrix;
    const double clock = round().seconds();
    const btVector3 player = world().camera.body->getWorldTransform().getOrigin();
    for (int i = 0; i < 10; ++i) {
        session->runFrame();
        pause(0.1);
    }
    EXPECT_EQ(round().health, 1.5f) << "a watching kid takes no health from a paused player";
    EXPECT_EQ(kid(0).modelMatrix, kidBefore);
    EXPECT_EQ(round().seconds(), clock) << "the round timer stands still";
    EXPECT_EQ(world().camera.body->getWorldTransform().getOrigin(), player);

    Xdo::run("xdotool click 1");
    ASSERT_TRUE(framesUntil([&] { return !session->isPaused(); }));
    EXPECT_EQ(glfwGetInputMode(window, GLFW_CURSOR), GLFW_CURSOR_HIDDEN);
    // Over a second went by paused: as dt it would have cost over 0.8.
    EXPECT_GT(round().health, 1.5f - 0.5f) << "the first frame's dt is a frame, not the pause";
    const float before = round().health;
    session->runFrame();
    EXPECT_LT(round().health, before) << "seen again once playing";
}

TEST_F(GameWindowSideTest, AControlTapScreamsOnceAndTheHudFollowsWithoutDisturbingTheFrame) {
    EXPECT_EQ(session->hudState().kidsLeft, 10);
    Xdo::run("xdotool key Control_L");  // down and up within a few milliseconds
    pause(0.3);
    glfwPollEvents();
    ASSERT_EQ(glfwGetKey(window, GLFW_KEY_LEFT_CONTROL), GLFW_RELEASE);
    placePlayer(behind);
    placeKid(0, kidSpot.x, kidSpot.z);
    ::testing::internal::CaptureStdout();
    session->runFrame();
    session->toggles().set(DebugToggles::Wireframe, 1);
    session->runFrame();
    session->runFrame();
    const std::string out = ::testing::internal::GetCapturedStdout();

    EXPECT_FALSE(kid(0).isActive());
    const ui::HudState state = session->hudState();
    EXPECT_EQ(ui::kidsLeftLabel(state.kidsLeft, state.kidsTotal), "9 / 10");
    const auto toasts = session->hud().toasts.visible(glfwGetTime());
    ASSERT_FALSE(toasts.empty());
    EXPECT_EQ(toasts.front().text, "Terrified kid! Kids left: 9 of 10");
    EXPECT_EQ(out.find("ERROR"), std::string::npos) << out;
}

TEST_F(GameWindowSideTest, TheLossScreenStaysDrawnUntilEnterInTheWindow) {
    holdConsoleSilent();
    round().health = 0.01f;
    const std::string shot = (runDir->path() / "lost.png").string();
    std::thread helper = answerLater(shot, "key Return");
    ::testing::internal::CaptureStdout();
    stepWith(inSight, 1.0f / 60.0f);
    const std::string out = ::testing::internal::GetCapturedStdout();
    endScreenAnswered(helper);
    EXPECT_EQ(out, "GAME OVER! The kid has seen you. (Press enter to close)\n");

    // The top of the window is the game-over picture, drawn afresh.
    const std::string picture = (runDir->path() / "picture.png").string();
    Xdo::run("convert " + Xdo::quote(runDir->file("Textures/gameOverScreen.png").string()) +
             " -resize 1280x720! " + Xdo::quote(picture));
    EXPECT_LT(Xdo::imageDifference(shot, picture, "1280x360+0+0"), 0.08);
}

TEST_F(GameWindowSideTest, WithoutTheGameOverPictureTheLossShowsTheLastFrameNotFlatGrey) {
    session->runFrame();
    session->renderer().overlay().gameOverPicture.reset();  // as when the file failed to load
    round().health = 0.01f;
    ::testing::internal::CaptureStdout();
    stepWith(inSight, 1.0f / 60.0f);
    session->runFrame();  // standard input at its end: one end frame
    ::testing::internal::GetCapturedStdout();
    EXPECT_TRUE(closeRequested());
    const std::string shot = (runDir->path() / "lost.png").string();
    ASSERT_TRUE(Xdo::screenshot(shot));
    const std::string spread =
        Xdo::run("convert " + Xdo::quote(shot) + " -format '%[fx:standard_deviation]' info:");
    EXPECT_GT(std::atof(spread.c_str()), 0.05) << "a flat grey window has none";
}

TEST_F(GameWindowSideTest, TheWinScreenShowsItsTitleUntilKeypadEnter) {
    holdConsoleSilent();
    placePlayer(behind);
    session->runFrame();  // a frame of play to stand behind the words
    for (int i = 1; i < 10; ++i) {
        kid(i).setActive(false);
    }
    const std::string shot = (runDir->path() / "won.png").string();
    std::thread helper = answerLater(shot, "key KP_Enter");
    pressKey("Control_L", GLFW_KEY_LEFT_CONTROL);
    ::testing::internal::CaptureStdout();
    stepWith(behind, 1.0f / 60.0f);
    const std::string out = ::testing::internal::GetCapturedStdout();
    releaseKey("Control_L", GLFW_KEY_LEFT_CONTROL);
    endScreenAnswered(helper);
    EXPECT_EQ(out, "All kids are terrified! You won! (Press enter to close)\n");

    // The gold title: its pixels are in the band where it is drawn.
    const std::string gold = Xdo::run(
        "convert " + Xdo::quote(shot) +
        " -crop 500x70+390+235 -fuzz 12% -fill black +opaque 'rgb(255,214,120)' -fill white "
        "-opaque 'rgb(255,214,120)' -format '%[fx:mean]' info:");
    EXPECT_GT(std::atof(gold.c_str()), 0.01) << gold;
}

// R on the loss screen: a new round in the same window, the next forest,
// full health, every kid back; a click beside the buttons does nothing.
TEST_F(GameWindowSideTest, RAtTheLossScreenPlaysTheNextForestAgainInTheSameWindow) {
    holdConsoleSilent();
    round().health = 0.01f;
    ::testing::internal::CaptureStdout();
    stepWith(inSight, 1.0f / 60.0f);
    ASSERT_EQ(session->endScreen(), ui::EndScreen::Lost);
    const vec3 firstKid(kid(3).modelMatrix[3]);
    Xdo::run("xdotool mousemove 100 100 click 1");
    for (int i = 0; i < 20; ++i) {
        session->runFrame();
    }
    EXPECT_TRUE(roundEnded()) << "a click outside the buttons does nothing";
    EXPECT_FALSE(closeRequested());
    Xdo::run("xdotool mousemove 640 360 keydown r");
    for (int i = 0; i < 300 && roundEnded(); ++i) {
        session->runFrame();
    }
    Xdo::run("xdotool keyup r");
    const std::string out = ::testing::internal::GetCapturedStdout();
    close(consoleWriteEnd);
    ASSERT_FALSE(roundEnded());
    EXPECT_FALSE(closeRequested());
    EXPECT_EQ(out.substr(out.find('\n') + 1), "New round (seed 2)\n");
    EXPECT_EQ(round().seed(), 2u);
    EXPECT_FLOAT_EQ(round().healthFraction(), 1.0f);
    EXPECT_EQ(session->hudState().kidsLeft, 10);
    EXPECT_NE(vec3(kid(3).modelMatrix[3]), firstKid) << "another forest";
    EXPECT_EQ(glfwGetInputMode(window, GLFW_CURSOR), GLFW_CURSOR_HIDDEN);
    session->runFrame();
    EXPECT_EQ(session->hud().toasts.visible(glfwGetTime()).back().text, "New round (seed 2)");
}

}  // namespace dusk::test
