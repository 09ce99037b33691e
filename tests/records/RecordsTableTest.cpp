// What players read: the --records table (order, alignment, the best 20, a
// forest's difficulties on rows of their own), the times, the day's forest
// and the dates the records keep.
#include <gtest/gtest.h>

#include "records/DailySeed.h"
#include "records/RecordsTable.h"

namespace dusk::test {
namespace {

ForestRecord forest(std::uint32_t seed, std::int64_t wins, std::int64_t losses,
                    std::optional<double> best, std::int64_t kids,
                    DifficultyLevel difficulty = DifficultyLevel::Standard, std::int64_t left = 0) {
    ForestRecord f;
    f.seed = seed;
    f.difficulty = difficulty;
    f.wins = wins;
    f.losses = losses;
    f.left = left;
    f.rounds = wins + losses + left;
    f.bestSeconds = best;
    if (best) {
        f.bestDate = CalendarDate{2026, 12, 8};
    }
    f.mostKidsFrightened = kids;
    return f;
}

TEST(RecordsTable, FastestFirstThenForestsWithoutAWinAlignedUnderTheirTitles) {
    Records records;
    records.totals = {12, 5, 5, 67, 2};
    records.forests = {forest(1, 0, 2, std::nullopt, 7, DifficultyLevel::Relaxed, 2),
                       forest(42, 1, 0, 3725.5, 10), forest(20261208, 3, 1, 83.417, 10),
                       forest(20261208, 1, 0, 99.0, 10, DifficultyLevel::Hard),
                       forest(4000000000u, 0, 1, {}, 9)};
    const std::vector<std::string> lines = recordsTable(records);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0],
              "Seed        Difficulty    Best time  Date        Wins  Losses  Left  Most kids");
    EXPECT_EQ(lines[1],
              "20261208    Standard       1:23.417  2026-12-08     3       1     0         10");
    EXPECT_EQ(lines[2],
              "20261208    Hard           1:39.000  2026-12-08     1       0     0         10");
    EXPECT_EQ(lines[3],
              "42          Standard    1:02:05.500  2026-12-08     1       0     0         10");
    EXPECT_EQ(lines[4],
              "4000000000  Standard              -  -              0       1     0          9");
    EXPECT_EQ(lines[5],
              "1           Relaxed               -  -              0       2     2          7");
    EXPECT_EQ(lines[6],
              "Totals: 12 rounds, 5 wins, 5 losses, 2 left, 67 kids frightened, 4 forests")
        << "forests are seeds, whatever the difficulty";

    EXPECT_EQ(recordsTable(Records()),
              std::vector<std::string>{"No records yet: finish a round to set one."});
    for (std::uint32_t seed = 100; seed < 130; ++seed) {
        records.forests.push_back(forest(seed, 1, 0, 500.0 - seed, 10));
    }
    const std::vector<RecordsRow> rows = recordsRows(records);
    ASSERT_EQ(rows.size(), 20u) << "the best 20";
    EXPECT_EQ(rows[0].seed, "20261208");
    EXPECT_EQ(rows[1].difficulty, "Hard");
    EXPECT_EQ(rows[2].seed, "129");
    EXPECT_EQ(rows[19].seed, "112");
}

TEST(RecordsTable, TimesAndGaps) {
    EXPECT_EQ(formatRoundTime(0.0), "0:00.000");
    EXPECT_EQ(formatRoundTime(59.9996), "1:00.000");
    EXPECT_EQ(formatRoundTime(3600.0), "1:00:00.000");
    EXPECT_EQ(formatTimeGap(1.25), "+0:01.250");
    EXPECT_EQ(formatTimeGap(-61.5), "-1:01.500");
}

TEST(DailySeed, TheUtcDayGivesTheSeedAndDatesAreRealDays) {
    EXPECT_EQ(dailySeed({2026, 12, 8}), 20261208u);
    const std::time_t midnight = 1796774400;  // 2026-12-09 00:00:00 UTC
    EXPECT_EQ(CalendarDate::utcOf(midnight - 1), (CalendarDate{2026, 12, 8}));
    EXPECT_EQ(CalendarDate::utcOf(midnight), (CalendarDate{2026, 12, 9}));
    EXPECT_EQ(CalendarDate::parse("2024-02-29"), (CalendarDate{2024, 2, 29}));
    for (const char* text : {"2026-02-29", "1900-02-29", "2026-12-8", "2026-13-01", "0000-01-01",
                             "2026-12-08 ", "+026-12-08"}) {
        EXPECT_FALSE(CalendarDate::parse(text).has_value()) << text;
    }
    EXPECT_EQ((CalendarDate{2026, 1, 5}.text()), "2026-01-05");
}

}  // namespace
}  // namespace dusk::test
