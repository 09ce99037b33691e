// The records file as games use it: rounds of another game in between are
// kept, each difficulty keeps its own best of a forest, a file from before
// difficulties reads and writes as it always did, two games ending rounds at
// once lose nothing, a faulty file gives its one line and is kept as
// "records.toml.bad" (a later one as ".bad.2"), a faulty forest entry is set
// aside alone, keys of a newer version are written back as they were, a
// file too large to read is left alone, a folder that cannot be written
// gives one line, and only the 1,000 forests played last are kept.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <toml++/toml.h>
#include <unistd.h>

#include "support/TempFolder.h"
#include "records/RecordsStore.h"
#include "records/RecordsText.h"

namespace fs = std::filesystem;

namespace dusk::test {
namespace {

const CalendarDate monday{2026, 12, 7};
const CalendarDate tuesday{2026, 12, 8};
const DifficultyLevel relaxed = DifficultyLevel::Relaxed;
const DifficultyLevel standard = DifficultyLevel::Standard;
const DifficultyLevel hard = DifficultyLevel::Hard;
const CalendarDate anyDay{9999, 12, 31};

Records readBack(const fs::path& path) {
    const RecordsReading reading = readRecordsText(readFile(path), path.string(), anyDay);
    EXPECT_EQ(reading.fault, "");
    return reading.records;
}

TEST(RecordsStore, RoundsOfAnotherGameInBetweenAreKeptAndTheTextReadsBack) {
    TempFolder folder;
    const fs::path path = folder.path / "duskhollow" / "records.toml";
    RecordsStore first;
    RecordsStore second;
    first.load(path);
    second.load(path);

    const RoundOutcome a = first.recordRound(5, standard, true, 90.00049, 10, monday);
    EXPECT_FALSE(a.bestBefore.has_value());
    EXPECT_EQ(a.bestAfter, 90.0) << "kept to the millisecond";
    EXPECT_TRUE(a.newBest && a.saved);

    // The second game read the file before the first wrote it.
    const RoundOutcome b = second.recordRound(5, standard, true, 80.25, 10, tuesday);
    EXPECT_EQ(b.bestBefore, 90.0);
    EXPECT_TRUE(b.newBest);
    const RoundOutcome c = first.recordRound(5, standard, true, 85.0, 10, tuesday);
    EXPECT_EQ(c.bestBefore, 80.25);
    EXPECT_FALSE(c.newBest) << "slower than the other game's best";
    first.recordRound(9, standard, false, 40.0, 3, tuesday);
    // Left before its end: neither a win nor a loss, even with every kid frightened.
    const RoundOutcome left = second.recordLeftRound(9, standard, 30.0, 10, tuesday);
    EXPECT_FALSE(left.newBest || left.bestAfter.has_value());

    const Records onDisk = readBack(path);
    EXPECT_EQ(onDisk, second.records());
    EXPECT_EQ(onDisk.totals, (RecordTotals{5, 3, 1, 43, 1}));
    ASSERT_EQ(onDisk.forests.size(), 2u);
    const ForestRecord& five = onDisk.forests[0];
    EXPECT_EQ(five.seed, 5u);
    EXPECT_EQ(five.rounds, 3);
    EXPECT_EQ(five.wins, 3);
    EXPECT_EQ(five.bestSeconds, 80.25);
    EXPECT_EQ(five.bestDate, tuesday);
    EXPECT_EQ(five.lastRound, 3);
    EXPECT_EQ(onDisk.forests[1].lastRound, 5);
    EXPECT_EQ(onDisk.forests[1].left, 1);
    EXPECT_EQ(onDisk.forests[1].mostKidsFrightened, 10);
    EXPECT_NE(readFile(path).find("\nleft = 1\n"), std::string::npos);
    EXPECT_EQ(readRecordsText(recordsText(onDisk), "x", anyDay).records, onDisk);
}

TEST(RecordsStore, EachDifficultyKeepsItsOwnBestOfAForest) {
    TempFolder folder;
    const fs::path path = folder.path / "records.toml";
    RecordsStore store;
    store.load(path);
    store.recordRound(5, standard, true, 80.0, 10, monday);
    const RoundOutcome hardWin = store.recordRound(5, hard, true, 70.0, 10, tuesday);
    EXPECT_FALSE(hardWin.bestBefore.has_value()) << "the Standard best is not Hard's";
    EXPECT_TRUE(hardWin.newBest);
    const RoundOutcome standardWin = store.recordRound(5, standard, true, 75.0, 10, tuesday);
    EXPECT_EQ(standardWin.bestBefore, 80.0) << "the faster Hard win does not count here";
    EXPECT_TRUE(standardWin.newBest);

    const Records onDisk = readBack(path);
    EXPECT_EQ(onDisk.totals.rounds, 3) << "one set of totals";
    ASSERT_EQ(onDisk.forests.size(), 2u);
    EXPECT_EQ(onDisk.forests[0].bestSeconds, 75.0);
    EXPECT_EQ(onDisk.forests[1].difficulty, hard);
    EXPECT_EQ(onDisk.forests[1].bestSeconds, 70.0);
}

// A file from before difficulties holds Standard forests, and Standard
// rounds write it as such a game would.
TEST(RecordsStore, AFileWithoutDifficultiesReadsAsStandardAndStandardRoundsWriteNoDifficulty) {
    TempFolder folder;
    const fs::path path = folder.path / "records.toml";
    const std::string header =
        "# Duskhollow records. The game rewrites this file at the end of every round.\n";
    writeFile(path, header +
                        "[totals]\nrounds = 1\nwins = 1\nlosses = 0\nkids_frightened = 10\n\n"
                        "[[forest]]\nseed = 9\nrounds = 1\nwins = 1\nlosses = 0\n"
                        "best_seconds = 90.5\nbest_date = 2026-12-07\n"
                        "most_kids_frightened = 10\nlast_round = 1\n");
    RecordsStore store;
    store.load(path);
    EXPECT_EQ(store.recordRound(9, standard, false, 20.0, 2, tuesday).bestBefore, 90.5);
    EXPECT_EQ(readFile(path),
              header +
                  "[totals]\nrounds = 2\nwins = 1\nlosses = 1\nkids_frightened = 12\n\n"
                  "[[forest]]\nseed = 9\nrounds = 2\nwins = 1\nlosses = 1\n"
                  "best_seconds = 90.5\nbest_date = 2026-12-07\n"
                  "most_kids_frightened = 10\nlast_round = 2\n");
    store.recordRound(9, hard, false, 20.0, 2, tuesday);
    EXPECT_NE(readFile(path).find("[[forest]]\nseed = 9\ndifficulty = \"Hard\"\nrounds = 1\n"),
              std::string::npos);
}

TEST(RecordsStore, TwoGamesEndingRoundsAtOnceLoseNothing) {
    TempFolder folder;
    const fs::path path = folder.path / "records.toml";
    const int roundsEach = 100;
    pid_t children[2];
    for (int game = 0; game < 2; ++game) {
        children[game] = fork();
        if (children[game] == 0) {
            RecordsStore store;
            store.load(path);
            bool saved = true;
            for (int i = 0; i < roundsEach; ++i) {
                // Half on a forest both play, half on one of its own.
                const std::uint32_t seed = i % 2 ? 7 : 100 + game;
                saved =
                    store.recordRound(seed, standard, i % 4 < 2, 60.0 + i, i % 11, tuesday).saved &&
                    saved;
            }
            _exit(saved ? 0 : 1);
        }
    }
    int reads = 0;
    for (int running = 2; running > 0;) {
        if (fs::exists(path)) {
            ++reads;
            const RecordsReading reading = readRecordsText(readFile(path), path.string(), anyDay);
            ASSERT_EQ(reading.fault, "") << "after " << reads << " reads";
        }
        int status = 0;
        const pid_t ended = waitpid(-1, &status, WNOHANG);
        if (ended > 0) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            --running;
        }
    }
    const Records records = readBack(path);
    EXPECT_EQ(records.totals.rounds, 2 * roundsEach);
    EXPECT_EQ(records.totals.wins, roundsEach);
    ASSERT_EQ(records.forests.size(), 3u);
    EXPECT_EQ(records.forests[0].rounds, roundsEach);  // seed 7
    EXPECT_EQ(records.forests[1].rounds, roundsEach / 2);
    EXPECT_EQ(records.forests[2].rounds, roundsEach / 2);
    EXPECT_GT(reads, 10);
}

// What the store printed while f ran.
template <typename F>
std::string printed(F f) {
    ::testing::internal::CaptureStdout();
    f();
    return ::testing::internal::GetCapturedStdout();
}

TEST(RecordsStore, AFaultyFileGivesOneLineAndIsKeptAsBadAtTheFirstWriteAndALaterOneBeside) {
    const std::string then = "; starting with empty records (the file is kept as records.toml.bad";
    const struct {
        const char* text;
        const char* fault;  // after "Records file "PATH" line "
    } cases[] = {
        {"[totals]\nrounds = \"three\"\n",
         "2: \"rounds\" must be a whole number from 0 to 1000000000"},
        {"[totals]\nrounds = 2\nwins = 3\nlosses = 0\n",
         "3: \"wins\" (3) must not be more than \"rounds\" (2)"},
        {"[totals]\nrounds = 1\nwins = yes\n", nullptr},  // not TOML
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TempFolder folder;
        const fs::path path = folder.path / "records.toml";
        writeFile(path, c.text);
        RecordsStore store;
        const std::string line = printed([&] { store.load(path); });
        const std::string start = "Records file \"" + path.string() + "\" line ";
        if (c.fault != nullptr) {
            EXPECT_EQ(line, start + c.fault + then + ")\n");
        } else {
            EXPECT_EQ(line.rfind(start + "3: not valid TOML (", 0), 0u) << line;
            EXPECT_EQ(line.find(")" + then + ")\n"), line.size() - then.size() - 3) << line;
        }
        EXPECT_TRUE(store.records().empty());
        EXPECT_EQ(store.loadLines(), std::vector<std::string>{line.substr(0, line.size() - 1)});
        EXPECT_EQ(readFile(path), c.text) << "reading changes nothing";
        EXPECT_FALSE(fs::exists(path.string() + ".bad"));

        EXPECT_EQ(printed([&] {
                      EXPECT_TRUE(store.recordRound(3, standard, true, 70.0, 10, tuesday).saved);
                  }),
                  "")
            << "the fault is told once";
        EXPECT_EQ(readFile(path.string() + ".bad"), c.text);
        EXPECT_EQ(readBack(path).totals, (RecordTotals{1, 1, 0, 10})) << "this run's round only";

        // Broken again: the first copy stays, the second gets the next name.
        writeFile(path, c.text);
        RecordsStore again;
        EXPECT_NE(printed([&] { again.load(path); }).find(then + ".2)\n"), std::string::npos);
        again.recordRound(3, standard, true, 70.0, 10, tuesday);
        EXPECT_EQ(readFile(path.string() + ".bad"), c.text);
        EXPECT_EQ(readFile(path.string() + ".bad.2"), c.text);
    }
}

// A forest entry with a fault, impossible values included, is set aside
// with its line; the totals and the other forests are kept and written.
TEST(RecordsStore, AFaultyForestEntryIsSetAsideAndTheOthersKept) {
    const std::string good = "[[forest]]\nseed = 1\nrounds = 1\nlosses = 1\nlast_round = 1\n";
    const std::string totals =
        "[totals]\nrounds = 4\nwins = 2\nlosses = 2\nkids_frightened = 5\n" + good;
    const std::string then = "; that entry is set aside (the file is kept as records.toml.bad)";
    const struct {
        const char* forest;  // after the totals (lines 1-5) and the good forest (6-10)
        const char* fault;   // after "Records file "PATH" line "
    } cases[] = {
        {"[[forest]]\nseed = 3\nrounds = 1\nwins = 1\nmost_kids_frightened = 999\n",
         "15: \"most_kids_frightened\" (999) must not be more than the 10 kids of a forest"},
        {"[[forest]]\nseed = 3\nrounds = 1\nwins = 1\nmost_kids_frightened = 6\n",
         "15: \"most_kids_frightened\" (6) must not be more than the total "
         "\"kids_frightened\" (5)"},
        {"[[forest]]\nseed = 3\nrounds = 1\nwins = 1\nbest_seconds = 60.0\n"
         "best_date = 2099-01-01\n",
         "16: \"best_date\" (2099-01-01) is later than today"},
        {"[[forest]]\nseed = 3\nrounds = 1\nwins = 2\n",
         "14: \"wins\" (2) must not be more than \"rounds\" (1)"},
        {"[[forest]]\nseed = 3\nrounds = 3\nwins = 3\n",
         "14: \"wins\" (3) must not be more than the total \"wins\" (2)"},
        {"[[forest]]\nseed = 3\nrounds = 5\nlosses = 5\n",
         "13: \"rounds\" (5) must not be more than the total \"rounds\" (4)"},
        {"[[forest]]\nseed = 3\nrounds = 1\nwins = 1\nbest_seconds = -12.5\n",
         "15: \"best_seconds\" must be a number above 0 and at most 1000000000"},
        {"[[forest]]\nseed = 3\n\ndifficulty = \"Nightmare\"\n",
         "14: \"difficulty\" must be \"Relaxed\", \"Standard\" or \"Hard\""},
        {"[[forest]]\nseed = 1\ndifficulty = \"Standard\"\n", "12: seed 1 is listed twice"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.forest);
        TempFolder folder;
        const fs::path path = folder.path / "records.toml";
        const std::string text = totals + c.forest;
        writeFile(path, text);
        RecordsStore store;
        EXPECT_EQ(printed([&] { store.load(path); }),
                  "Records file \"" + path.string() + "\" line " + c.fault + then + "\n");
        EXPECT_EQ(store.records().totals.rounds, 4);
        ASSERT_EQ(store.records().forests.size(), 1u);
        EXPECT_EQ(store.records().forests[0].seed, 1u);

        store.recordRound(2, standard, false, 9.0, 1, tuesday);
        EXPECT_EQ(readFile(path.string() + ".bad"), text);
        const Records written = readBack(path);
        EXPECT_EQ(written.totals.rounds, 5);
        EXPECT_EQ(written.forests.size(), 2u) << "seed 1 kept, seed 2 added";
    }

    TempFolder folder;
    const fs::path path = folder.path / "records.toml";
    writeFile(path, totals + "[[forest]]\nseed = 3\nrounds = 9\n[[forest]]\nseed = 4\nwins = 9\n");
    RecordsStore store;
    const std::string line = printed([&] { store.load(path); });
    EXPECT_NE(line.find("line 11: \"wins\" and \"losses\" must add up to \"rounds\"; that entry "
                        "and 1 more are set aside (the file is kept as records.toml.bad)\n"),
              std::string::npos)
        << line;
}

// Keys and tables of a newer version, at every level, are named in one line
// and written back as they were, also after rounds on their forest.
TEST(RecordsStore, KeysOfANewerVersionAreNamedAndWrittenBackUnchanged) {
    TempFolder folder;
    const fs::path path = folder.path / "records.toml";
    const std::string text =
        "version = 3\n"
        "[totals]\nrounds = 2\nwins = 1\nlosses = 1\nkids_frightened = 12\nstreak = 1\n"
        "[[forest]]\nseed = 5\nrounds = 2\nwins = 1\nlosses = 1\nbest_seconds = 80.5\n"
        "best_date = 2026-12-07\nmost_kids_frightened = 10\nlast_round = 2\nstars = 4\n"
        "ghosts = [{ name = \"Ann\\n\", at = 1979-05-27T07:32:00Z }, { name = 'Bo' }]\n"
        "[forest.weather]\nfog = 0.1\nrain = [1, 2]\n"
        "[[achievement]]\nname = \"Quiet feet\"\n[achievement.when]\nday = 2026-12-01\n"
        "[[achievement]]\nname = \"Night owl\"\n";
    writeFile(path, text);
    RecordsStore store;
    EXPECT_EQ(
        printed([&] { store.load(path); }),
        "Records file \"" + path.string() +
            "\" line 1: \"version\", \"totals.streak\", \"forest.stars\", \"forest.ghosts\", "
            "\"forest.weather\" and 1 more are not known to this version; kept as they are\n");
    store.recordRound(5, standard, true, 70.0, 10, tuesday);
    store.recordRound(6, standard, false, 7.0, 1, tuesday);
    EXPECT_FALSE(fs::exists(path.string() + ".bad")) << "nothing was set aside";

    const toml::table before = toml::parse(text);
    const toml::table after = toml::parse(readFile(path));
    for (const char* key : {"version", "achievement"}) {
        EXPECT_EQ(before[key], after[key]) << key;
    }
    EXPECT_EQ(before["totals"]["streak"], after["totals"]["streak"]);
    EXPECT_EQ(after["forest"][0]["rounds"].value<int>(), 3) << "this run's round counted";
    for (const char* key : {"stars", "ghosts", "weather"}) {
        EXPECT_EQ(before["forest"][0][key], after["forest"][0][key]) << key;
    }
    EXPECT_EQ(after["forest"][1].as_table()->size(), 6u) << "a new forest has no others";
    EXPECT_EQ(readBack(path), store.records()) << "the written text reads back the same";
}

// A file too large to be records is not read and never replaced: this run's
// rounds are not saved, and it says so once.
TEST(RecordsStore, AFileTooLargeIsNotReadAndLeftAsItIs) {
    TempFolder folder;
    const fs::path path = folder.path / "records.toml";
    writeFile(path, "[totals]\n");
    fs::resize_file(path, std::uintmax_t{1} << 30);  // sparse: 1 GB of nothing on the disk
    const auto modified = fs::last_write_time(path);
    RecordsStore store;
    const std::string lines = printed([&] {
        store.load(path);
        EXPECT_FALSE(store.recordRound(1, standard, true, 50.0, 10, tuesday).saved);
        EXPECT_FALSE(store.recordRound(1, standard, true, 40.0, 10, tuesday).saved);
    });
    EXPECT_EQ(lines, "Records file \"" + path.string() +
                         "\": is larger than 4 MB; starting with empty records, and this run's "
                         "rounds are not saved (the file is left as it is)\n");
    EXPECT_EQ(store.records().totals.rounds, 2) << "the run still knows its rounds";
    EXPECT_EQ(fs::file_size(path), std::uintmax_t{1} << 30);
    EXPECT_EQ(fs::last_write_time(path), modified);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), fs::directory_iterator()), 2)
        << "no bad copy, only the lock beside it";
}

