// The F2 panel follows the bindings: a rebound key shows where the old one
// did, and every action is listed in its group.
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "ui/ControlsHelp.h"

namespace dusk {
namespace {

std::string name(int key) { return keyLabel(key, nullptr); }

std::string joined(const std::vector<ui::HelpLine>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += (line.heading ? "# " : "") + line.text + "\n";
    }
    return text;
}

TEST(ControlsHelp, ListsEveryControlAsBoundNowInItsGroup) {
    KeyBindings keys;
    const std::string before = joined(controlsHelp(keys, name, 5.0f));
    EXPECT_NE(before.find("Scream (behind a kid, within 5): Left Control / pad: right trigger"),
              std::string::npos)
        << before;
    EXPECT_NE(before.find("Walk forward: W, Up"), std::string::npos) << before;
    for (const char* group : {"# Moving\n", "# Acting\n", "# Window\n", "# Debug toggles\n"}) {
        EXPECT_NE(before.find(group), std::string::npos) << group;
    }

    keys.bind(Action::Scream, 0, GLFW_KEY_E);
    keys.bind(Action::Forward, 1, KeyBindings::noKey);
    const std::string after = joined(controlsHelp(keys, name, 5.0f));
    EXPECT_NE(after.find("Scream (behind a kid, within 5): E / pad"), std::string::npos) << after;
    EXPECT_EQ(after.find("Left Control"), std::string::npos) << "the old key is gone";
    EXPECT_NE(after.find("Walk forward: W / pad"), std::string::npos) << after;
}

}  // namespace
}  // namespace dusk
