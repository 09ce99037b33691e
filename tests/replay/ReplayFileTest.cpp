// Replay files as the player's disk holds them: broken ones get one line from
// the real binary and nothing else, and the shelf keeps the right ones.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>

#include "replay/ReplayFile.h"
#include "replay/ReplayShelf.h"
#include "support/GameProcess.h"
#include "support/RunDir.h"

namespace dusk::test {
namespace {

namespace fs = std::filesystem;

// A replay of frames that vary the way a player's do.
Replay sample(std::uint32_t seed, int frames, std::string version = gameVersion()) {
    Replay replay;
    replay.gameVersion = std::move(version);
    replay.seed = seed;
    replay.difficulty = "Hard";
    for (int i = 0; i < frames; ++i) {
        ReplayFrame frame;
        frame.controls.move.forward = i % 3 == 0;
        frame.controls.scream = i % 7 == 0;
        frame.controls.turnHorizontal = i % 2 == 0 ? 0.0f : 0.001f * float(i);
        frame.controls.walkRight = i % 5 == 0 ? -0.5f : 0.0f;
        frame.dt = i % 4 == 0 ? 1.0f / 60.0f : 1.0f / 59.0f;
        frame.clock = 3.25 + i / 60.0;
        replay.frames.push_back(frame);
    }
    replay.outcome = ReplayOutcome::Lost;
    replay.finalHash = 0x0123456789abcdefull + seed;
    return replay;
}

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

TEST(ReplayFile, EveryValueComesBackBitForBitAndTenMinutesFitInUnderAMegabyte) {
    const RunDir dir;
    const fs::path file = dir.file("replays/r.dkr");
    Replay replay = sample(77, 600);
    replay.frames[5].controls.turnVertical = -0.0f;  // a sign bit alone is kept
    replay.frames[9].controls.fly = true;
    ASSERT_EQ(ReplayFile(file).write(replay), "");
    const ReplayReading back = ReplayFile(file).read();
    ASSERT_TRUE(back.replay) << back.fault;
    EXPECT_EQ(encodeReplay(*back.replay), readBytes(file));
    EXPECT_TRUE(std::signbit(back.replay->frames[5].controls.turnVertical));
    EXPECT_TRUE(back.replay->frames[9].controls.fly);
    EXPECT_EQ(back.replay->frames[599].clock, replay.frames[599].clock);
    EXPECT_EQ(back.replay->seconds(), replay.seconds());

    // Ten minutes at 60 frames a second, mouse turning every frame, the
    // clock read from a real timer (every bit of it changing).
    Replay long_ = sample(1, 36000);
    for (std::size_t i = 0; i < long_.frames.size(); ++i) {
        long_.frames[i].controls.turnHorizontal = 0.0013f * float(i % 17 + 1);
        long_.frames[i].controls.turnVertical = -0.0007f * float(i % 5 + 1);
        long_.frames[i].clock = 12.345678901 + double(i) * 0.0166671;
    }
    const std::size_t size = encodeReplay(long_).size();
    std::printf("10 minutes at 60 FPS: %zu bytes\n", size);
    EXPECT_LT(size, 1000000u);
}

// Each fault: the real binary says one line naming the file and what is
// wrong, exits 2, and says nothing else (no crash, no huge allocation).
TEST(ReplayFile, EachBrokenFileGetsOneLineFromTheBinary) {
    const RunDir dir;
    const std::string good = encodeReplay(sample(5, 200));
    std::string otherFormat = good;
    otherFormat[8] = 2;
    std::string changed = good;
    changed[good.size() / 2] ^= 0x10;
    const struct {
        const char* name;
        std::string bytes;
        std::string says;
    } cases[] = {
        {"other-format.dkr", otherFormat, "has replay format version 2, this game reads version 1"},
        {"other-game.dkr", encodeReplay(sample(5, 200, "0.9.0")),
         std::string("was recorded by Duskhollow 0.9.0, this is Duskhollow ") + gameVersion() +
             " (its rules may differ)"},
        {"truncated.dkr", good.substr(0, good.size() - 3), "is truncated ("},
        {"changed.dkr", changed, "is damaged (its checksum does not match)"},
        {"empty.dkr", "", "is empty"},
        {"not-a-replay.dkr", "[records]\n", "is not a replay"},
        {"too-large.dkr", "", "is larger than 16 MB"},
        {"folder.dkr", "", "is a folder, not a file"},
    };
    for (const auto& c : cases) {
        const fs::path file = dir.file(c.name);
        writeBytes(file, c.bytes);
        if (std::string(c.name) == "too-large.dkr") {
            fs::resize_file(file, ReplayFile::maxBytes + 1);
        } else if (std::string(c.name) == "folder.dkr") {
            fs::remove(file);
            fs::create_directory(file);
        }
        GameProcess game(dir.path());
        game.setArguments({"--check-replay", file.string()});
        ASSERT_TRUE(game.run(30.0)) << c.name;
        EXPECT_EQ(game.exitCode(), 2) << c.name;
        const std::string start = "Replay file \"" + file.string() + "\": ";
        EXPECT_EQ(game.out().rfind(start, 0), 0u) << game.out();
        EXPECT_NE(game.out().find(c.says), std::string::npos) << game.out();
        EXPECT_EQ(game.out().find('\n'), game.out().size() - 1) << game.out();
        EXPECT_EQ(game.err(), "") << c.name;
    }
}

TEST(ReplayShelf, ABetterTimeReplacesTheBestAWorseOneDoesNotAndTheLeastRecentlyPlayedGo) {
    const RunDir dir;
    ReplayShelf shelf(dir.file("replays"), 3);
    const Replay first = sample(9, 30);
    EXPECT_TRUE(shelf.keep(first, true).empty());
    const Replay worse = sample(9, 40);
    EXPECT_TRUE(shelf.keep(worse, false).empty());
    EXPECT_EQ(readBytes(shelf.bestPath(9, "Hard")), encodeReplay(first));
    EXPECT_EQ(readBytes(shelf.lastPath()), encodeReplay(worse));
    const Replay better = sample(9, 20);
    shelf.keep(better, true);
    EXPECT_EQ(readBytes(shelf.bestPath(9, "Hard")), encodeReplay(better));
    EXPECT_TRUE(shelf.hasBest(9, "Hard"));
    EXPECT_FALSE(shelf.hasBest(9, "Standard"));

    // Forests 10 and 11 kept after 9; 9 played again (no better time): 10
    // is now the least recently played and goes when a fourth best comes.
    const auto now = fs::file_time_type::clock::now();
    shelf.keep(sample(10, 5), true);
    shelf.keep(sample(11, 5), true);
    fs::last_write_time(shelf.bestPath(9, "Hard"), now - std::chrono::hours(3));
    fs::last_write_time(shelf.bestPath(10, "Hard"), now - std::chrono::hours(2));
    fs::last_write_time(shelf.bestPath(11, "Hard"), now - std::chrono::hours(1));
    shelf.keep(sample(9, 50), false);
    shelf.keep(sample(12, 5), true);
    EXPECT_TRUE(shelf.hasBest(9, "Hard"));
    EXPECT_FALSE(shelf.hasBest(10, "Hard"));
    EXPECT_TRUE(shelf.hasBest(11, "Hard"));
    EXPECT_TRUE(shelf.hasBest(12, "Hard"));
    EXPECT_EQ(readBytes(shelf.bestPath(9, "Hard")), encodeReplay(better));
}

TEST(ReplayShelf, AFolderThatCannotBeWrittenGivesOneLinePerFile) {
    const RunDir dir;
    writeBytes(dir.file("blocked"), "a file where the folder would be");
    ReplayShelf shelf(dir.file("blocked") / "replays");
    const std::vector<std::string> lines = shelf.keep(sample(3, 5), true);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find("last.dkr\": cannot be written ("), std::string::npos) << lines[0];
}

}  // namespace
}  // namespace dusk::test
