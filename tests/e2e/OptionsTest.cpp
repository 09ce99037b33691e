// The real binary with command-line options and settings files: faults end
// before any window with status 2, a faulty settings file gives its line and
// the game goes on, and the options reach the running game.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
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
        {{"--version"}, 0, "Duskhollow 1.1.0\n"},
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
    // Esc ended the round: it is in the records as left, neither won nor lost.
    std::ifstream in(game.dataHome() / "duskhollow" / "records.toml");
    const std::string records(std::istreambuf_iterator<char>(in), {});
    EXPECT_NE(records.find("[totals]\nrounds = 1\nwins = 0\nlosses = 0\nleft = 1\n"),
              std::string::npos)
        << records;
    EXPECT_NE(records.find("seed = 7\n"), std::string::npos) << records;
}

// --records reads the file in the data folder and needs no display; a faulty
// file is told at the start of a game, which goes on (here to the missing
// display) and leaves the file as it was, and by --records, which keeps
// nothing.
TEST(Options, RecordsPrintsTheTableWithoutADisplayAndAFaultyFileIsToldAtTheStart) {
    RunDir dir;
    GameProcess none(dir.path());
    none.unsetEnv("DISPLAY");
    none.setArguments({"--records"});
    ASSERT_TRUE(none.run(quickTimeout)) << none.describe();
    EXPECT_EQ(none.out(), "No records yet: finish a round to set one.\n");
    EXPECT_EQ(none.exitCode(), 0);
    EXPECT_FALSE(fs::exists(none.dataHome() / "duskhollow")) << "listing creates nothing";

    GameProcess game(dir.path());
    const fs::path file = game.dataHome() / "duskhollow" / "records.toml";
    writeFile(file,
              "[totals]\nrounds = 3\nwins = 2\nlosses = 1\nkids_frightened = 26\n"
              "[[forest]]\nseed = 20261208\nrounds = 3\nwins = 2\nlosses = 1\n"
              "best_seconds = 95.5\nbest_date = 2026-12-08\nmost_kids_frightened = 10\n"
              "last_round = 3\n");
    game.unsetEnv("DISPLAY");
    game.setArguments({"--records"});
    ASSERT_TRUE(game.run(quickTimeout)) << game.describe();
    EXPECT_EQ(game.out(),
              "Seed      Difficulty  Best time  Date        Wins  Losses  Left  Most kids\n"
              "20261208  Standard     1:35.500  2026-12-08     2       1     0         10\n"
              "Totals: 3 rounds, 2 wins, 1 loss, 26 kids frightened, 1 forest\n");
    EXPECT_EQ(game.err(), "");
    EXPECT_EQ(game.exitCode(), 0);

    const std::string faulty = "[totals]\nrounds = -1\n";
    writeFile(file, faulty);
    GameProcess start(dir.path());
    start.setEnv("XDG_DATA_HOME", game.dataHome().string());
    start.unsetEnv("DISPLAY");
    ASSERT_TRUE(start.run(quickTimeout)) << start.describe();
    EXPECT_EQ(start.out(), "Records file \"" + file.string() +
                               "\" line 2: \"rounds\" must be a whole number from 0 to "
                               "1000000000; starting with empty records (the file is kept as "
                               "records.toml.bad)\n"
                               "ERROR: Could not init glfw.\n");
    EXPECT_EQ(start.exitCode(), 1);

    GameProcess list(dir.path());
    list.setEnv("XDG_DATA_HOME", game.dataHome().string());
    list.unsetEnv("DISPLAY");
    list.setArguments({"--records"});
    ASSERT_TRUE(list.run(quickTimeout)) << list.describe();
    EXPECT_EQ(list.out(), "Records file \"" + file.string() +
                              "\" line 2: \"rounds\" must be a whole number from 0 to "
                              "1000000000; no records shown\n"
                              "No records yet: finish a round to set one.\n");
    std::ifstream in(file);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), faulty);
    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()),
              1);
}

}  // namespace
}  // namespace dusk::test
