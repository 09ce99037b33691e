// Who sees the player, as the HUD marks it: straight from the round's own
// judging of the frame, placed over the kid or as an arrow towards it, clear
// of the HUD's bars.
#include <chrono>
#include <cmath>
#include <thread>

#include "GameFixture.h"
#include "game/Rules.h"
#include "settings/SettingsStore.h"
#include "support/Xdo.h"
#include "ui/StealthCues.h"

namespace dusk::test {
namespace {

const vec3 player(20.0f, 1.5f, 20.0f);
const float quarterSecond = 0.25f;  // long enough for a mark to fade in fully

class StealthCuesTest : public GameFixture {
protected:
    // Where the camera looks on the ground, and its left.
    vec3 ahead() const {
        const float h = session->round().world().camera.horizontalAngle;
        return vec3(std::sin(h), 0.0f, std::cos(h));
    }
    vec3 left() const { return glm::cross(vec3(0.0f, 1.0f, 0.0f), ahead()); }
    // Kid i at `degrees` from the view (positive to the left), `distance`
    // away, looking at the player or away from it.
    void placeAround(int i, float degrees, float distance, bool facingPlayer = true) {
        const float a = glm::radians(degrees);
        const vec3 at = player + (ahead() * std::cos(a) + left() * std::sin(a)) * distance;
        const vec3 look = facingPlayer ? player - at : at - player;
        placeKid(i, at.x, at.z, std::atan2(look.x, look.z));
    }
};

TEST_F(StealthCuesTest, MarksAndArrowsFollowTheRoundsOwnSightings) {
    parkOtherKids(-1);
    stepWith(player, 1.0f / 60.0f);
    const float looking = world().camera.horizontalAngle;
    placeAround(0, 5.0f, 8.0f);          // in view, seeing
    placeAround(1, 180.0f, 8.0f);        // behind the player, seeing
    placeAround(2, 70.0f, 12.0f);        // left, beyond the view, seeing
    placeAround(3, -10.0f, 17.0f);       // in view, a little too far: about to see
    placeAround(4, 20.0f, 6.0f, false);  // in view, looking away
    stepWith(player, quarterSecond);
    ASSERT_NEAR(world().camera.horizontalAngle, looking, 1e-4f) << "the view did not turn";

    const std::vector<ui::Watch> watches = watchesOf(round());
    const std::vector<bool>& seen = round().sightings();
    for (size_t i = 0; i < watches.size(); ++i) {
        EXPECT_EQ(watches[i] == ui::Watch::Sees, seen[i]) << "kid " << i;
    }
    using W = ui::Watch;
    EXPECT_EQ(watches, (std::vector<W>{W::Sees, W::Sees, W::Sees, W::AboutToSee, W::None, W::None,
                                       W::None, W::None, W::None, W::None}));

    const std::vector<ui::HudMarker> marks = session->hudState().markers;
    ASSERT_EQ(marks.size(), 4u);
    EXPECT_TRUE(marks[0].place.onScreen);
    EXPECT_LT(marks[0].place.at.x, 640.0f) << "a little to the left";
    EXPECT_LT(marks[0].place.at.y, 360.0f) << "over the kid's head, above the eye";
    EXPECT_FLOAT_EQ(marks[0].alpha, 1.0f);
    EXPECT_FALSE(marks[1].place.onScreen);
    EXPECT_EQ(marks[1].place.edge, ui::ScreenEdge::Bottom);
    EXPECT_NEAR(marks[1].place.at.x, 640.0f, 2.0f) << "straight behind";
    EXPECT_FALSE(marks[2].place.onScreen);
    EXPECT_EQ(marks[2].place.edge, ui::ScreenEdge::Left);
    EXPECT_LT(marks[2].place.pointing.x, -0.9f);
    EXPECT_EQ(marks[3].watch, ui::Watch::AboutToSee);
    EXPECT_TRUE(marks[3].place.onScreen);
    EXPECT_GT(marks[3].place.at.x, 640.0f);

    session->settings().detectionMarkers = false;
    EXPECT_TRUE(session->hudState().markers.empty());
    kid(0).setActive(false);
    stepWith(player, quarterSecond);
    EXPECT_EQ(watchesOf(round())[0], ui::Watch::None) << "a terrified kid watches nobody";
}

// A kid behind and to the left sees the player: its arrow, at the bottom
// left, leaves the Health and Magic bars and their labels as they are.
TEST_F(StealthCuesTest, AnArrowKeepsClearOfTheBars) {
    parkOtherKids(0);
    stepWith(player, 1.0f / 60.0f);
    placeAround(0, 125.0f, 14.0f);
    stepWith(player, quarterSecond);
    ASSERT_EQ(session->hudState().markers.size(), 1u);
    ASSERT_LT(session->hudState().markers[0].place.at.x, 300.0f) << "under the bars";
    session->setPaused(true);  // the same picture twice, but for the arrow
    const auto shot = [&](const char* name) {
        session->runFrame();
        session->runFrame();
        const std::string path = runDir->file(name).string();
        EXPECT_TRUE(Xdo::screenshot(path));
        return path;
    };
    const std::string with = shot("with.png");
    session->settings().detectionMarkers = false;
    const std::string without = shot("without.png");
    EXPECT_GT(Xdo::imageDifference(with, without), 0.0) << "no arrow drawn";
    EXPECT_EQ(Xdo::imageDifference(with, without, "330x46+16+658"), 0.0) << "the arrow is on a bar";
}

TEST_F(StealthCuesTest, CaptionsShowWhenSwitchedOnWithTheSoundsDirection) {
    parkOtherKids(0);
    stepWith(player, 1.0f / 60.0f);
    placeAround(0, 90.0f, 6.0f, false);  // to the left, looking away, walking
    session->settings().captions = true;
    std::vector<std::string> lines;
    // The kids' strides follow the wall clock: up to three seconds of frames.
    for (int i = 0; i < 180 && lines.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(16));
        stepWith(player, 1.0f / 60.0f);
        for (const auto& line : session->hudState().captions) {
            lines.push_back(line.text);
        }
    }
    EXPECT_EQ(lines, std::vector<std::string>{"[footsteps, left]"});
    session->settings().captions = false;
    EXPECT_TRUE(session->hudState().captions.empty()) << "off by default";
}

}  // namespace
}  // namespace dusk::test
