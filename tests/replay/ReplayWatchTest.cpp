// The real binary under Xvfb: a round it plays leaves its replay, and a
// replay is watched in the window to its end screen, paused and sped up by
// real keys.
#include <gtest/gtest.h>

#include <chrono>

#include "replay/ReplayFile.h"
#include "support/GameProcess.h"
#include "support/RunDir.h"
#include "support/Xdo.h"

namespace dusk::test {
namespace {

namespace fs = std::filesystem;

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Sends the key and waits for the line it makes the game print.
void press(GameProcess& game, const std::string& key, const std::string& line) {
    const std::size_t from = game.out().size();
    Xdo::holdKey(key, 0.05);
    EXPECT_TRUE(game.waitForOutput(line, 10.0, from)) << key << ": " << game.out();
}

// The seconds from `from` in the output until the replay's end line.
double untilEnd(GameProcess& game, std::chrono::steady_clock::time_point start) {
    const std::size_t from = game.out().size();
    EXPECT_TRUE(game.waitForOutput("Replay ended: lost after ", 120.0, from)) << game.out();
    EXPECT_NE(game.out().find(", as recorded", from), std::string::npos) << game.out();
    return secondsSince(start);
}

TEST(ReplayWatch, APlayedRoundLeavesItsReplayAndOneIsWatchedToItsEndPausedAndFaster) {
    const RunDir dir;
    // Forest 157 has a kid watching the start: standing still loses.
    GameProcess play(dir.path());
    play.setArguments({"--seed", "157"});
    ASSERT_TRUE(play.run(120.0)) << play.describe();
    const ReplayReading last =
        ReplayFile(play.dataHome() / "duskhollow" / "replays" / "last.dkr").read();
    ASSERT_TRUE(last.replay) << last.fault;
    EXPECT_EQ(last.replay->outcome, ReplayOutcome::Lost);
    EXPECT_EQ(last.replay->seed, 157u);

    // The corpus' loss: 150 recorded frames, 2.5 s of the round.
    GameProcess watch(dir.path());
    watch.setArguments(
        {"--replay", std::string(DUSK_SOURCE_DIR) + "/tests/replays/lost-standard.dkr"});
    ASSERT_TRUE(watch.start(GameProcess::Input::KeepOpen));
    ASSERT_TRUE(watch.waitForOutput("Watching the replay of forest 157 (Standard)", 120.0))
        << watch.describe();
    const unsigned long window = Xdo::findWindow("^Duskhollow$", 30.0, watch.pid());
    ASSERT_NE(window, 0u);
    Xdo::focusWindow(window);
    press(watch, "space", "Replay paused");
    EXPECT_TRUE(watch.stillRunningAfter(2.0));
    EXPECT_EQ(watch.out().find("Replay ended"), std::string::npos) << "played while paused";
    for (int i = 0; i < 3; ++i) {
        press(watch, "Right", i == 2 ? "Replay speed 8x" : "Replay speed ");
    }
    auto start = std::chrono::steady_clock::now();
    press(watch, "space", "Replay playing");
    const double fast = untilEnd(watch, start);

    // At the end screen: down to 2x, and R watches it again.
    press(watch, "Left", "Replay speed 4x");
    press(watch, "Left", "Replay speed 2x");
    start = std::chrono::steady_clock::now();
    press(watch, "r", "");
    const double slower = untilEnd(watch, start);
    std::printf("150 recorded frames: %.2f s at 8x, %.2f s at 2x\n", fast, slower);
    EXPECT_GT(slower, 2.0 * fast);

    Xdo::holdKey("Escape", 0.05);  // leaves: the window closes
    ASSERT_TRUE(watch.wait(30.0)) << watch.describe();
    EXPECT_EQ(watch.exitCode(), 0);
}

}  // namespace
}  // namespace dusk::test
