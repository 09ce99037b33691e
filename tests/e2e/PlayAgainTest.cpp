// Playing again in the real binary, started as the desktop menu starts it
// (--no-console, standard input at its end): the end screen waits for the
// window; Shift+R plays the same forest again, R the next one, Esc ends.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "support/GameProcess.h"
#include "support/RunDir.h"
#include "support/Xdo.h"

namespace dusk::test {
namespace {

const char* const lost = "GAME OVER! The kid has seen you. (Press enter to close)\n";

void pause(double seconds) { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); }

// Shift+R or R, held long enough for the end screen's 30 reads a second.
void press(const std::string& keys) {
    Xdo::mouseMove(640, 360);
    Xdo::run("xdotool keydown " + keys);
    pause(0.3);
    Xdo::run("xdotool keyup " + keys);
}

// Screenshots until the window shows a picture (a blank window has no spread
// of colour); at most 60 s.
bool firstFrame(const std::string& path) {
    for (int i = 0; i < 600; ++i) {
        if (Xdo::screenshot(path) && std::atof(Xdo::run("convert " + Xdo::quote(path) +
                                                        " -format '%[fx:standard_deviation]' info:")
                                                   .c_str()) > 0.05) {
            return true;
        }
        pause(0.1);
    }
    return false;
}

// The band of the picture where the trees stand against the sky, in grey,
// stretched to the full range of levels.
std::string treeline(const std::string& path) {
    const std::string out = path + ".treeline.png";
    Xdo::run("convert " + Xdo::quote(path) +
             " -crop 1280x280+0+60 +repage -colorspace gray -auto-level " + Xdo::quote(out));
    return out;
}

// In forest 157 a kid starts five steps from the player, facing it: standing
// still, the round is lost within a few seconds.
TEST(PlayAgain, TheEndScreenWaitsAndRAndShiftRPlayTheNextOrTheSameForest) {
    RunDir dir;
    GameProcess game(dir.path());
    game.setArguments({"--seed", "157", "--no-console"});
    ASSERT_TRUE(game.start(GameProcess::Input::CloseAfterWrite));
    ASSERT_NE(Xdo::findWindow("^Duskhollow$", 60.0, game.pid()), 0u) << game.describe();
    Xdo::mouseMove(640, 360);
    // Each picture is taken as early into its round as can be: the kid that
    // sees the player has taken little health yet (the screen reddens).
    const std::string first = dir.file("first.png").string();
    ASSERT_TRUE(firstFrame(first)) << game.describe();
    ASSERT_TRUE(game.waitForOutput(lost, 60.0)) << game.describe();
    EXPECT_TRUE(game.stillRunningAfter(3.0)) << "the end screen waits for the window";
    // The lost round is in the records file: one loss for forest 157, at
    // Standard.
    std::ifstream recordsFile(game.dataHome() / "duskhollow" / "records.toml");
    std::stringstream records;
    records << recordsFile.rdbuf();
    EXPECT_NE(records.str().find("seed = 157"), std::string::npos) << records.str();
    EXPECT_NE(records.str().find("losses = 1"), std::string::npos) << records.str();
    EXPECT_EQ(records.str().find("difficulty"), std::string::npos)
        << "a Standard round is written as before difficulties: " << records.str();

    size_t from = game.out().size();
    press("Shift_L r");
    ASSERT_TRUE(game.waitForOutput("New round (seed 157)\n", 10.0, from)) << game.describe();
    pause(0.1);
    const std::string same = dir.file("same.png").string();
    ASSERT_TRUE(Xdo::screenshot(same));
    ASSERT_TRUE(game.waitForOutput(lost, 60.0, from)) << "the same kid sees the player again";

    from = game.out().size();
    press("r");
    ASSERT_TRUE(game.waitForOutput("New round (seed 158)\n", 10.0, from)) << game.describe();
    pause(0.1);
    const std::string next = dir.file("next.png").string();
    ASSERT_TRUE(Xdo::screenshot(next));

    // The same forest: the trees where they were, the kids a step or two
    // from where they were; the next forest: another picture altogether.
    // Compared in grey, levelled, where the trees stand against the sky: the
    // screen's reddening as health goes does not count.
    const double sameDifference = Xdo::imageDifference(treeline(first), treeline(same));
    const double nextDifference = Xdo::imageDifference(treeline(first), treeline(next));
    EXPECT_LT(sameDifference, 0.5 * nextDifference)
        << "same " << sameDifference << ", next " << nextDifference;

    ASSERT_TRUE(endWithEscape(game, 30.0)) << game.describe();
    ASSERT_TRUE(game.wait(10.0));
    EXPECT_EQ(game.exitCode(), 0);
    EXPECT_EQ(game.out().find("ERROR"), std::string::npos) << game.out();
}

}  // namespace
}  // namespace dusk::test
