// The main loop's console side on the whole game in this process: the
// frame-time and culling lines at most ten times a second, one line per
// pending OpenGL error, and the frame that is still finished after the close
// flag is set.
#include <chrono>
#include <sstream>
#include <thread>

#include "GameFixture.h"
#include "app/FramePacing.h"
#include "app/MainLoop.h"
#include "support/GlTest.h"

namespace dusk::test {
namespace {

const vec3 kidSpot(20.0f, 0.0f, 20.0f);  // the watching kid, facing +z

std::vector<std::string> lines(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string line; std::getline(in, line);) {
        out.push_back(line);
    }
    return out;
}

TEST(FrameTimeLine, TheRateOfThisFrameTruncatedAndItsTimeInSixDigits) {
    EXPECT_EQ(frameTimeLine(0.02f), "50 FPS / Frametime: 0.02s");
    EXPECT_EQ(frameTimeLine(1.0f / 60.0f), "59 FPS / Frametime: 0.0166667s");
}

using GlErrorReport = GlTest;

TEST_F(GlErrorReport, OneLinePerPendingErrorThenNone) {
    glEnable(0x1234);           // GL_INVALID_ENUM
    glLineWidth(-1.0f);         // GL_INVALID_VALUE (a driver may keep only the first)
    glBindVertexArray(999999);  // GL_INVALID_OPERATION
    ::testing::internal::CaptureStdout();
    const int reported = reportGlErrors();
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_GE(reported, 1);
    EXPECT_EQ(lines(out), std::vector<std::string>(size_t(reported), "ERROR: OpenGL!"));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << "every pending error was taken";
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(reportGlErrors(), 0);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
}

using GameLoopTest = GameFixture;

// The culling line says what is in view: high above the clearing, looking up
// the player sees only the twelve objects always drawn (ten kids, ground and
// sky); looking down, all 70 trees as well.
// The window's close flag comes from another thread after 1.2 s, as the
// window manager's close button would set it. The limit of ten blocks a
// second only bites while frames take less than 0.1 s (an idle machine);
// on a loaded one every frame runs the block.
TEST_F(GameLoopTest, StatisticsLinesAtMostTenTimesASecondCountingWhatIsInView) {
    parkOtherKids(-1);
    ASSERT_EQ(world().trees.size(), 70u);
    const vec3 above(0.0f, 300.0f, 0.0f);  // the forest lies within 75 of the centre
    world().camera.verticalAngle = 1.55f;  // looking up
    for (int i = 0; i < 10; ++i) {
        stepWith(above, 1.0f / 60.0f);
    }
    session->toggles().set(DebugToggles::FrameTime, 1);
    session->toggles().set(DebugToggles::ObjectsDrawn, 1);
    std::thread closer([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1200));
        glfwSetWindowShouldClose(window, GLFW_TRUE);
    });
    ::testing::internal::CaptureStdout();
    const auto start = std::chrono::steady_clock::now();
    runMainLoop(*session);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    closer.join();
    const std::vector<std::string> printed = lines(::testing::internal::GetCapturedStdout());

    const std::string middle = " FPS / Frametime: ";
    int blocks = 0;
    for (size_t i = 0; i < printed.size(); ++i) {
        const std::string& line = printed[i];
        const size_t at = line.find(middle);
        ASSERT_TRUE(at != std::string::npos && line.back() == 's') << line;
        const int rate = std::stoi(line.substr(0, at));
        const float dt = std::stof(line.substr(at + middle.size()));
        EXPECT_EQ(line.substr(0, at), std::to_string(rate)) << line;
        EXPECT_NEAR(rate, int(1.0f / dt), 1) << line;
        ASSERT_LT(i + 1, printed.size());
        EXPECT_EQ(printed[++i], "Objects drawn: 12") << "the same block prints the culling line";
        ++blocks;
    }
    EXPECT_GE(blocks, 1);
    EXPECT_LE(blocks, int(seconds / 0.1)) << "in " << seconds << " s";

    glfwSetWindowShouldClose(window, GLFW_FALSE);
    world().camera.verticalAngle = -1.55f;  // looking down
    stepWith(above, 1.0f / 60.0f);
    renderFrame();
    session->toggles().set(DebugToggles::FrameTime, 0);
    ::testing::internal::CaptureStdout();
    for (int i = 0; i < 3; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(120));
        session->runFrame();
    }
    const std::vector<std::string> facing = lines(::testing::internal::GetCapturedStdout());
    ASSERT_FALSE(facing.empty());
    for (const std::string& line : facing) {
        EXPECT_EQ(line, "Objects drawn: 82");
    }
}

TEST_F(GameLoopTest, TheFrameThatEndsTheRoundIsStillFinishedAndItsErrorsReported) {
    parkOtherKids(0);
    placeKid(0, kidSpot.x, kidSpot.z);
    placePlayer(kidSpot + vec3(0.5f, 2.5f, 8.0f));
    round().health = 0.0f;  // the first moment seen ends the round
    glEnable(0x1234);       // pending until the loop's error report
    ::testing::internal::CaptureStdout();
    runMainLoop(*session);
    const std::string out = ::testing::internal::GetCapturedStdout();
    const size_t lost = out.find("GAME OVER! The kid has seen you. (Press enter to close)\n");
    ASSERT_NE(lost, std::string::npos) << out;
    EXPECT_EQ(count(out, "ERROR: OpenGL!\n"), 1) << out;
    EXPECT_GT(out.find("ERROR: OpenGL!\n"), lost) << "the report follows the end of the round";
    EXPECT_TRUE(closeRequested()) << "standard input at its end closes the end screen";
}

}  // namespace
}  // namespace dusk::test
