// The HUD's short texts: the round timer counts whole tenths and carries
// minutes past an hour.
#include <gtest/gtest.h>

#include "ui/Hud.h"

namespace dusk::ui {
namespace {

TEST(RoundTimerLabel, MinutesSecondsAndTenthsRoundedDown) {
    EXPECT_EQ(roundTimerLabel(0.0), "0:00.0");
    EXPECT_EQ(roundTimerLabel(-1.0), "0:00.0") << "never negative";
    EXPECT_EQ(roundTimerLabel(9.99), "0:09.9");
    EXPECT_EQ(roundTimerLabel(83.46), "1:23.4");
    EXPECT_EQ(roundTimerLabel(3600.05), "60:00.0");
}

}  // namespace
}  // namespace dusk::ui
