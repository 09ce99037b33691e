// The [keys] table: good tables bind by key code and write back only what
// differs from the game's keys; every bad line gives its one line and leaves
// its action on its default; rebinding swaps keys between actions.
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "settings/KeyBindings.h"
#include "settings/SettingsText.h"

namespace dusk::test {
namespace {

const char* const name = "/cfg/settings.toml";

KeyBindings::Keys keys(int first, int second = KeyBindings::noKey) { return {first, second}; }

TEST(KeysTable, ATableBindsItsActionsAndOnlyTheChangedOnesAreWrittenBack) {
    const SettingsReading reading = readSettingsText(
        "hud = false\n[keys]\nforward = [\"i\", \"Kp_8\"]\nscream = [\"E\"]\npause = []\n", name);
    ASSERT_TRUE(reading.problems.empty()) << reading.problems[0];
    const KeyBindings& bound = reading.values.keys;
    EXPECT_EQ(bound.keysFor(Action::Forward), keys(GLFW_KEY_I, GLFW_KEY_KP_8)) << "any case";
    EXPECT_EQ(bound.keysFor(Action::Scream), keys(GLFW_KEY_E));
    EXPECT_EQ(bound.keysFor(Action::Pause), keys(KeyBindings::noKey));
    EXPECT_EQ(bound.keysFor(Action::Back), keys(GLFW_KEY_S, GLFW_KEY_DOWN)) << "not listed";
    EXPECT_FALSE(bound.isBound(Action::Forward, GLFW_KEY_W));

    const std::string text = settingsText(reading.values);
    const std::string table =
        "\n[keys]\nforward = [\"I\", \"KP_8\"]\nscream = [\"E\"]\npause = []\n";
    EXPECT_EQ(text.substr(text.size() - table.size()), table) << text;
    EXPECT_TRUE(readSettingsText(text, name).values == reading.values);
    EXPECT_EQ(settingsText(UserSettings()).find("[keys]"), std::string::npos);
}

TEST(KeysTable, EachBadLineGivesItsLineAndItsActionKeepsItsDefault) {
    const std::string at = "Settings file \"/cfg/settings.toml\" line ";
    const SettingsReading reading = readSettingsText(
        "[keys]\n"
        "jump = [\"J\"]\n"                    // 2
        "forward = [\"W\", \"UP\", \"I\"]\n"  // 3
        "back = \"S\"\n"                      // 4
        "left = [\"QWERTY\"]\n"               // 5
        "right = [\"F3\"]\n"                  // 6
        "fly = [\"G\", \"g\"]\n"              // 7
        "run = [\"R\"]\n"                     // 8: good
        "menu = [\"R\"]\n"                    // 9: run has it already
        "scream = [\"H\"]\n"                  // 10: H is the HUD's
        "fullscreen = [3]\n",                 // 11
        name);
    const std::vector<std::string> expected = {
        at + "2: unknown action \"jump\" in [keys]; ignored",
        at + "3: \"forward\" has more than two keys; using the default [\"W\", \"UP\"]",
        at + "4: \"back\" must be a list of at most two key names, e.g. [\"W\", \"UP\"]; using "
             "the default [\"S\", \"DOWN\"]",
        at + "5: \"left\": unknown key name \"QWERTY\"; using the default [\"A\", \"LEFT\"]",
        at + "6: \"right\": \"F3\" is the game's own key (Esc and F2 to F9 cannot be bound); "
             "using the default [\"D\", \"RIGHT\"]",
        at + "7: \"fly\" names \"g\" twice; using the default [\"SPACE\"]",
        at + "9: \"menu\": \"R\" is bound to \"run\" as well; using the default [\"F10\"]",
        at + "10: \"scream\": \"H\" is bound to \"hud\" as well; using the default "
             "[\"LEFT_CONTROL\"]",
        at + "11: \"fullscreen\" must be a list of at most two key names, e.g. [\"W\", \"UP\"]; "
             "using the default [\"F11\"]",
    };
    EXPECT_EQ(reading.problems, expected);
    KeyBindings wanted;
    wanted.set(Action::Run, keys(GLFW_KEY_R));
    EXPECT_TRUE(reading.values.keys == wanted);

    // Taking back a line can free nothing and bind nothing twice: here the
    // later forward falls back to W, which the earlier back wanted.
    const SettingsReading chain =
        readSettingsText("[keys]\nback = [\"W\"]\nforward = [\"S\", \"LEFT_SHIFT\"]\n", name);
    EXPECT_EQ(chain.problems,
              (std::vector<std::string>{
                  at + "2: \"back\": \"W\" is bound to \"forward\" as well; using the default "
                       "[\"S\", \"DOWN\"]",
                  at + "3: \"forward\": \"LEFT_SHIFT\" is bound to \"run\" as well; using the "
                       "default [\"W\", \"UP\"]"}));
    EXPECT_TRUE(chain.values.keys == KeyBindings());
    // Two actions trading keys is no fault.
    EXPECT_TRUE(
        readSettingsText("[keys]\nforward = [\"S\"]\nback = [\"W\"]\n", name).problems.empty());

    EXPECT_EQ(readSettingsText("keys = 3\n", name).problems,
              std::vector<std::string>{at + "1: \"keys\" must be a table, e.g. [keys] with forward "
                                            "= [\"W\", \"UP\"] below it; using the default keys"});
}

TEST(KeyBindings, RebindingTakesTheKeyFromItsActionWhichGetsTheOldKeyInstead) {
    KeyBindings bound;
    EXPECT_EQ(bound.bind(Action::Scream, 0, GLFW_KEY_W), Action::Forward);
    EXPECT_EQ(bound.keysFor(Action::Scream), keys(GLFW_KEY_W));
    EXPECT_EQ(bound.keysFor(Action::Forward), keys(GLFW_KEY_LEFT_CONTROL, GLFW_KEY_UP));

    // Into an empty slot: the loser is left with what it has beside.
    EXPECT_EQ(bound.bind(Action::Scream, 1, GLFW_KEY_UP), Action::Forward);
    EXPECT_EQ(bound.keysFor(Action::Forward), keys(GLFW_KEY_LEFT_CONTROL));
    EXPECT_EQ(bound.keysFor(Action::Scream), keys(GLFW_KEY_W, GLFW_KEY_UP));

    // Within one action the two keys change places; emptying a slot packs.
    EXPECT_EQ(bound.bind(Action::Scream, 0, GLFW_KEY_UP), std::nullopt);
    EXPECT_EQ(bound.keysFor(Action::Scream), keys(GLFW_KEY_UP, GLFW_KEY_W));
    bound.bind(Action::Scream, 0, KeyBindings::noKey);
    EXPECT_EQ(bound.keysFor(Action::Scream), keys(GLFW_KEY_W));

    // The game's own keys and bad slots change nothing.
    const KeyBindings before = bound;
    for (const int kept : {GLFW_KEY_ESCAPE, GLFW_KEY_F2, GLFW_KEY_F9, 1000}) {
        EXPECT_EQ(bound.bind(Action::Pause, 0, kept), std::nullopt);
    }
    bound.bind(Action::Pause, 2, GLFW_KEY_K);
    EXPECT_TRUE(bound == before);
    EXPECT_TRUE(keyBindable(GLFW_KEY_F1) && keyBindable(GLFW_KEY_F10));
}

TEST(KeyBindings, NamesAndLabels) {
    EXPECT_EQ(keyNamed("left_control"), GLFW_KEY_LEFT_CONTROL);
    EXPECT_EQ(keyNamed("GLFW_KEY_A"), std::nullopt);
    EXPECT_EQ(keyLabel(GLFW_KEY_Z, "y"), "Y") << "the layout's name (a German keyboard)";
    EXPECT_EQ(keyLabel(GLFW_KEY_LEFT_CONTROL, nullptr), "Left Control");
    EXPECT_EQ(keyLabel(GLFW_KEY_KP_ENTER, nullptr), "Keypad Enter");
}

}  // namespace
}  // namespace dusk::test
