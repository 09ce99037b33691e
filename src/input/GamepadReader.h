#pragma once
// Which gamepad the game listens to, and its state each frame. The pad in
// use is the first joystick GLFW knows as a gamepad (one with a mapping); it
// stays in use while it is connected. Only GLFW's joystick functions are
// used, so a game without a pad reads nothing else.
//
//   GamepadReader reader;                         // after glfwInit
//   const GamepadReader::Reading pad = reader.poll();
//   if (pad.change != GamepadReader::Change::None) gamepad.reset();
//   if (pad.present) frame = gamepad.next(pad.state, deadZone);
#include <GL/glew.h>  // before GLFW, which would bring in gl.h
#include <GLFW/glfw3.h>

#include <filesystem>
#include <optional>
#include <string>

namespace dusk {

class GamepadReader {
public:
    enum class Change {
        None,
        Connected,     // a pad is in use now (or another one than before)
        Disconnected,  // the pad in use is gone and no other is there
    };

    struct Reading {
        bool present = false;
        GLFWgamepadstate state{};  // all released when no pad is there
        Change change = Change::None;
        std::string name;  // the pad's name from its mapping, when present
    };

    // The pad's state now. Needs glfwInit; call once a frame, after the
    // events were polled.
    Reading poll();

private:
    // The first joystick that is a gamepad, or -1.
    static int firstGamepad();

    int joystick_ = -1;  // the pad in use, -1 when none
};

// Adds the gamepad mappings of file (SDL's gamecontrollerdb.txt format, one
// pad a line) to GLFW's own. A missing file is no fault. A file that cannot
// be read gives one line and adds nothing; lines GLFW refuses are left out
// and give one line naming the first of them and how many there were.
// Needs glfwInit.
std::optional<std::string> loadGamepadMappings(const std::filesystem::path& file);

}  // namespace dusk
