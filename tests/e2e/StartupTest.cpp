// The real game binary in a fresh copy of the run directory: the window size
// from "Release/config.txt", the start-up failures with their messages, the
// console pause, and the end of a run through Esc.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "support/GameProcess.h"
#include "support/RunDir.h"
#include "support/Xdo.h"

namespace dusk::test {
namespace {

// Generous limits that only guard against a hang; a healthy run is far faster.
constexpr double failureTimeout = 20.0;
constexpr double startTimeout = 120.0;  // the whole world is assembled first

class Startup : public ::testing::Test {
protected:
    void writeConfig(const std::string& bytes) { dir.write("Release/config.txt", bytes); }

    RunDir dir;
};

TEST_F(Startup, WithoutAConfigFileTheWindowCannotOpen) {
    dir.remove("Release/config.txt");
    GameProcess game(dir.path());
    ASSERT_TRUE(game.run(failureTimeout)) << game.describe();
    EXPECT_EQ(game.out(), "ERROR: Could not open window.\n");
    EXPECT_EQ(game.err(), "");
    EXPECT_EQ(game.exitCode(), 1) << game.describe();
}

TEST_F(Startup, SizesGlfwRefusesEndInTheWindowFailure) {
    const struct {
        const char* config;
        const char* why;
    } cases[] = {
        {"-5\n600\n", "negative width"},
        {"800\n-1\n", "negative height"},
        {"800\n", "one line: the height is 0"},
        {"800", "one line, no line end"},
        {"", "empty file"},
        {"width\nheight\n", "no digits"},
        {"0\n600\n", "zero width"},
        {"\n\n1280\n720\n", "the size on lines 3 and 4 is not read"},
    };
    for (const auto& c : cases) {
        writeConfig(c.config);
        GameProcess game(dir.path());
        ASSERT_TRUE(game.run(failureTimeout)) << c.why << "\n" << game.describe();
        EXPECT_EQ(game.out(), "ERROR: Could not open window.\n") << c.why;
        EXPECT_EQ(game.err(), "") << c.why;
        EXPECT_EQ(game.exitCode(), 1) << c.why;
    }
}

TEST_F(Startup, WithoutADisplayGlfwCannotStart) {
    GameProcess game(dir.path());
    game.unsetEnv("DISPLAY");
    game.unsetEnv("WAYLAND_DISPLAY");
    ASSERT_TRUE(game.run(failureTimeout)) << game.describe();
    EXPECT_EQ(game.out(), "ERROR: Could not init glfw.\n");
    EXPECT_EQ(game.err(), "");
    EXPECT_EQ(game.exitCode(), 1) << game.describe();
}

TEST_F(Startup, TheFailurePauseWaitsForALineOnAnOpenInput) {
    dir.remove("Release/config.txt");
    GameProcess game(dir.path());
    ASSERT_TRUE(game.start(GameProcess::Input::KeepOpen)) << game.describe();
    ASSERT_TRUE(game.waitForOutput("ERROR: Could not open window.\n", failureTimeout))
        << game.describe();
    EXPECT_TRUE(game.stillRunningAfter(1.0)) << "the pause did not wait\n" << game.describe();
    game.writeInput("any text");
    EXPECT_TRUE(game.stillRunningAfter(0.5)) << "the pause ended before a line end";
    game.writeInput("\n");
    ASSERT_TRUE(game.wait(failureTimeout)) << game.describe();
    EXPECT_EQ(game.exitCode(), 1);
    EXPECT_EQ(game.out(), "ERROR: Could not open window.\n");
    EXPECT_EQ(game.err(), "");
}

TEST_F(Startup, TheFailurePauseEndsAtTheEndOfInput) {
    dir.remove("Release/config.txt");
    GameProcess game(dir.path());
    ASSERT_TRUE(game.start(GameProcess::Input::KeepOpen)) << game.describe();
    ASSERT_TRUE(game.waitForOutput("ERROR: Could not open window.\n", failureTimeout));
    game.closeInput();
    ASSERT_TRUE(game.wait(failureTimeout)) << game.describe();
    EXPECT_EQ(game.exitCode(), 1);
}

// The window must cover the pointer's resting point (the camera puts it at
// the centre of the 1280 x 720 screen every frame), or Esc would go elsewhere.
TEST_F(Startup, TheConfiguredSizeOpensAWindowAndEscEndsTheRun) {
    const struct {
        const char* config;
        int width, height;
        const char* why;
    } cases[] = {
        {"1280\n720\n", 1280, 720, "the shipped size"},
        {"800abc\n600\r\n", 800, 600, "trailing text and a carriage return"},
        {" 1024\n+768\n", 1024, 768, "a leading blank and a plus sign"},
        {"1000\n650\n300\n200\n", 1000, 650, "a third and fourth line change nothing"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        writeConfig(c.config);
        GameProcess game(dir.path());
        ASSERT_TRUE(game.start()) << game.describe();
        const unsigned long window = Xdo::findWindow("^Duskhollow$", startTimeout, game.pid());
        ASSERT_NE(window, 0u) << "no window\n" << game.describe();
        EXPECT_EQ(Xdo::windowTitle(window), "Duskhollow");
        const Xdo::WindowSize size = Xdo::windowSize(window);
        EXPECT_EQ(size.width, c.width);
        EXPECT_EQ(size.height, c.height);

        ASSERT_TRUE(endWithEscape(game, startTimeout)) << game.describe();
        EXPECT_EQ(game.exitCode(), 0) << game.describe();
        EXPECT_EQ(game.err(), "");
    }
}

TEST_F(Startup, AFullStartAndEndReportsNoError) {
    GameProcess game(dir.path());
    ASSERT_TRUE(game.start()) << game.describe();
    const unsigned long window = Xdo::findWindow("^Duskhollow$", startTimeout, game.pid());
    ASSERT_NE(window, 0u) << "no window\n" << game.describe();
    ASSERT_TRUE(endWithEscape(game, startTimeout)) << game.describe();
    EXPECT_EQ(game.exitCode(), 0) << game.describe();
    EXPECT_EQ(game.err(), "");
    std::string lower = game.out();
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    EXPECT_EQ(lower.find("error"), std::string::npos) << game.out();
}

}  // namespace
}  // namespace dusk::test