// The bad copy holds what the faulty file held, also when the records file
// is a symlink whose target the new records replace.
TEST(RecordsStore, AFaultySymlinkedFileIsKeptWithItsContents) {
    TempFolder folder;
    const fs::path target = folder.path / "elsewhere" / "mine.toml";
    const std::string faulty = "[totals]\nrounds = -2\n";
    writeFile(target, faulty);
    const fs::path path = folder.path / "records.toml";
    fs::create_symlink(target, path);
    RecordsStore store;
    ::testing::internal::CaptureStdout();
    store.load(path);
    EXPECT_TRUE(store.recordRound(4, standard, false, 9.0, 1, tuesday).saved);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(readFile(path.string() + ".bad"), faulty);
    EXPECT_EQ(readBack(path).totals.rounds, 1);
}

TEST(RecordsStore, AFolderInTheWayGivesOneLineAtTheFirstWriteAndTheRoundsWaitForTheNext) {
    TempFolder folder;
    // A folder where the file should be: told at load, never replaced.
    const fs::path path = folder.path / "records.toml";
    fs::create_directory(path);
    RecordsStore store;
    ::testing::internal::CaptureStdout();
    store.load(path);
    store.recordRound(1, standard, false, 10.0, 2, tuesday);
    store.recordRound(1, standard, false, 10.0, 2, tuesday);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Records file \"" + path.string() +
                  "\": is a folder, not a file; starting with empty records\n"
                  "Records file \"" +
                  path.string() + "\": could not save (Is a directory)\n");
    EXPECT_TRUE(fs::is_directory(path));

    // A file where the folder should be.
    const fs::path blocked = folder.path / "data" / "duskhollow" / "records.toml";
    writeFile(folder.path / "data" / "duskhollow", "not a folder");
    RecordsStore other;
    ::testing::internal::CaptureStdout();
    other.load(blocked);
    EXPECT_FALSE(other.recordRound(2, standard, true, 50.0, 10, monday).saved);
    EXPECT_FALSE(other.recordRound(2, standard, true, 40.0, 10, monday).saved);
    const std::string lines = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(lines.rfind("Records file \"" + blocked.string() + "\": could not save (", 0), 0u)
        << lines;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 1) << lines;
    EXPECT_EQ(other.records().totals.rounds, 2) << "the run still knows its rounds";

    fs::remove(folder.path / "data" / "duskhollow");
    const RoundOutcome third = other.recordRound(2, standard, false, 5.0, 4, monday);
    EXPECT_TRUE(third.saved);
    EXPECT_EQ(third.bestBefore, 40.0);
    EXPECT_EQ(readBack(blocked).totals, (RecordTotals{3, 2, 1, 24})) << "waiting rounds written";
}

