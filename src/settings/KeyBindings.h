#pragma once
// Which keys drive which of the player's controls. Every action has up to two
// keys, held as GLFW key codes: a key is bound by its place on the keyboard,
// whatever the layout prints on it. No key drives two actions, and the keys
// the game keeps for itself (Esc, F2 to F9) drive none.
//
//   KeyBindings keys;                                   // the game's own keys
//   if (keys.isBound(Action::Scream, GLFW_KEY_LEFT_CONTROL)) { ... }
//   keys.bind(Action::Scream, 0, GLFW_KEY_E);           // E screams now
//
// In settings.toml they are the [keys] table, one action per line:
//
//   [keys]
//   forward = ["W", "UP"]
//   scream = ["LEFT_CONTROL"]
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "settings/EnumTable.h"

namespace dusk {

enum class Action {
    Forward,
    Back,
    Left,
    Right,
    Run,
    Fly,
    Scream,
    Pause,
    Hud,
    Menu,
    Fullscreen,
};

constexpr int actionCount = 11;

// Every action, in the order the settings file and the menu list them: its
// name in the [keys] table and its label in the menu.
inline constexpr EnumTable<Action, actionCount> actions = {{
    {Action::Forward, "forward", "forward"},
    {Action::Back, "back", "back"},
    {Action::Left, "left", "left"},
    {Action::Right, "right", "right"},
    {Action::Run, "run", "run"},
    {Action::Fly, "fly", "fly"},
    {Action::Scream, "scream", "scream"},
    {Action::Pause, "pause", "pause"},
    {Action::Hud, "hud", "hud"},
    {Action::Menu, "menu", "menu"},
    {Action::Fullscreen, "fullscreen", "fullscreen"},
}};

// The actions alone, in the table's order.
const std::array<Action, actionCount>& allActions();
// The action's name in the [keys] table: "forward", "back", ... "fullscreen".
const char* actionName(Action action);
// The action with that name (exact, lower case); nothing for another word.
std::optional<Action> actionNamed(const std::string& name);

// A key's name in the settings file: GLFW's name without "GLFW_KEY_", e.g.
// "W", "LEFT_CONTROL", "KP_ENTER". Empty for a code GLFW has no name for.
std::string keyName(int key);
// The GLFW code of a key name, in any letter case; nothing for an unknown name.
std::optional<int> keyNamed(const std::string& name);
// False for the keys the game keeps (Esc ends the game, F2..F9 switch its
// views) and for codes that are no key.
bool keyBindable(int key);
// The key as the menu shows it: the layout's own name for a printable key
// when the system gives one (pass glfwGetKeyName(key, 0), which may be
// null), otherwise a readable form of keyName, e.g. "Left Control".
std::string keyLabel(int key, const char* layoutName);

class KeyBindings {
public:
    static constexpr int slotCount = 2;
    static constexpr int noKey = -1;  // GLFW_KEY_UNKNOWN: an empty slot
    // The keys of one action; an empty slot is noKey and comes after a bound one.
    using Keys = std::array<int, slotCount>;

    // The game's keys: forward W/Up, back S/Down, left A/Left, right D/Right,
    // run Left Shift, fly Space, scream Left Control, pause P, hud H,
    // menu F10, fullscreen F11.
    KeyBindings();

    static const Keys& defaultKeys(Action action);

    bool isBound(Action action, int key) const;
    const Keys& keysFor(Action action) const;
    // The action the key drives, if any.
    std::optional<Action> actionOf(int key) const;

    // Makes key the action's key in slot 0 or 1 (noKey empties the slot).
    // When another action had the key, it takes the key the action had in
    // that slot instead (nothing when the slot was empty) and is returned.
    // A key that is not bindable, or a slot out of range, changes nothing.
    std::optional<Action> bind(Action action, int slot, int key);
    // Sets all keys of the action at once, as the settings file does; keys
    // must be bindable and not bound elsewhere (the reader checks first).
    void set(Action action, const Keys& keys);

    bool isDefault(Action action) const { return keysFor(action) == defaultKeys(action); }
    bool operator==(const KeyBindings& other) const { return keys_ == other.keys_; }
    bool operator!=(const KeyBindings& other) const { return keys_ != other.keys_; }

private:
    Keys& keysOf(Action action) { return keys_[static_cast<size_t>(action)]; }

    std::array<Keys, actionCount> keys_;
};

// The keys as the settings file writes them: ["W", "UP"], or [] for none.
std::string keyListText(const KeyBindings::Keys& keys);

// One line of the [keys] table as the file has it.
struct KeyEntry {
    std::string action;
    long line = 0;
    bool isList = false;             // false: the value is no list of strings
    std::vector<std::string> names;  // the key names listed
};

// A faulty line of the [keys] table: what follows "line N: " in its message.
struct KeyFault {
    long line = 0;
    std::string what;
};

// The bindings the table's entries give. A faulty entry (unknown action,
// unknown or kept key name, more than two keys, a key listed twice, a key
// another action has too) adds one fault and leaves its action at its
// default; when two entries want one key, the later line is the faulty one.
// The faults come in the order of their lines.
KeyBindings keyBindingsFrom(const std::vector<KeyEntry>& entries, std::vector<KeyFault>& faults);

// The [keys] table for the settings file, listing only the actions whose
// keys differ from the game's; empty when none does.
std::string keysTableText(const KeyBindings& bindings);

}  // namespace dusk
