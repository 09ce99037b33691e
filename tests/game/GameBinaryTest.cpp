// The real binary, played through its window with real key events: it starts,
// loads its world, answers F2 with the help, walks on W, and ends with Esc.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "support/GameProcess.h"
#include "support/RunDir.h"
#include "support/Xdo.h"

namespace dusk::test {
namespace {

TEST(GameBinary, StartsShowsHelpWalksOnWAndEndsWithEscape) {
    RunDir dir;
    GameProcess game(dir.path());
    // The first-time tips off: they change at their own pace, not with the walk.
    std::filesystem::create_directories(game.configHome() / "duskhollow");
    std::ofstream(game.configHome() / "duskhollow" / "settings.toml") << "tips = \"off\"\n";
    ASSERT_TRUE(game.start(GameProcess::Input::KeepOpen));
    ASSERT_TRUE(game.waitForOutput("Loading Model: Tree 3", 120.0)) << game.describe();
    const unsigned long id = Xdo::findWindow("^Duskhollow$", 30.0, game.pid());
    ASSERT_NE(id, 0u);
    Xdo::focusWindow(id);
    EXPECT_TRUE(game.stillRunningAfter(2.0)) << game.describe();

    // The pictures first: the help panel F2 opens would change them while idle.
    const std::string a = (dir.path() / "a.png").string();
    const std::string b = (dir.path() / "b.png").string();
    const std::string c = (dir.path() / "c.png").string();
    ASSERT_TRUE(Xdo::screenshot(a));
    game.stillRunningAfter(1.0);
    ASSERT_TRUE(Xdo::screenshot(b));
    // Running (Shift) moves far enough that the walk outweighs the kids'
    // own steps in the picture.
    Xdo::keyDown("shift");
    Xdo::keyDown("w");
    game.stillRunningAfter(2.0);
    Xdo::keyUp("w");
    Xdo::keyUp("shift");
    game.stillRunningAfter(0.5);
    ASSERT_TRUE(Xdo::screenshot(c));
    const double idle = Xdo::imageDifference(a, b);
    const double walked = Xdo::imageDifference(b, c);
    ASSERT_GE(idle, 0.0);
    EXPECT_GT(walked, 2.0 * idle + 0.01) << "idle " << idle << ", after walking " << walked;

    const size_t before = game.out().size();
    Xdo::holdKey("F2", 0.3);
    ASSERT_TRUE(game.waitForOutput("F9 - Transparency (On/Off)\n", 20.0, before))
        << game.describe();
    const std::string help = game.out().substr(before);
    EXPECT_EQ(help.find("Frighten all Kids without being seen by them!\nWASD - Move\n"), 0u)
        << help;

    ASSERT_TRUE(endWithEscape(game, 30.0)) << game.describe();
    ASSERT_TRUE(game.wait(10.0)) << game.describe();
    EXPECT_EQ(game.exitCode(), 0) << game.describe();
    EXPECT_EQ(game.out().find("ERROR"), std::string::npos) << game.out();
    EXPECT_EQ(game.err(), "");
}

}  // namespace
}  // namespace dusk::test