TEST(RecordsStore, OnlyTheThousandForestsPlayedLastAreKept) {
    TempFolder folder;
    const fs::path path = folder.path / "records.toml";
    Records full;
    full.totals = {1000, 0, 1000, 0};
    for (std::uint32_t seed = 0; seed < 1000; ++seed) {
        ForestRecord& forest = full.entry(seed, standard);
        forest.rounds = forest.losses = 1;
        forest.lastRound = 1000 - seed;  // seed 999 was played first
    }
    writeFile(path, recordsText(full));
    RecordsStore store;
    store.load(path);
    store.recordRound(998, standard, false, 1.0, 0, tuesday);
    store.recordRound(5000, standard, false, 1.0, 0, tuesday);
    store.recordRound(0, hard, false, 1.0, 0, tuesday);  // one more entry
    const Records kept = readBack(path);
    EXPECT_EQ(kept.forests.size(), 1000u);
    EXPECT_EQ(kept.find(999, standard), nullptr);
    EXPECT_EQ(kept.find(997, standard), nullptr);
    EXPECT_NE(kept.find(998, standard), nullptr) << "played again just before";
    EXPECT_NE(kept.find(5000, standard), nullptr);
    EXPECT_NE(kept.find(0, hard), nullptr);
    EXPECT_EQ(kept.totals.rounds, 1003) << "the totals keep the dropped forests' rounds";
}

}  // namespace
}  // namespace dusk::test
