// The real binary with command-line options and settings files: faults end
// before any window with status 2, a faulty settings file gives its line and
// the game goes on, and the options reach the running game.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/GameProcess.h"
#include "support/RunDir.h"
#include "support/Xdo.h"

namespace fs = std::filesystem;

namespace dusk::test {
namespace {

constexpr double quickTimeout = 20.0;
constexpr double startTimeout = 120.0;

void writeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// Without a display a game that tried to open its window would say so.
TEST(Options, FaultsEndWithStatusTwoBeforeAnyWindowAndHelpAndVersionWithZero) {
    RunDir dir;
    const struct {
        std::vector<std::string> args;
        int status;
        const char* out;
    } cases[] = {
        {{"--bogus"}, 2, ""},
        {{"--seed", "abc"}, 2, ""},
        {{"--difficulty", "Nightmare"}, 2, ""},
        {{"--difficulty", "hard"}, 1, "ERROR: Could not init glfw.\n"},
        {{"--version"}, 0, "Duskhollow 1.0.0\n"},
        {{"--help"}, 0, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0]);
        GameProcess game(dir.path());
        game.unsetEnv("DISPLAY");
        game.setArguments(c.args);
        ASSERT_TRUE(game.run(quickTimeout)) << game.describe();
        EXPECT_EQ(game.exitCode(), c.status) << game.describe();
        if (c.out != nullptr) {
            EXPECT_EQ(game.out(), c.out);
        } else {
            EXPECT_EQ(game.out().rfind("Duskhollow: ", 0), 0u) << game.out();
        }
        if (c.status == 2) {
            EXPECT_EQ(game.err().rfind("ERROR: ", 0), 0u) << game.err();
            EXPECT_NE(game.err().find("Usage: duskhollow [OPTIONS]"), std::string::npos);
        } else {
            EXPECT_EQ(game.err(), "");
        }
    }
}

TEST(Options, AFaultySettingsFileInTheConfigFolderGivesItsLineAndTheGameGoesOn) {
    RunDir dir;
    GameProcess game(dir.path());
    const fs::path file = game.configHome() / "duskhollow" / "settings.toml";
    writeFile(file, "hud = false\nfield_of_view = 500\n");
    game.unsetEnv("DISPLAY");
    ASSERT_TRUE(game.run(quickTimeout)) << game.describe();
    EXPECT_EQ(game.out(), "Settings file \"" + file.string() +
                              "\" line 2: \"field_of_view\" must be a number from 50 to 100; "
                              "using the default 60\n"
                              "ERROR: Could not init glfw.\n");
    EXPECT_EQ(game.exitCode(), 1);
    EXPECT_EQ(game.err(), "");
}

// Started elsewhere: --data-dir finds the run directory, a relative
// --settings is taken from where the game was started, and the file's size
// replaces "Release/config.txt"'s 1280 x 720.
TEST(Options, DataDirSettingsAndSeedReachTheRunningGame) {
    RunDir dir;
    RunDir elsewhere;  // any folder without the game's data at the top
    const fs::path start = elsewhere.path() / "start";
    writeFile(start / "my" / "settings.toml", "width = 1000\nheight = 600\ncolour = 1\n");
    GameProcess game(start);
    game.setArguments(
        {"--data-dir", dir.path().string(), "--settings", "my/settings.toml", "--seed", "7"});
    ASSERT_TRUE(game.start()) << game.describe();
    const unsigned long window = Xdo::findWindow("^Duskhollow$", startTimeout, game.pid());
    ASSERT_NE(window, 0u) << "no window\n" << game.describe();
    const Xdo::WindowSize size = Xdo::windowSize(window);
    EXPECT_EQ(size.width, 1000);
    EXPECT_EQ(size.height, 600);
    ASSERT_TRUE(endWithEscape(game, startTimeout)) << game.describe();
    EXPECT_EQ(game.exitCode(), 0) << game.describe();
    EXPECT_EQ(game.err(), "");
    const std::string first = "Settings file \"" + (start / "my" / "settings.toml").string() +
                              "\" line 3: unknown key \"colour\"; ignored\n";
    EXPECT_EQ(game.out().rfind(first, 0), 0u) << game.out();
    EXPECT_NE(game.out().find("Loading Model: Tree 3"), std::string::npos);
}

}  // namespace
}  // namespace dusk::test
