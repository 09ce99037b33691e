// A key of the player's choice in the real binary: with forward bound to I
// in the settings file, I walks and W no longer does.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/GameProcess.h"
#include "support/RunDir.h"
#include "support/Xdo.h"

namespace dusk::test {
namespace {

TEST(KeyBinding, AReboundKeyWalksAndTheOldOneNoLongerDoes) {
    RunDir dir;
    GameProcess game(dir.path());
    std::filesystem::create_directories(game.configHome() / "duskhollow");
    // The first-time tips off: they change at their own pace, not with the walk.
    std::ofstream(game.configHome() / "duskhollow" / "settings.toml")
        << "tips = \"off\"\n[keys]\nforward = [\"I\"]\n";
    ASSERT_TRUE(game.start(GameProcess::Input::KeepOpen));
    ASSERT_TRUE(game.waitForOutput("Loading Model: Tree 3", 120.0)) << game.describe();
    const unsigned long id = Xdo::findWindow("^Duskhollow$", 30.0, game.pid());
    ASSERT_NE(id, 0u);
    Xdo::focusWindow(id);
    game.stillRunningAfter(1.5);

    // Pictures a second and a half apart: idle, after running with W held,
    // after running with I held (left Shift runs, so a walk shows plainly).
    const auto shot = [&](const char* name, const char* key) {
        if (key != nullptr) {
            Xdo::keyDown("Shift_L");
            Xdo::keyDown(key);
        }
        game.stillRunningAfter(1.5);
        if (key != nullptr) {
            Xdo::keyUp(key);
            Xdo::keyUp("Shift_L");
        }
        game.stillRunningAfter(0.3);
        const std::string path = (dir.path() / name).string();
        EXPECT_TRUE(Xdo::screenshot(path));
        return path;
    };
    const std::string start = shot("start.png", nullptr);
    const std::string idle = shot("idle.png", nullptr);
    const std::string afterW = shot("w.png", "w");
    const std::string afterI = shot("i.png", "i");
    const double still = Xdo::imageDifference(start, idle);
    const double w = Xdo::imageDifference(idle, afterW);
    const double i = Xdo::imageDifference(afterW, afterI);
    EXPECT_GT(i, 2.0 * still + 0.01) << "I walks: still " << still << ", I " << i;
    EXPECT_GT(i, 2.0 * w) << "W no longer walks: W " << w << ", I " << i;

    ASSERT_TRUE(endWithEscape(game, 30.0)) << game.describe();
    EXPECT_EQ(game.out().find("Settings file"), std::string::npos) << "no fault: " << game.out();
}

}  // namespace
}  // namespace dusk::test
