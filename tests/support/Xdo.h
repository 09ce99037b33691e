#pragma once
// Real X input and window queries for tests that drive the game's window
// under Xvfb, through the xdotool, xwininfo and import command-line tools.
//
// There is no window manager under Xvfb: keyboard focus follows the pointer.
// Before sending keys, put the pointer over the game's window:
//
//   unsigned long id = Xdo::findWindow("^Duskhollow$", 10.0, game.pid());
//   ASSERT_NE(id, 0u);
//   Xdo::focusWindow(id);           // pointer to the window's centre
//   Xdo::holdKey("F3");             // keydown, ~0.15 s, keyup
//   Xdo::keyDown("w"); ...; Xdo::keyUp("w");
//   Xdo::WindowSize size = Xdo::windowSize(id);
//
// Xvfb resets itself when its last client disconnects, and the pointer goes
// back to the centre: pointer moves only stick while the game (or another
// client) is connected.
//
// Key names are X keysym names as xdotool takes them: "Escape", "F2",
// "Control_L" (left Control), "Shift_L", "space", "w", "Up".
// The game reads function keys and Esc only every 0.1 s, so a plain press
// can fall between two reads: holdKey keeps the key down long enough.
#include <sys/types.h>

#include <string>

namespace dusk::test {

class Xdo {
public:
    struct WindowSize {
        int width = 0;
        int height = 0;
    };

    static void keyDown(const std::string& key);
    static void keyUp(const std::string& key);
    // keyDown, sleep, keyUp.
    static void holdKey(const std::string& key, double seconds = 0.15);
    // Moves the pointer to screen coordinates (x, y).
    static void mouseMove(int x, int y);
    // Moves the pointer to (x, y) relative to the window's top-left corner.
    static void mouseMoveInWindow(unsigned long id, int x, int y);
    // Puts the pointer over the window so that it receives the keyboard, at
    // its centre: for the game's window, the size of this 1280 x 720 screen,
    // that is where the game keeps its hidden cursor, so focusing turns no
    // view (from a corner, the move turned it whenever the game read it).
    static void focusWindow(unsigned long id);

    // Polls until a window whose name matches the regular expression exists
    // (and, when pid > 0, belongs to that process); returns its id, or 0 when
    // none turned up within timeoutSeconds.
    static unsigned long findWindow(const std::string& nameRegex, double timeoutSeconds,
                                    pid_t pid = 0);
    // Both 0 when the window does not exist (any more).
    static WindowSize windowSize(unsigned long id);
    // Empty when the window does not exist.
    static std::string windowTitle(unsigned long id);
    // The whole virtual screen as an image file (format from the extension).
    static bool screenshot(const std::string& path);

    // ImageMagick's normalised RMSE (0..1) between two image files, or
    // between the same region ("WxH+X+Y") of both; -1 when compare failed.
    static double imageDifference(const std::string& a, const std::string& b,
                                  const std::string& region = "");

    // Runs a shell command; returns its standard output, sets *status to its
    // exit status (-1 when it could not be run or did not exit normally).
    static std::string run(const std::string& command, int* status = nullptr);
    // The text in single quotes for the shell.
    static std::string quote(const std::string& text);
};

}  // namespace dusk::test
