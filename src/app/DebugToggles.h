#pragma once
// The function keys' diagnostic switches (F2-F9) and the console's help.
#include <array>

namespace dusk {

struct FrameOptions;

// One function key's switch. Values are -1, 0 or 1.
struct DebugToggle {
    int key;           // the GLFW key that steps it
    const char* name;  // what the help and the messages call it
    int (*next)(int);  // the value after a press
    // The line a press prints, by the new value -1, 0, 1 (nullptr: none).
    std::array<const char*, 3> said;
    int start;
};

// The switches of one session, read by the frame and the throttled key block.
class DebugToggles {
public:
    // The table's rows, in the order the throttled block reads the keys.
    enum Toggle { FrameTime, Wireframe, Bilinear, Mipmap, ObjectsDrawn, Transparency, count };

    static const std::array<DebugToggle, count>& table();

    // Every switch at its start value.
    DebugToggles();

    // Steps the switch of key (a key without one changes nothing) and
    // returns the line it prints, nullptr for none.
    const char* press(int key);
    int value(Toggle toggle) const { return values[toggle]; }
    bool on(Toggle toggle) const { return values[toggle] == 1; }
    // value: -1, 0 or 1 (tests set a state straight away).
    void set(Toggle toggle, int value) { values[toggle] = value; }
    // The switches' part of a frame's options: wireframe, filtering, mipmaps
    // and the screen pass's transparency flag (on until F9 first turns it).
    void fill(FrameOptions& frame) const;
    int transparencyFlag() const { return values[Transparency] != 0 ? 1 : 0; }

private:
    std::array<int, count> values;
};

// F5 cycles off (-1) -> nearest neighbour (0) -> bilinear (1) -> off.
int nextMipmapMode(int mode);

// The twelve lines F2 prints.
const std::array<const char*, 12>& helpLines();

}  // namespace dusk
