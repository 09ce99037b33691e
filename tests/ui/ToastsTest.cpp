#include <gtest/gtest.h>

#include "ui/Toasts.h"

namespace dusk::ui {

TEST(ToastsTest, StayFadeOutAndMakeRoomForNewOnes) {
    Toasts toasts;
    toasts.add("first", 10.0);
    ASSERT_EQ(toasts.visible(10.5).size(), 1u);
    EXPECT_FLOAT_EQ(toasts.visible(10.5)[0].alpha, 1.0f) << "fully shown before the fade";
    EXPECT_NEAR(toasts.visible(10.0 + Toasts::lifetime - Toasts::fadeTime / 2)[0].alpha, 0.5f,
                1e-5);
    EXPECT_TRUE(toasts.visible(10.0 + Toasts::lifetime).empty()) << "gone after its time";

    for (int i = 0; i < 6; ++i) {
        toasts.add("toast " + std::to_string(i), 20.0 + i * 0.1);
    }
    const auto shown = toasts.visible(20.6);
    ASSERT_EQ(shown.size(), Toasts::capacity);
    EXPECT_EQ(shown.front().text, "toast 2") << "the oldest make room";
    EXPECT_EQ(shown.back().text, "toast 5");

    toasts.add("long", 30.0, 10.0);
    toasts.add("short", 30.5);
    EXPECT_EQ(toasts.visible(35.0).size(), 1u) << "the short one went first";
    EXPECT_EQ(toasts.visible(35.0)[0].text, "long");
}

}  // namespace dusk::ui
