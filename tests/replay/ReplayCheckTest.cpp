// A recorded round plays again the same, in this process and in the real
// binary, and the corpus of tests/replays still ends as it was recorded.
#include <gtest/gtest.h>

#include <limits>
#include <set>

#include "app/WorldModelsLoader.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayPlayer.h"
#include "replay/ReplayRecorder.h"
#include "support/GameProcess.h"
#include "support/RunDir.h"

namespace dusk::test {
namespace {

namespace fs = std::filesystem;

class ReplayCheckTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        run = new RunDir();
        const ScopedCwd cwd(run->path());
        models = new scene::WorldModels(loadWorldModels(std::numeric_limits<int>::max()));
    }
    static void TearDownTestSuite() {
        delete models;
        delete run;
    }
    static RunDir* run;
    static scene::WorldModels* models;
};
RunDir* ReplayCheckTest::run = nullptr;
scene::WorldModels* ReplayCheckTest::models = nullptr;

// Four seconds of walking, running, turning, flying and screaming, recorded
// as the session records a round.
Replay recordScripted(const scene::WorldModels& models) {
    Round round(models, 3, Difficulty::hard());
    ReplayRecorder recorder(round);
    double clock = 7.5;
    for (int i = 0; i < 240 && !round.over(); ++i) {
        scene::PlayerControls c;
        c.move.forward = i % 40 < 30;
        c.move.run = i > 120;
        c.fly = i % 70 < 8;
        c.scream = i % 30 == 0;
        c.turnHorizontal = 0.01f * float(i % 9) - 0.03f;
        const float dt = i % 3 == 0 ? 0.0171f : 0.0163f;
        clock += dt;
        recorder.record(c, dt, clock);
        round.update(c, dt, clock);
    }
    return recorder.finish(round);
}

// What the binary's --check-replay says of the file.
GameProcess& checkInBinary(GameProcess& game, const fs::path& file) {
    game.setArguments({"--check-replay", file.string()});
    game.unsetEnv("DISPLAY");  // no window, no GL: it needs no display
    EXPECT_TRUE(game.run(60.0)) << game.describe();
    return game;
}

std::string hex(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

TEST_F(ReplayCheckTest, ARecordedRoundChecksTheSameHereAndInTheBinaryAndOneControlChangesIt) {
    const Replay replay = recordScripted(*models);
    const ReplayCheck here = checkReplay(replay, *models);
    EXPECT_TRUE(here.matches);
    EXPECT_EQ(here.finalHash, replay.finalHash);
    const fs::path file = run->file("scripted.dkr");
    ASSERT_EQ(ReplayFile(file).write(replay), "");
    GameProcess same(run->path());
    checkInBinary(same, file);
    EXPECT_EQ(same.exitCode(), 0) << same.out();
    EXPECT_NE(same.out().find("Final state: as recorded (" + hex(replay.finalHash) + ")"),
              std::string::npos)
        << same.out();
    EXPECT_EQ(same.err(), "");

    Replay changed = replay;
    changed.frames[100].controls.turnHorizontal += 0.001f;
    const ReplayCheck differs = checkReplay(changed, *models);
    EXPECT_FALSE(differs.matches);
    EXPECT_NE(differs.finalHash, replay.finalHash);
    ASSERT_EQ(ReplayFile(file).write(changed), "");
    GameProcess other(run->path());
    checkInBinary(other, file);
    EXPECT_EQ(other.exitCode(), 1) << other.out();
    EXPECT_NE(other.out().find("Final state: differs (" + hex(differs.finalHash) + ", recorded " +
                               hex(replay.finalHash) + ")"),
              std::string::npos)
        << other.out();
}

// Made by scripts/record-replays: a win, a loss, every difficulty, flight and
// running. A change to the rules or the physics fails here: record again.
TEST_F(ReplayCheckTest, TheRecordedCorpusPlaysAgainAsRecorded) {
    std::set<std::string> difficulties;
    std::set<ReplayOutcome> outcomes;
    bool flew = false;
    bool ran = false;
    for (const auto& entry : fs::directory_iterator(fs::path(DUSK_SOURCE_DIR) / "tests/replays")) {
        const ReplayReading reading = ReplayFile(entry.path()).read();
        ASSERT_TRUE(reading.replay) << reading.fault;
        const ReplayCheck check = checkReplay(*reading.replay, *models);
        EXPECT_TRUE(check.matches)
            << entry.path() << " plays again " << replayOutcomeName(check.outcome)
            << ": record the corpus again (scripts/record-replays)";
        difficulties.insert(reading.replay->difficulty);
        outcomes.insert(reading.replay->outcome);
        for (const ReplayFrame& frame : reading.replay->frames) {
            flew = flew || frame.controls.fly;
            ran = ran || frame.controls.move.run;
        }
    }
    EXPECT_EQ(difficulties, (std::set<std::string>{"Hard", "Relaxed", "Standard"}));
    EXPECT_TRUE(outcomes.count(ReplayOutcome::Won) && outcomes.count(ReplayOutcome::Lost));
    EXPECT_TRUE(flew && ran);
}

}  // namespace
}  // namespace dusk::test
