// Every enumerated setting has one table: each value's name reads back as
// that value in the settings and records files, and the menu has a label of
// its own for it.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "records/RecordsText.h"
#include "settings/SettingsText.h"
#include "settings/UserSettings.h"

namespace dusk::test {
namespace {

template <typename E, std::size_t N>
void expectRoundTrip(const EnumTable<E, N>& table, bool anyCase) {
    std::set<std::string> names;
    std::set<std::string> labels;
    for (const EnumEntry<E>& entry : table) {
        EXPECT_EQ(&entryOf(table, entry.value), &entry) << entry.name;
        EXPECT_EQ(valueNamed(table, entry.name, false), entry.value) << entry.name;
        std::string upper = entry.name;
        for (char& c : upper) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        EXPECT_EQ(valueNamed(table, upper, true), entry.value) << upper;
        if (!anyCase && upper != entry.name) {
            EXPECT_EQ(valueNamed(table, upper, false), std::nullopt) << upper;
        }
        names.insert(entry.name);
        labels.insert(entry.label);
        EXPECT_FALSE(std::string(entry.label).empty()) << entry.name;
    }
    EXPECT_EQ(names.size(), N) << "no name twice";
    EXPECT_EQ(labels.size(), N) << "no label twice";
    EXPECT_EQ(valueNamed(table, "", true), std::nullopt);
}

TEST(EnumTables, EveryValueGoesToItsNameAndBackInTheFilesAndHasItsOwnLabel) {
    expectRoundTrip(graphicsQualities, true);
    expectRoundTrip(difficultyLevels, true);
    expectRoundTrip(tipsModes, true);
    expectRoundTrip(actions, false);
    EXPECT_EQ(quotedNames(difficultyLevels), "\"Relaxed\", \"Standard\" or \"Hard\"");

    for (std::size_t i = 0; i < 3; ++i) {
        UserSettings values;
        values.graphicsQuality = graphicsQualities[i].value;
        values.difficulty = difficultyLevels[i].value;
        values.tips = tipsModes[i].value;
        const std::string text = settingsText(values);
        EXPECT_NE(text.find(std::string("difficulty = \"") + difficultyLevels[i].name + "\""),
                  std::string::npos)
            << text;
        const SettingsReading reading = readSettingsText(text, "settings.toml");
        EXPECT_TRUE(reading.problems.empty()) << text;
        EXPECT_TRUE(reading.values == values) << text;

        Records records;
        ForestRecord forest;
        forest.seed = 7;
        forest.difficulty = difficultyLevels[i].value;
        forest.rounds = forest.losses = 1;
        records.forests.push_back(forest);
        records.totals.rounds = records.totals.losses = 1;
        const RecordsReading read =
            readRecordsText(recordsText(records), "records.toml", CalendarDate{2026, 12, 9});
        ASSERT_EQ(read.records.forests.size(), 1u) << read.fault;
        EXPECT_EQ(read.records.forests[0].difficulty, difficultyLevels[i].value);
    }
}

}  // namespace
}  // namespace dusk::test
