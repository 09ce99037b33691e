#include "settings/KeyBindings.h"

// Only for the key codes; nothing here calls GLFW.
#include <GLFW/glfw3.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <utility>

namespace dusk {

namespace {

struct NamedKey {
    const char* name;
    int code;
};

#define DUSK_KEY(name) \
    NamedKey { #name, GLFW_KEY_##name }

// Every key GLFW names, in the order of its codes.
// clang-format off
const NamedKey namedKeys[] = {
    DUSK_KEY(SPACE), DUSK_KEY(APOSTROPHE), DUSK_KEY(COMMA), DUSK_KEY(MINUS), DUSK_KEY(PERIOD),
    DUSK_KEY(SLASH), DUSK_KEY(0), DUSK_KEY(1), DUSK_KEY(2), DUSK_KEY(3), DUSK_KEY(4),
    DUSK_KEY(5), DUSK_KEY(6), DUSK_KEY(7), DUSK_KEY(8), DUSK_KEY(9), DUSK_KEY(SEMICOLON),
    DUSK_KEY(EQUAL), DUSK_KEY(A), DUSK_KEY(B), DUSK_KEY(C), DUSK_KEY(D), DUSK_KEY(E),
    DUSK_KEY(F), DUSK_KEY(G), DUSK_KEY(H), DUSK_KEY(I), DUSK_KEY(J), DUSK_KEY(K), DUSK_KEY(L),
    DUSK_KEY(M), DUSK_KEY(N), DUSK_KEY(O), DUSK_KEY(P), DUSK_KEY(Q), DUSK_KEY(R), DUSK_KEY(S),
    DUSK_KEY(T), DUSK_KEY(U), DUSK_KEY(V), DUSK_KEY(W), DUSK_KEY(X), DUSK_KEY(Y), DUSK_KEY(Z),
    DUSK_KEY(LEFT_BRACKET), DUSK_KEY(BACKSLASH), DUSK_KEY(RIGHT_BRACKET),
    DUSK_KEY(GRAVE_ACCENT), DUSK_KEY(WORLD_1), DUSK_KEY(WORLD_2), DUSK_KEY(ESCAPE),
    DUSK_KEY(ENTER), DUSK_KEY(TAB), DUSK_KEY(BACKSPACE), DUSK_KEY(INSERT), DUSK_KEY(DELETE),
    DUSK_KEY(RIGHT), DUSK_KEY(LEFT), DUSK_KEY(DOWN), DUSK_KEY(UP), DUSK_KEY(PAGE_UP),
    DUSK_KEY(PAGE_DOWN), DUSK_KEY(HOME), DUSK_KEY(END), DUSK_KEY(CAPS_LOCK),
    DUSK_KEY(SCROLL_LOCK), DUSK_KEY(NUM_LOCK), DUSK_KEY(PRINT_SCREEN), DUSK_KEY(PAUSE),
    DUSK_KEY(F1), DUSK_KEY(F2), DUSK_KEY(F3), DUSK_KEY(F4), DUSK_KEY(F5), DUSK_KEY(F6),
    DUSK_KEY(F7), DUSK_KEY(F8), DUSK_KEY(F9), DUSK_KEY(F10), DUSK_KEY(F11), DUSK_KEY(F12),
    DUSK_KEY(F13), DUSK_KEY(F14), DUSK_KEY(F15), DUSK_KEY(F16), DUSK_KEY(F17), DUSK_KEY(F18),
    DUSK_KEY(F19), DUSK_KEY(F20), DUSK_KEY(F21), DUSK_KEY(F22), DUSK_KEY(F23), DUSK_KEY(F24),
    DUSK_KEY(F25), DUSK_KEY(KP_0), DUSK_KEY(KP_1), DUSK_KEY(KP_2), DUSK_KEY(KP_3),
    DUSK_KEY(KP_4), DUSK_KEY(KP_5), DUSK_KEY(KP_6), DUSK_KEY(KP_7), DUSK_KEY(KP_8),
    DUSK_KEY(KP_9), DUSK_KEY(KP_DECIMAL), DUSK_KEY(KP_DIVIDE), DUSK_KEY(KP_MULTIPLY),
    DUSK_KEY(KP_SUBTRACT), DUSK_KEY(KP_ADD), DUSK_KEY(KP_ENTER), DUSK_KEY(KP_EQUAL),
    DUSK_KEY(LEFT_SHIFT), DUSK_KEY(LEFT_CONTROL), DUSK_KEY(LEFT_ALT), DUSK_KEY(LEFT_SUPER),
    DUSK_KEY(RIGHT_SHIFT), DUSK_KEY(RIGHT_CONTROL), DUSK_KEY(RIGHT_ALT), DUSK_KEY(RIGHT_SUPER),
    DUSK_KEY(MENU),
};
// clang-format on

#undef DUSK_KEY

constexpr int none = KeyBindings::noKey;

const std::array<KeyBindings::Keys, actionCount> gameKeys = {{
    {GLFW_KEY_W, GLFW_KEY_UP},
    {GLFW_KEY_S, GLFW_KEY_DOWN},
    {GLFW_KEY_A, GLFW_KEY_LEFT},
    {GLFW_KEY_D, GLFW_KEY_RIGHT},
    {GLFW_KEY_LEFT_SHIFT, none},
    {GLFW_KEY_SPACE, none},
    {GLFW_KEY_LEFT_CONTROL, none},
    {GLFW_KEY_P, none},
    {GLFW_KEY_H, none},
    {GLFW_KEY_F10, none},
    {GLFW_KEY_F11, none},
}};

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// "LEFT_CONTROL" -> "Left Control", "KP_ENTER" -> "Keypad Enter".
std::string readable(const std::string& name) {
    std::string words = name.rfind("KP_", 0) == 0 ? "Keypad " + name.substr(3) : name;
    bool wordStart = true;
    for (char& c : words) {
        if (c == '_') {
            c = ' ';
        }
        c = wordStart ? c : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        wordStart = c == ' ';
    }
    return words;
}

// Bound keys first, so that every action's keys read the same from any place.
void packKeys(KeyBindings::Keys& keys) {
    if (keys[0] == none) {
        std::swap(keys[0], keys[1]);
    }
}

std::string usingDefault(Action action) {
    return "; using the default " + keyListText(KeyBindings::defaultKeys(action));
}

// What is wrong with an entry's list of keys, read into keys; empty when
// nothing is.
std::string readKeyList(const KeyEntry& entry, KeyBindings::Keys& keys) {
    const std::string action = "\"" + entry.action + "\"";
    if (!entry.isList) {
        return action + " must be a list of at most two key names, e.g. [\"W\", \"UP\"]";
    }
    if (entry.names.size() > KeyBindings::slotCount) {
        return action + " has more than two keys";
    }
    keys = {none, none};
    for (size_t i = 0; i < entry.names.size(); ++i) {
        const std::string name = "\"" + entry.names[i] + "\"";
        const std::optional<int> key = keyNamed(entry.names[i]);
        if (!key) {
            return action + ": unknown key name " + name;
        }
        if (!keyBindable(*key)) {
            return action + ": " + name +
                   " is the game's own key (Esc and F2 to F9 cannot be bound)";
        }
        if (std::find(keys.begin(), keys.end(), *key) != keys.end()) {
            return action + " names " + name + " twice";
        }
        keys[i] = *key;
    }
    return "";
}

// An entry whose keys are in use.
struct Applied {
    Action action;
    long line;
};

// Another action that has the key too.
std::optional<Action> otherHolder(const KeyBindings& bindings, Action action, int key) {
    for (const Action other : allActions()) {
        if (other != action && bindings.isBound(other, key)) {
            return other;
        }
    }
    return std::nullopt;
}

// A key the action shares with another, as a fault; empty when it has none.
std::string sharedKey(const KeyBindings& bindings, Action action) {
    for (const int key : bindings.keysFor(action)) {
        if (const std::optional<Action> other = otherHolder(bindings, action, key)) {
            return "\"" + std::string(actionName(action)) + "\": \"" + keyName(key) +
                   "\" is bound to \"" + actionName(*other) + "\" as well";
        }
    }
    return "";
}

// Takes back the latest entry that shares a key, until none does; every
// step leaves one more action at its default, so this ends.
void settleSharedKeys(KeyBindings& bindings, std::vector<Applied>& applied,
                      std::vector<KeyFault>& faults) {
    std::sort(applied.begin(), applied.end(),
              [](const Applied& a, const Applied& b) { return a.line > b.line; });
    for (auto it = applied.begin(); it != applied.end();) {
        const std::string fault = sharedKey(bindings, it->action);
        if (fault.empty()) {
            ++it;
            continue;
        }
        faults.push_back({it->line, fault + usingDefault(it->action)});
        bindings.set(it->action, KeyBindings::defaultKeys(it->action));
        applied.erase(it);
        it = applied.begin();
    }
}

}  // namespace

const std::array<Action, actionCount>& allActions() {
    static const std::array<Action, actionCount> values = [] {
        std::array<Action, actionCount> all{};
        for (std::size_t i = 0; i < all.size(); ++i) {
            all[i] = actions[i].value;
        }
        return all;
    }();
    return values;
}

const char* actionName(Action action) { return entryOf(actions, action).name; }

std::optional<Action> actionNamed(const std::string& name) {
    return valueNamed(actions, name, false);
}

std::string keyName(int key) {
    for (const NamedKey& named : namedKeys) {
        if (named.code == key) {
            return named.name;
        }
    }
    return "";
}

std::optional<int> keyNamed(const std::string& name) {
    const std::string wanted = upper(name);
    for (const NamedKey& named : namedKeys) {
        if (wanted == named.name) {
            return named.code;
        }
    }
    return std::nullopt;
}

bool keyBindable(int key) {
    const bool kept = key == GLFW_KEY_ESCAPE || (key >= GLFW_KEY_F2 && key <= GLFW_KEY_F9);
    return !kept && !keyName(key).empty();
}

std::string keyLabel(int key, const char* layoutName) {
    if (layoutName != nullptr && *layoutName != '\0') {
        return upper(layoutName);
    }
    return readable(keyName(key));
}

KeyBindings::KeyBindings() : keys_(gameKeys) {}

const KeyBindings::Keys& KeyBindings::defaultKeys(Action action) {
    return gameKeys[static_cast<size_t>(action)];
}

const KeyBindings::Keys& KeyBindings::keysFor(Action action) const {
    return keys_[static_cast<size_t>(action)];
}

bool KeyBindings::isBound(Action action, int key) const {
    const Keys& keys = keysFor(action);
    return key != none && std::find(keys.begin(), keys.end(), key) != keys.end();
}

std::optional<Action> KeyBindings::actionOf(int key) const {
    for (const Action action : allActions()) {
        if (isBound(action, key)) {
            return action;
        }
    }
    return std::nullopt;
}

std::optional<Action> KeyBindings::bind(Action action, int slot, int key) {
    if (slot < 0 || slot >= slotCount || (key != none && !keyBindable(key))) {
        return std::nullopt;
    }
    Keys& keys = keysOf(action);
    const int previous = keys[static_cast<size_t>(slot)];
    if (previous == key) {
        return std::nullopt;
    }
    const std::optional<Action> holder = actionOf(key);
    std::optional<Action> loser;
    if (holder && *holder != action) {
        Keys& theirs = keysOf(*holder);
        *std::find(theirs.begin(), theirs.end(), key) = previous;
        packKeys(theirs);
        loser = holder;
    } else if (holder) {
        // The action's other slot had it: the two swap places.
        keys[static_cast<size_t>(1 - slot)] = previous;
    }
    keys[static_cast<size_t>(slot)] = key;
    packKeys(keys);
    return loser;
}

void KeyBindings::set(Action action, const Keys& keys) {
    keysOf(action) = keys;
    packKeys(keysOf(action));
}

KeyBindings keyBindingsFrom(const std::vector<KeyEntry>& entries, std::vector<KeyFault>& faults) {
    KeyBindings bindings;
    std::vector<Applied> applied;
    for (const KeyEntry& entry : entries) {
        const std::optional<Action> action = actionNamed(entry.action);
        if (!action) {
            faults.push_back(
                {entry.line, "unknown action \"" + entry.action + "\" in [keys]; ignored"});
            continue;
        }
        KeyBindings::Keys keys{};
        const std::string fault = readKeyList(entry, keys);
        if (!fault.empty()) {
            faults.push_back({entry.line, fault + usingDefault(*action)});
            continue;
        }
        bindings.set(*action, keys);
        applied.push_back({*action, entry.line});
    }
    settleSharedKeys(bindings, applied, faults);
    std::stable_sort(faults.begin(), faults.end(),
                     [](const KeyFault& a, const KeyFault& b) { return a.line < b.line; });
    return bindings;
}

std::string keysTableText(const KeyBindings& bindings) {
    std::string text;
    for (const Action action : allActions()) {
        if (!bindings.isDefault(action)) {
            text += std::string(actionName(action)) + " = " +
                    keyListText(bindings.keysFor(action)) + "\n";
        }
    }
    return text.empty() ? text : "\n[keys]\n" + text;
}

std::string keyListText(const KeyBindings::Keys& keys) {
    std::string text = "[";
    for (const int key : keys) {
        if (key != KeyBindings::noKey) {
            text += (text.size() > 1 ? ", \"" : "\"") + keyName(key) + "\"";
        }
    }
    return text + "]";
}

}  // namespace dusk
