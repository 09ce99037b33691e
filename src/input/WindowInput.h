#pragma once
#include <array>
#include <string>
#include <vector>

#include "input/Gamepad.h"
#include "input/GamepadReader.h"
#include "scene/PlayerControls.h"
#include "settings/UserSettings.h"

struct GLFWwindow;

namespace dusk {

// A point of the screen in pixels.
struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// The mouse's reference point: half the primary monitor's width and height
// (integer halves), (0, 0) without a monitor or mode. GLFW must be
// initialised. Ask once: the video mode costs X round trips.
ScreenPoint screenCentre();

// Everything the player did since the last frame, read once a frame.
struct InputFrame {
    // What the round gets; all false and zero while the round does not run.
    scene::PlayerControls controls;
    // Only on the frames that run the throttled key handler (ten times a
    // second): which of Esc, F2, F3, F4, F5, F8 and F9 are held or were tapped
    // since its last read, in that order.
    std::vector<int> toggles;
    // Every key press since the last frame, in order (no repeats).
    std::vector<int> presses;
    int clicks = 0;  // mouse button presses
    bool focusLost = false;
    int newWidth = 0;  // the framebuffer's new size, 0 when unchanged
    int newHeight = 0;
    bool shiftHeld = false;  // either Shift key, now
    // The presses made with either Shift key down, in order: a quick Shift+R
    // has let Shift go again by the time the frame is read.
    std::vector<int> shiftedPresses;
    // The gamepad's part: its buttons' presses (its sticks, triggers and held
    // buttons are in controls), and whether a pad came or went.
    PadFrame pad;
    GamepadReader::Change padChange = GamepadReader::Change::None;
    std::string padName;
};

// Adds a pad's frame to the controls the keys and the mouse gave: its walk
// (tilt forward and right), run, fly and scream, and its look turned by the
// look speed (degrees a second at full tilt) and invert setting over dt.
void addPad(const PadFrame& pad, const UserSettings& options, float dt,
            scene::PlayerControls& controls);

// The window's keyboard and mouse, turned into one InputFrame a frame.
// Presses are latched until read, so a key pressed and released between two
// reads still counts once, while a key held down reads as pressed at every
// read. A press made while the round does not run never reaches the round:
// that key counts for it again only once it has been let go.
// Make it before Dear ImGui installs its callbacks (ImGui chains to ours).
class WindowInput {
public:
    static constexpr int keyCount = 349;  // GLFW_KEY_LAST + 1

    // reference: the cursor's home in window coordinates; mouse look turns by
    // the cursor's offset from it and puts it back there. settings: the key
    // bindings, mouse and pad settings read at every frame; they outlive this.
    WindowInput(GLFWwindow* window, ScreenPoint reference, const UserSettings& settings);
    ~WindowInput();
    WindowInput(const WindowInput&) = delete;
    WindowInput& operator=(const WindowInput&) = delete;

    // The frame's record. playing: the round runs (controls are read and the
    // cursor is brought home); throttled: the toggles are read. dt: the
    // frame's time, for the pad's look. The keys follow the bindings of the
    // settings, the pad its dead zone and look speed.
    InputFrame read(bool playing, bool throttled, float dt = 0.0f);
    // Drops latched presses and pending events (a new state of the game
    // starts: nothing from before answers it); the pad's buttons down now
    // answer nothing until they are let go.
    void forget();
    // Whether the round runs from now on (read() says so too): presses made
    // while it does not are kept from it.
    void setPlaying(bool playingNow) { playing = playingNow; }
    // Puts the cursor on its home.
    void centreCursor();
    int referenceX() const { return refX; }
    int referenceY() const { return refY; }

private:
    static void onKey(GLFWwindow* window, int key, int scancode, int action, int mods);
    static void onMouseButton(GLFWwindow* window, int button, int action, int mods);
    static void onFocus(GLFWwindow* window, int focused);
    static void onFramebufferSize(GLFWwindow* window, int width, int height);
    static WindowInput* of(GLFWwindow* window);

    // Down now, or pressed since the last read of this key.
    bool pressed(int key);
    bool held(int key) const;
    // Any key of the action held, or (latched) pressed since the last read.
    bool actionHeld(int action) const;
    bool actionPressed(int action);
    void readControls(scene::PlayerControls& controls);
    void readPad(InputFrame& frame, float dt);

    GLFWwindow* window;
    const UserSettings& settings;
    int refX;
    int refY;
    std::array<bool, keyCount> latched{};
    // Pressed while the round did not run, and not let go since.
    std::array<bool, keyCount> suppressed{};
    InputFrame pending;
    GamepadReader padReader;
    Gamepad pad;
    bool hadFocus = false;
    bool playing = true;
};

}  // namespace dusk
