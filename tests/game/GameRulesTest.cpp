#include <cmath>
#include <cstdlib>
#include <ctime>

#include "GameFixture.h"
#include "game/Rules.h"
#include "records/RecordsStore.h"
#include "render/ShaderProgram.h"

namespace dusk::test {

namespace {
const float frame = 1.0f / 60.0f;
const vec3 kidSpot(20.0f, 0.0f, 20.0f);  // the kid under test, facing +z
const char* const lost = "GAME OVER! The kid has seen you. (Press enter to close)";

// The process in a time zone whose date is not UTC's at this moment (14
// hours ahead or 12 behind), and back as it was.
class ZoneOffUtc {
public:
    ZoneOffUtc() {
        const char* was = std::getenv("TZ");
        before = was != nullptr ? std::optional<std::string>(was) : std::nullopt;
        for (const char* zone : {"DUS-14", "DUS+12"}) {
            setenv("TZ", zone, 1);
            tzset();
            if (CalendarDate::todayLocal() != CalendarDate::todayUtc()) {
                return;
            }
        }
    }
    ~ZoneOffUtc() {
        before ? setenv("TZ", before->c_str(), 1) : unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> before;
};
}  // namespace

TEST(RulesTest, HealthRegeneratesAtATenthOfItsMaximumAndIsClamped) {
    EXPECT_NEAR(regenerateHealth(1.0f, 2.0f, 0.5f), 1.1f, 1e-6);
    EXPECT_FLOAT_EQ(regenerateHealth(1.99f, 2.0f, 1.0f), 2.0f);
    EXPECT_FLOAT_EQ(regenerateHealth(-1.0f, 2.0f, 0.1f), 0.0f);
}

TEST(RulesTest, SightIsAHalfPlaneFifteenUnitsDeepAndFiveHigh) {
    const mat4 kid = translate(mat4(1.0f), kidSpot);  // faces +z
    EXPECT_TRUE(kidSeesPlayer(kidSpot + vec3(0.5f, 2.5f, 10.0f), kid));
    EXPECT_TRUE(kidSeesPlayer(kidSpot + vec3(-14.0f, 0.0f, 0.5f), kid)) << "wide to the side";
    EXPECT_FALSE(kidSeesPlayer(kidSpot + vec3(0.5f, 2.5f, -3.0f), kid)) << "behind";
    EXPECT_FALSE(kidSeesPlayer(kidSpot + vec3(0.5f, 2.5f, 15.0f), kid)) << "15 is too far";
    EXPECT_TRUE(kidSeesPlayer(kidSpot + vec3(0.5f, 4.9f, 5.0f), kid));
    EXPECT_FALSE(kidSeesPlayer(kidSpot + vec3(0.5f, 5.0f, 5.0f), kid)) << "5 above is unseen";
    EXPECT_FALSE(kidSeesPlayer(kidSpot + vec3(0.5f, -5.0f, 5.0f), kid)) << "5 below is unseen";
    // Exactly level in x counts as direction 180, which for a kid facing +z
    // (270) is not in front, even straight ahead.
    EXPECT_FALSE(kidSeesPlayer(kidSpot + vec3(0.0f, 2.5f, 10.0f), kid));
    // A kid turned by 90 degrees faces +x.
    const mat4 turned = glm::rotate(kid, glm::half_pi<float>(), vec3(0, 1, 0));
    EXPECT_TRUE(kidSeesPlayer(kidSpot + vec3(10.0f, 2.5f, 0.5f), turned));
    EXPECT_FALSE(kidSeesPlayer(kidSpot + vec3(-0.5f, 2.5f, 10.0f), turned));
    // The field of view is a half-plane: just ahead of the kid's shoulder line
    // counts as in front.
    EXPECT_TRUE(kidSeesPlayer(kidSpot + vec3(0.5f, 2.5f, 10.0f), turned));
}

using GameRulesTest = GameFixture;

TEST_F(GameRulesTest, HealthClimbsBackWhileUnseen) {
    parkOtherKids(-1);
    round().health = 1.0f;
    stepWith(vec3(20.0f, 2.5f, 20.0f), 0.5f);
    EXPECT_NEAR(round().health, 1.1f, 1e-5);
    for (int i = 0; i < 20; ++i) {
        stepWith(vec3(20.0f, 2.5f, 20.0f), 0.5f);
    }
    EXPECT_FLOAT_EQ(round().health, 2.0f);
    EXPECT_GT(round().magic, 20000.0f);
}

TEST_F(GameRulesTest, OneWatchingKidEndsTheGameAfterAboutTwoAndAHalfSeconds) {
    parkOtherKids(0);
    ::testing::internal::CaptureStdout();
    int frames = 0;
    while (!roundEnded() && frames < 600) {
        placeKid(0, kidSpot.x, kidSpot.z);
        stepWith(kidSpot + vec3(0.5f, 2.5f, 8.0f), frame);
        ++frames;
    }
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(session->endScreen(), ui::EndScreen::Lost);
    EXPECT_NEAR(frames * frame, 2.5f, 0.05f);
    EXPECT_EQ(count(out, std::string(lost) + "\n"), 1) << out;
}

TEST_F(GameRulesTest, ALossIsJudgedOnceEvenWhenSeveralKidsWatch) {
    parkOtherKids(0);
    round().health = 0.01f;
    placeKid(0, kidSpot.x, kidSpot.z);
    placeKid(1, kidSpot.x + 1.0f, kidSpot.z);
    placeKid(2, kidSpot.x - 1.0f, kidSpot.z);
    ::testing::internal::CaptureStdout();
    stepWith(kidSpot + vec3(0.5f, 2.5f, 8.0f), frame);
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(count(out, lost), 1) << out;
    EXPECT_TRUE(roundEnded());
}

TEST_F(GameRulesTest, HoveringFiveUnitsAboveIsNeverSeen) {
    parkOtherKids(0);
    for (int i = 0; i < 240; ++i) {
        placeKid(0, kidSpot.x, kidSpot.z);
        stepWith(kidSpot + vec3(0.5f, 5.0f, 3.0f), frame);
    }
    EXPECT_FLOAT_EQ(round().health, 2.0f);
    EXPECT_FALSE(roundEnded());
}

TEST_F(GameRulesTest, LeftControlBehindAKidTerrifiesItWithinButNotAtFiveUnits) {
    parkOtherKids(0);
    placeKid(0, kidSpot.x, kidSpot.z);
    pressKey("Control_L", GLFW_KEY_LEFT_CONTROL);
    ::testing::internal::CaptureStdout();
    stepWith(kidSpot + vec3(0.0f, 2.5f, -5.0f), frame);
    std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_TRUE(kid(0).isActive()) << "5.0 is out of reach: " << out;
    EXPECT_EQ(out.find("Terrified"), std::string::npos);

    placeKid(0, kidSpot.x, kidSpot.z);
    ::testing::internal::CaptureStdout();
    stepWith(kidSpot + vec3(0.0f, 2.5f, -4.9f), frame);
    stepWith(kidSpot + vec3(0.0f, 2.5f, -4.9f), frame);
    out = ::testing::internal::GetCapturedStdout();
    releaseKey("Control_L", GLFW_KEY_LEFT_CONTROL);
    EXPECT_FALSE(kid(0).isActive());
    EXPECT_EQ(out, "Terrified kid! Kids left: 9 of 10\n") << "once, not again for a terrified kid";
}

TEST_F(GameRulesTest, ScreamingInSightOrWithTheRightControlDoesNothing) {
    parkOtherKids(0);
    placeKid(0, kidSpot.x, kidSpot.z);
    pressKey("Control_L", GLFW_KEY_LEFT_CONTROL);
    stepWith(kidSpot + vec3(0.5f, 2.5f, 3.0f), frame);  // in front, in sight
    releaseKey("Control_L", GLFW_KEY_LEFT_CONTROL);
    EXPECT_TRUE(kid(0).isActive());
    EXPECT_LT(round().health, 2.0f) << "it saw the player";

    placeKid(0, kidSpot.x, kidSpot.z);
    // By keysym name xdotool also presses Control_L (it sets the Control
    // modifier through the modifier map's first key); keycode 105 is the
    // right Control alone on Xvfb's keymap.
    pressKey("105", GLFW_KEY_RIGHT_CONTROL);
    ASSERT_EQ(glfwGetKey(window, GLFW_KEY_LEFT_CONTROL), GLFW_RELEASE);
    stepWith(kidSpot + vec3(0.0f, 2.5f, -2.0f), frame);  // behind, close
    releaseKey("105", GLFW_KEY_RIGHT_CONTROL);
    EXPECT_TRUE(kid(0).isActive());
}

TEST_F(GameRulesTest, TerrifyingTheTenthKidWinsAndATerrifiedKidsLanternGoesOut) {
    const GLuint basic = session->renderer().programs().basic->id();
    parkOtherKids(0);
    stepWith(vec3(0.0f, 2.5f, 0.0f), frame);
    renderFrame();
    EXPECT_EQ(uniformInt(basic, "pLightCount"), 10);
    for (int i = 1; i < 10; ++i) {
        kid(i).setActive(false);
    }
    stepWith(vec3(0.0f, 2.5f, 0.0f), frame);
    renderFrame();
    EXPECT_EQ(uniformInt(basic, "pLightCount"), 1);
    GLfloat lantern[3] = {0, 0, 0};
    glGetUniformfv(basic, glGetUniformLocation(basic, "pLightPos[0]"), lantern);
    const vec3 at(kid(0).modelMatrix[3]);
    EXPECT_NEAR(lantern[0], at.x + 0.6f, 1e-4);
    EXPECT_NEAR(lantern[1], 0.8f, 1e-4);
    EXPECT_NEAR(lantern[2], at.z, 1e-4);

    placeKid(0, kidSpot.x, kidSpot.z);
    pressKey("Control_L", GLFW_KEY_LEFT_CONTROL);
    const ZoneOffUtc zone;
    ASSERT_NE(CalendarDate::todayLocal(), CalendarDate::todayUtc());
    ::testing::internal::CaptureStdout();
    stepWith(kidSpot + vec3(0.3f, 2.5f, -3.0f), frame);
    const std::string out = ::testing::internal::GetCapturedStdout();
    releaseKey("Control_L", GLFW_KEY_LEFT_CONTROL);
    EXPECT_EQ(out, "All kids are terrified! You won! (Press enter to close)\n");
    EXPECT_EQ(session->endScreen(), ui::EndScreen::Won);
    EXPECT_TRUE(round().won());

    // The win is in the records with its time, the forest's first best.
    const ui::EndSummary& summary = session->endSummary();
    EXPECT_TRUE(summary.newBest);
    EXPECT_EQ(summary.seed, 1u);
    EXPECT_EQ(summary.kidsFrightened, 10);
    EXPECT_NEAR(summary.best, round().seconds(), 1e-3) << "kept to the millisecond";
    const ForestRecord* forest = session->records().records().find(1, DifficultyLevel::Standard);
    ASSERT_NE(forest, nullptr);
    EXPECT_EQ(forest->wins, 1);
    EXPECT_EQ(forest->losses, 0);
    EXPECT_EQ(forest->bestDate, CalendarDate::todayUtc()) << "by the daily forest's clock";
}

TEST_F(GameRulesTest, SpaceLiftsThePlayerAndSpendsMagic) {
    parkOtherKids(-1);
    const vec3 start(30.0f, 2.5f, -30.0f);
    placePlayer(start);
    pressKey("space", GLFW_KEY_SPACE);
    const float magicBefore = round().magic;
    for (int i = 0; i < 30; ++i) {
        session->step(frame);
    }
    releaseKey("space", GLFW_KEY_SPACE);
    const btVector3 p = world().camera.body->getWorldTransform().getOrigin();
    EXPECT_GT(p.y(), start.y + 1.0f);
    EXPECT_LT(round().magic, magicBefore);
}

}  // namespace dusk::test
