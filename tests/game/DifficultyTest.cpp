// The three difficulties: each level's sight, drain, regeneration, reach and
// magic hold at their boundaries in a real round (Standard's are the game's
// own numbers), and the round is recorded at the level it was made with.
#include "GameFixture.h"
#include "app/DifficultyChoice.h"
#include "game/Rules.h"
#include "records/RecordsStore.h"
#include "settings/SettingsStore.h"
#include "ui/StealthCues.h"

namespace dusk::test {
namespace {

struct Level {
    DifficultyLevel level;
    float sight;
    float height;
    float drain;
    float regenerated;  // health after half a second unseen from 1 of 2
    float reach;
    bool magicLasts;  // through 40 s of flight
};

const Level levels[] = {
    {DifficultyLevel::Relaxed, 12.0f, 4.0f, 0.5f, 1.15f, 6.0f, true},
    {DifficultyLevel::Standard, 15.0f, 5.0f, 1.0f, 1.1f, 5.0f, true},
    {DifficultyLevel::Hard, 18.0f, 6.0f, 1.5f, 1.05f, 4.0f, false},
};

using DifficultyRoundTest = GameFixture;

TEST_F(DifficultyRoundTest, EachLevelSeesDrainsAndHealsByItsTable) {
    const vec3 kidSpot(20.0f, 0.0f, 20.0f);  // the kid faces +z
    const mat4 kidMatrix = translate(mat4(1.0f), kidSpot);
    for (const Level& l : levels) {
        SCOPED_TRACE(difficultyLevelName(l.level));
        session->settings().difficulty = l.level;
        ::testing::internal::CaptureStdout();
        session->playAgain(true);
        ::testing::internal::GetCapturedStdout();
        const Difficulty& rules = round().difficulty();
        ASSERT_EQ(rules.name, difficultyLevelName(l.level));
        EXPECT_EQ(rules.fairStartSeconds, l.level == DifficultyLevel::Relaxed ? 3.0 : 0.0);

        const vec3 side(0.01f, 0.0f, 0.0f);  // off the kid's own line
        EXPECT_TRUE(
            kidSeesPlayer(kidSpot + side + vec3(0, 0, l.sight - 0.01f), kidMatrix, rules.sight));
        EXPECT_FALSE(kidSeesPlayer(kidSpot + side + vec3(0, 0, l.sight), kidMatrix, rules.sight));
        EXPECT_TRUE(
            kidSeesPlayer(kidSpot + side + vec3(0, l.height - 0.01f, 3), kidMatrix, rules.sight));
        EXPECT_FALSE(kidSeesPlayer(kidSpot + side + vec3(0, l.height, 3), kidMatrix, rules.sight));
        EXPECT_TRUE(
            screamReaches(kidSpot + vec3(0, 0, -(l.reach - 0.01f)), kidMatrix, rules.screamReach));
        EXPECT_FALSE(screamReaches(kidSpot + vec3(0, 0, -l.reach), kidMatrix, rules.screamReach));

        // In the round (after Relaxed's fair start): a kid just inside the
        // level's sight drains its rate.
        parkOtherKids(0);
        stepWith(kidSpot + vec3(0.0f, 1.5f, -30.0f), static_cast<float>(rules.fairStartSeconds));
        placeKid(0, kidSpot.x, kidSpot.z);
        stepWith(kidSpot + vec3(0.5f, 1.5f, l.sight - 0.6f), 0.5f);
        EXPECT_TRUE(round().sightings()[0]);
        EXPECT_EQ(watchesOf(round())[0], ui::Watch::Sees);
        EXPECT_NEAR(round().health, 2.0f - 0.5f * l.drain, 1e-5f);
        // Just beyond it: unseen, about to see, and health comes back.
        round().health = 1.0f;
        placeKid(0, kidSpot.x, kidSpot.z);
        stepWith(kidSpot + vec3(0.5f, 1.5f, l.sight + 0.6f), 0.5f);
        EXPECT_FALSE(round().sightings()[0]);
        EXPECT_EQ(watchesOf(round())[0], ui::Watch::AboutToSee);
        EXPECT_NEAR(round().health, l.regenerated, 1e-5f);
        // Beyond a quarter more than its sight, not even about to.
        placeKid(0, kidSpot.x, kidSpot.z);
        stepWith(kidSpot + vec3(0.5f, 1.5f, l.sight * 1.25f + 0.6f), 0.5f);
        EXPECT_EQ(watchesOf(round())[0], ui::Watch::None);
        EXPECT_GE(round().magicFraction(), 1.0f);
        // Space held for 40 s: Hard's magic bar runs empty, the others' stays.
        scene::PlayerControls flying;
        flying.fly = true;
        placePlayer(vec3(70.0f, 2.5f, -70.0f));  // far from every kid
        for (int i = 0; i < 80; ++i) {
            round().update(flying, 0.5f, round().seconds());
        }
        EXPECT_EQ(round().magicFraction() > 0.5f, l.magicLasts) << round().magicFraction();
        EXPECT_EQ(round().magicFraction() < 0.05f, !l.magicLasts) << round().magicFraction();

        // Lost after the menu changed the level: recorded at the round's.
        session->settings().difficulty =
            l.level == DifficultyLevel::Hard ? DifficultyLevel::Relaxed : DifficultyLevel::Hard;
        round().health = 0.01f;
        placeKid(0, kidSpot.x, kidSpot.z);
        ::testing::internal::CaptureStdout();
        stepWith(kidSpot + vec3(0.5f, 1.5f, l.sight - 0.6f), 0.5f);
        ::testing::internal::GetCapturedStdout();
        const ForestRecord* entry = session->records().records().find(round().seed(), l.level);
        ASSERT_TRUE(roundEnded() && entry);
        EXPECT_EQ(entry->losses, 1);
    }
}

}  // namespace
}  // namespace dusk::test
