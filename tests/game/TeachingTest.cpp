// What the window teaches, in the real game: the in-reach cue comes from the
// round's own judging at each level's reach, Relaxed's fair start, the sight
// areas on the ground of a rendered frame, a loss's end screen, and a round
// left with Esc in the records.
#include <cmath>
#include <fstream>
#include <sstream>

#include "GameFixture.h"
#include "app/DifficultyChoice.h"
#include "game/Rules.h"
#include "records/RecordsStore.h"
#include "records/RecordsTable.h"
#include "render/RenderTarget.h"
#include "settings/SettingsStore.h"

namespace dusk::test {
namespace {

const vec3 kidSpot(20.0f, 0.0f, 20.0f);  // the kid under test, facing +z
const float frame = 1.0f / 60.0f;

class TeachingTest : public GameFixture {
protected:
    void playAt(DifficultyLevel level) {
        session->settings().difficulty = level;
        ::testing::internal::CaptureStdout();
        session->playAgain(true);
        ::testing::internal::GetCapturedStdout();
    }

    // The kid placed again before each update: its wandering would move it.
    void stepBeside(const vec3& offset, float dt) {
        placeKid(0, kidSpot.x, kidSpot.z);
        stepWith(kidSpot + offset, dt);
    }
};

TEST_F(TeachingTest, TheInReachCueIsTheScreamsOwnTestAtEachLevelsReach) {
    for (const DifficultyLevel level :
         {DifficultyLevel::Relaxed, DifficultyLevel::Standard, DifficultyLevel::Hard}) {
        SCOPED_TRACE(difficultyLevelName(level));
        playAt(level);
        parkOtherKids(0);
        const float reach = difficultyFor(level).screamReach;
        stepBeside(vec3(0.0f, 1.5f, -(reach - 0.1f)), frame);  // behind, just within
        EXPECT_TRUE(round().inReach()[0]);
        EXPECT_EQ(session->hudState().inReach.size(), 1u);
        stepBeside(vec3(0.0f, 1.5f, -reach), frame);  // at the bound: strict
        EXPECT_FALSE(round().inReach()[0]);
        EXPECT_TRUE(session->hudState().inReach.empty());
    }
    // Standard's own figures; then in front within reach but after the
    // fair start: it sees the player, so no cue.
    playAt(DifficultyLevel::Standard);
    parkOtherKids(0);
    stepBeside(vec3(0.0f, 1.5f, -4.9f), frame);
    EXPECT_TRUE(round().inReach()[0]);
    stepBeside(vec3(0.0f, 1.5f, -5.0f), frame);
    EXPECT_FALSE(round().inReach()[0]);
    stepBeside(vec3(0.5f, 1.5f, 3.0f), frame);
    EXPECT_TRUE(round().sightings()[0]);
    EXPECT_FALSE(round().inReach()[0]) << "a kid that sees the player";
    kid(0).setActive(false);
    stepBeside(vec3(0.0f, 1.5f, -2.0f), frame);
    EXPECT_FALSE(round().inReach()[0]) << "a terrified kid";
    EXPECT_TRUE(session->hudState().inReach.empty());
}

TEST_F(TeachingTest, RelaxedKidsSeeNobodyForTheFirstThreeSeconds) {
    playAt(DifficultyLevel::Relaxed);
    parkOtherKids(0);
    const vec3 inSight(0.5f, 1.5f, 6.0f);
    stepBeside(inSight, 2.9f);
    EXPECT_FALSE(round().sightings()[0]) << "2.9 s";
    EXPECT_FLOAT_EQ(round().health, round().maxHealth);
    EXPECT_TRUE(round().inReach()[0] == false) << "6 units: out of Relaxed's reach";
    stepBeside(inSight, 0.2f);
    EXPECT_TRUE(round().sightings()[0]) << "3.1 s";
    EXPECT_LT(round().health, round().maxHealth);

    playAt(DifficultyLevel::Standard);
    parkOtherKids(0);
    stepBeside(inSight, frame);
    EXPECT_TRUE(round().sightings()[0]) << "Standard: from the first frame";
}

// Scene-target pixels (bottom-up rows) at a world point.
class SightAreaPicture {
public:
    SightAreaPicture(Session& session, const vec3& eye, const vec3& target) : session(session) {
        scene::World& world = session.round().world();
        world.camera.viewMatrix = lookAt(eye, target, vec3(0.0f, 1.0f, 0.0f));
        viewProjection = session.renderer().viewProjection(world.camera, 1.0471975803375244f);
    }
    std::vector<unsigned char> frame(GraphicsQuality quality, bool areas) {
        session.settings().graphicsQuality = quality;
        session.settings().sightAreas = areas;
        session.renderer().render(session.round().world(), session.round().healthFraction(),
                                  session.frameOptions());
        std::vector<unsigned char> pixels(1280 * 720 * 4);
        glBindFramebuffer(GL_READ_FRAMEBUFFER, session.renderer().sceneTarget().framebuffer());
        glReadPixels(0, 0, 1280, 720, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }
    vec3 at(const std::vector<unsigned char>& pixels, const vec3& point) const {
        const vec4 clip = viewProjection * vec4(point, 1.0f);
        const int x = static_cast<int>((clip.x / clip.w + 1.0f) * 0.5f * 1280.0f);
        const int y = static_cast<int>((clip.y / clip.w + 1.0f) * 0.5f * 720.0f);
        EXPECT_TRUE(x >= 0 && x < 1280 && y >= 0 && y < 720) << x << ", " << y;
        const size_t i = (static_cast<size_t>(y) * 1280 + static_cast<size_t>(x)) * 4;
        return vec3(pixels[i], pixels[i + 1], pixels[i + 2]);
    }

private:
    Session& session;
    mat4 viewProjection;
};

TEST_F(TeachingTest, ASightAreaTintsTheGroundUpToTheRulesEdgeAlikeInExactAndFast) {
    for (int i = 1; i < scene::World::kidCount; ++i) {
        kid(i).setActive(false);  // one area only
    }
    const vec3 away = kidSpot + vec3(0.0f, 1.5f, -30.0f);
    stepBeside(away - kidSpot, frame);
    for (auto& tree : world().trees) {  // nothing standing on the ground under test
        tree->modelMatrix = translate(mat4(1.0f), vec3(500.0f, -200.0f, 500.0f));
    }
    const mat4& kidMatrix = kid(0).modelMatrix;
    const vec3 k(kidMatrix[3].x, 0.0f, kidMatrix[3].z);
    const vec3 ahead = glm::normalize(vec3(-kidMatrix[0].z, 0.0f, kidMatrix[0].x));
    const vec3 side(-ahead.z, 0.0f, ahead.x);
    const float reach = round().difficulty().sight.distance;
    ASSERT_GT(glm::dot(ahead, vec3(0.0f, 0.0f, 1.0f)), 0.99f) << "the kid faces +z";

    SightAreaPicture picture(*session, k - ahead * 6.0f + vec3(0.0f, 14.0f, 0.0f),
                             k + ahead * 8.0f);
    const auto off = picture.frame(GraphicsQuality::Exact, false);
    const auto exact = picture.frame(GraphicsQuality::Exact, true);
    const auto fast = picture.frame(GraphicsQuality::Fast, true);
    EXPECT_TRUE(exact == fast) << "the same pixels in Exact and Fast";
    EXPECT_TRUE(off != exact);
    const struct {
        const char* where;
        vec3 inside;
        vec3 outside;
    } edges[] = {
        {"far rim", k + ahead * (reach - 0.25f), k + ahead * (reach + 0.25f)},
        {"rim aside", k + glm::normalize(ahead + side) * (reach - 0.25f),
         k + glm::normalize(ahead + side) * (reach + 0.25f)},
        {"shoulder line", k + side * 6.0f + ahead * 0.25f, k + side * 6.0f - ahead * 0.25f},
    };
    for (const auto& edge : edges) {
        SCOPED_TRACE(edge.where);
        EXPECT_NE(picture.at(off, edge.inside), picture.at(exact, edge.inside)) << "tinted";
        EXPECT_EQ(picture.at(off, edge.outside), picture.at(exact, edge.outside)) << "as it was";
    }

    // Red while the kid sees the player (the frame's own sighting).
    const vec3 watched = picture.at(exact, edges[0].inside);
    stepBeside(vec3(1.0f, 1.5f, 8.0f), frame);
    ASSERT_TRUE(round().sightings()[0]);
    const auto seen = picture.frame(GraphicsQuality::Exact, true);
    const vec3 red = picture.at(seen, edges[0].inside);
    EXPECT_GT(red.r / std::max(red.g, 1.0f), watched.r / std::max(watched.g, 1.0f) + 0.3f);
}

TEST_F(TeachingTest, ALossSaysFromWhereAndARoundLeftIsRecordedAsLeft) {
    parkOtherKids(0);
    round().health = 0.01f;
    ::testing::internal::CaptureStdout();
    stepBeside(vec3(-3.0f, 1.5f, 6.0f), frame);  // 6.7 away, 26.6 degrees off its facing
    ::testing::internal::GetCapturedStdout();
    ASSERT_TRUE(roundEnded());
    EXPECT_EQ(session->endSummary().seenFrom, "Seen from 7 m, ahead of the kid");
    EXPECT_EQ(session->endSummary().tip.rfind("Tip: ", 0), 0u);
    session->leaveRound();
    EXPECT_EQ(session->records().records().totals.left, 0) << "an ended round is not left";

    ::testing::internal::CaptureStdout();
    session->playAgain(false);
    ::testing::internal::GetCapturedStdout();
    parkOtherKids(0);
    pressKey("Control_L", GLFW_KEY_LEFT_CONTROL);
    stepBeside(vec3(0.0f, 1.5f, -2.0f), frame);
    releaseKey("Control_L", GLFW_KEY_LEFT_CONTROL);
    ASSERT_EQ(round().kidsFrightened(), 1);
    session->leaveRound();
    const RecordTotals& totals = session->records().records().totals;
    EXPECT_EQ(totals.rounds, 2);
    EXPECT_EQ(totals.losses, 1);
    EXPECT_EQ(totals.left, 1);
    EXPECT_EQ(totals.kidsFrightened, 1);
    std::ifstream file(runDir->file("records.toml"));
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_NE(text.str().find("left = 1"), std::string::npos) << text.str();
    const std::vector<std::string> table = recordsTable(session->records().records());
    EXPECT_NE(table[0].find("Losses  Left"), std::string::npos) << table[0];
}

}  // namespace
}  // namespace dusk::test
