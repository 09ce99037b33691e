// The words that teach: the tips name the keys as bound now and the round's
// own numbers; the loss screen's line tells the distance and the side.
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "ui/FirstTips.h"

namespace dusk {
namespace {

std::string name(int key) { return keyLabel(key, nullptr); }

TEST(FirstTips, TheTipsNameTheKeysAsBoundAndTheRoundsSight) {
    KeyBindings keys;
    const Difficulty standard = Difficulty::standard();
    EXPECT_EQ(tipText(ui::TipStep::Scream, keys, name, standard),
              "Get behind a kid and press Left Control to scream (pad: right trigger)");
    EXPECT_EQ(tipText(ui::TipStep::Move, keys, name, standard),
              "Walk with W A S D and look with the mouse (pad: the two sticks)");
    keys.bind(Action::Scream, 0, GLFW_KEY_E);
    keys.bind(Action::Scream, 1, GLFW_KEY_Q);
    keys.bind(Action::Forward, 0, GLFW_KEY_I);
    EXPECT_EQ(tipText(ui::TipStep::Scream, keys, name, standard),
              "Get behind a kid and press E or Q to scream (pad: right trigger)");
    EXPECT_EQ(tipText(ui::TipStep::Move, keys, name, standard).rfind("Walk with I A S D", 0), 0u);
    EXPECT_NE(tipText(ui::TipStep::Sight, keys, name, Difficulty::relaxed()).find("up to 12 m"),
              std::string::npos);
    EXPECT_EQ(tipText(ui::TipStep::Done, keys, name, standard), "");
}

TEST(FirstTips, TheLossLineTellsHowFarAndWhichSide) {
    // A kid at the origin facing +z: its right is -x.
    const mat4 kid(1.0f);
    EXPECT_EQ(sideSeenFrom(vec3(0.5f, 0.0f, 6.0f), kid), SeenSide::Ahead);
    EXPECT_EQ(sideSeenFrom(vec3(-6.0f, 0.0f, 1.0f), kid), SeenSide::Right);
    EXPECT_EQ(sideSeenFrom(vec3(6.0f, 0.0f, 1.0f), kid), SeenSide::Left);
    EXPECT_EQ(seenFromLine(6.2f, SeenSide::Ahead), "Seen from 6 m, ahead of the kid");
    EXPECT_EQ(seenFromLine(0.2f, SeenSide::Left), "Seen from 1 m, to the kid's left");
    EXPECT_NE(lossTip(Difficulty::hard(), 1).find("6 m above or below"), std::string::npos);
    EXPECT_NE(lossTip(Difficulty::standard(), 0), lossTip(Difficulty::standard(), 1));
}

}  // namespace
}  // namespace dusk
