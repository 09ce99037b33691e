// The command line as parsed in the process; the real binary's handling of
// it is in tests/e2e/OptionsTest.cpp.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "records/DailySeed.h"

namespace dusk::test {
namespace {

CommandLine parse(std::vector<std::string> args) {
    args.insert(args.begin(), "duskhollow");
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    return CommandLine(static_cast<int>(argv.size()), argv.data());
}

TEST(CommandLine, NoArgumentsRunTheGameAsAlways) {
    const CommandLine line = parse({});
    EXPECT_TRUE(line.shouldRun());
    const StartOptions& o = line.options();
    EXPECT_FALSE(o.fullscreen || o.vsync);
    EXPECT_FALSE(o.settingsFile || o.seed || o.dataDir || o.daily || o.listRecords);
}

TEST(CommandLine, DailyPlaysTodaysForestAndRecordsAsksForTheList) {
    const std::uint32_t before = dailySeed(CalendarDate::todayUtc());
    const CommandLine daily = parse({"--daily"});
    const std::uint32_t after = dailySeed(CalendarDate::todayUtc());
    ASSERT_TRUE(daily.shouldRun()) << daily.errors();
    EXPECT_TRUE(daily.options().daily);
    ASSERT_TRUE(daily.options().seed.has_value());
    EXPECT_TRUE(*daily.options().seed == before || *daily.options().seed == after)
        << "the seed of the UTC day (midnight may pass in between)";
    EXPECT_TRUE(parse({"--records"}).options().listRecords);
}

TEST(CommandLine, EveryOptionIsTaken) {
    const std::string tmp = std::filesystem::temp_directory_path().string();
    const CommandLine line = parse({"--fullscreen", "--vsync", "--settings", "my/s.toml", "--seed",
                                    "4294967295", "--data-dir", tmp, "--no-console"});
    ASSERT_TRUE(line.shouldRun()) << line.errors();
    const StartOptions& o = line.options();
    EXPECT_TRUE(o.fullscreen);
    EXPECT_TRUE(o.vsync);
    EXPECT_TRUE(o.windowOnly);
    EXPECT_FALSE(parse({}).options().windowOnly);
    EXPECT_EQ(o.settingsFile, std::filesystem::current_path() / "my/s.toml")
        << "relative to where the game was started";
    EXPECT_EQ(o.seed, 4294967295u);
    EXPECT_EQ(o.dataDir, tmp);
    EXPECT_EQ(parse({"--seed=0"}).options().seed, 0u);
    EXPECT_FALSE(o.difficulty) << "the settings' difficulty unless asked";
    EXPECT_EQ(parse({"--difficulty", "hard"}).options().difficulty, DifficultyLevel::Hard);
    EXPECT_EQ(parse({"--difficulty=Relaxed"}).options().difficulty, DifficultyLevel::Relaxed);
}

TEST(CommandLine, HelpAndVersionPrintAndEndWithStatusZero) {
    const CommandLine version = parse({"--version"});
    EXPECT_FALSE(version.shouldRun());
    EXPECT_EQ(version.exitStatus(), 0);
    EXPECT_EQ(version.output(), "Duskhollow 1.1.0\n");
    const CommandLine help = parse({"--help"});
    EXPECT_FALSE(help.shouldRun());
    EXPECT_EQ(help.exitStatus(), 0);
    EXPECT_EQ(help.errors(), "");
    for (const char* option :
         {"--fullscreen", "--vsync", "--no-console", "--settings FILE", "--seed N",
          "--difficulty NAME", "--data-dir DIR", "--daily", "--records", "--version", "--help"}) {
        EXPECT_NE(help.output().find(option), std::string::npos) << option;
    }
}

TEST(CommandLine, UnknownOptionsAndBadValuesEndWithStatusTwoAndTheUsage) {
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"--bogus"}, "The following argument was not expected: --bogus"},
        {{"level2"}, "The following argument was not expected: level2"},
        {{"--seed", "abc"}, "--seed: N must be a whole number from 0 to 4294967295, not abc"},
        {{"--seed", "-1"}, "not -1"},
        {{"--seed", "4294967296"}, "not 4294967296"},
        {{"--seed", "0x10"}, "not 0x10"},
        {{"--seed"}, "--seed"},
        {{"--data-dir", "/no/such/dir"}, "Directory does not exist: /no/such/dir"},
        {{"--settings", ""}, "FILE must not be empty"},
        {{"--vsync=maybe"}, "--vsync"},
        {{"--daily", "--seed", "5"}, "--daily: today's forest has its own seed"},
        {{"--seed=5", "--daily"}, "give --seed or --daily, not both"},
        {{"--difficulty", "Nightmare"},
         "--difficulty: NAME must be Relaxed, Standard or Hard, not Nightmare"},
        {{"--difficulty", ""}, "not "},
        {{"--difficulty"}, "--difficulty"},
    };
    for (const auto& c : cases) {
        const CommandLine line = parse(c.args);
        SCOPED_TRACE(c.args[0]);
        EXPECT_FALSE(line.shouldRun());
        EXPECT_EQ(line.exitStatus(), 2);
        EXPECT_EQ(line.output(), "");
        EXPECT_EQ(line.errors().rfind("ERROR: ", 0), 0u) << line.errors();
        EXPECT_NE(line.errors().find(c.message), std::string::npos) << line.errors();
        EXPECT_NE(line.errors().find("Usage: duskhollow [OPTIONS]"), std::string::npos);
    }
}

}  // namespace
}  // namespace dusk::test
