// The real game with sound: without any device it plays a round exactly as
// it always has (same output, nothing on standard error); with the wave
// driver a left-Control press puts the scream into what it plays.
#include <gtest/gtest.h>

#include <string>

#include "WaveCapture.h"
#include "support/GameProcess.h"
#include "support/RunDir.h"
#include "support/Xdo.h"

namespace dusk::test {
namespace {

const double startTimeout = 120.0;

TEST(GameSoundBinary, WithoutADeviceTheRoundIsSilentAndPrintsAsBefore) {
    RunDir dir;
    dir.write("alsoft.conf", "[general]\ndrivers=none\n");
    GameProcess game(dir.path());
    game.setEnv("ALSOFT_CONF", dir.file("alsoft.conf").string());
    game.unsetEnv("ALSOFT_LOGLEVEL");
    ASSERT_TRUE(game.start()) << game.describe();
    ASSERT_TRUE(game.waitForOutput("Loading Model: Tree 3\n", startTimeout)) << game.describe();
    EXPECT_TRUE(game.stillRunningAfter(1.5)) << game.describe();
    ASSERT_TRUE(endWithEscape(game, 30.0)) << game.describe();
    EXPECT_EQ(game.exitCode(), 0) << game.describe();
    EXPECT_EQ(game.out(), cleanStartOutput);
    EXPECT_EQ(game.err(), "");
}

TEST(GameSoundBinary, ALeftControlPressScreams) {
    RunDir dir;
    WaveCapture capture(dir.path());
    GameProcess game(dir.path());
    game.setEnv("ALSOFT_CONF", capture.config().string());
    game.unsetEnv("ALSOFT_LOGLEVEL");
    ASSERT_TRUE(game.start()) << game.describe();
    ASSERT_TRUE(game.waitForOutput("Loading Model: Tree 3\n", startTimeout)) << game.describe();
    const unsigned long id = Xdo::findWindow("^Duskhollow$", 30.0, game.pid());
    ASSERT_NE(id, 0u);
    Xdo::focusWindow(id);
    game.stillRunningAfter(1.5);

    const size_t before = capture.frames();
    game.stillRunningAfter(1.0);
    const size_t pressed = capture.frames();
    Xdo::holdKey("Control_L", 0.2);
    game.stillRunningAfter(1.0);
    const StereoLevels dusk = capture.levels(before, pressed);
    const StereoLevels scream = capture.levels(pressed);
    EXPECT_GT(dusk.both(), 0.001) << "the dusk is silent";
    EXPECT_GT(scream.both(), 3.0 * dusk.both()) << "no scream after the press";

    ASSERT_TRUE(endWithEscape(game, 30.0)) << game.describe();
    EXPECT_EQ(game.exitCode(), 0) << game.describe();
    EXPECT_EQ(game.out(), cleanStartOutput);
    EXPECT_EQ(game.err(), "");
}

}  // namespace
}  // namespace dusk::test
