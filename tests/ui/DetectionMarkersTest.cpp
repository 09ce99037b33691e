// The watchers' marks fade in and out over about 0.2 s and keep their sign
// while they fade.
#include <gtest/gtest.h>

#include "ui/DetectionMarkers.h"

namespace dusk::test {
namespace {

using ui::Watch;

TEST(DetectionMarkers, FadeInAndOutOverAFifthOfASecondKeepingTheirSign) {
    ui::DetectionMarkers marks;
    marks.update({Watch::None, Watch::Sees, Watch::AboutToSee}, 0.1f);
    auto shown = marks.shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].kid, 1u);
    EXPECT_NEAR(shown[0].alpha, 0.5f, 1e-5f);
    EXPECT_EQ(shown[1].watch, Watch::AboutToSee);

    marks.update({Watch::None, Watch::Sees, Watch::Sees}, 0.15f);
    shown = marks.shown();
    EXPECT_FLOAT_EQ(shown[0].alpha, 1.0f) << "full, and no further";
    EXPECT_EQ(shown[1].watch, Watch::Sees) << "the sign turns at once";

    marks.update({Watch::None, Watch::None, Watch::Sees}, 0.05f);
    shown = marks.shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].watch, Watch::Sees) << "fading out with its last sign";
    EXPECT_NEAR(shown[0].alpha, 0.75f, 1e-5f);
    marks.update({Watch::None, Watch::None, Watch::Sees}, 0.2f);
    ASSERT_EQ(marks.shown().size(), 1u);
    EXPECT_EQ(marks.shown()[0].kid, 2u);
}

}  // namespace
}  // namespace dusk::test
