// The session's keys (the throttled block, the window's own actions, the
// menu's key capture), pause and the settings taking effect.
#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <algorithm>

#include "app/FramePacing.h"
#include "app/Session.h"
#include "base/Console.h"
#include "ui/ControlsHelp.h"

namespace dusk {

void Session::runThrottledBlock(const InputFrame& frame, float dt) {
    // An Esc that closed the menu ends nothing while it is held.
    if (std::find(frame.toggles.begin(), frame.toggles.end(), GLFW_KEY_ESCAPE) ==
        frame.toggles.end()) {
        escapeSwallowed = false;
    }
    for (const int key : frame.toggles) {
        handleToggle(key);
    }
    if (toggles_.on(DebugToggles::FrameTime)) {
        printLine(frameTimeLine(dt));
    }
    if (toggles_.on(DebugToggles::ObjectsDrawn)) {
        // The trees in view and the twelve objects always drawn (ten kids,
        // ground and sky).
        printLine("Objects drawn: " + std::to_string(renderer_.treesInView() + 12));
    }
}

void Session::handleToggle(int key) {
    switch (key) {
        case GLFW_KEY_ESCAPE:
            if (!menu.isOpen() && !escapeSwallowed) {
                glfwSetWindowShouldClose(window_, GLFW_TRUE);
            }
            break;
        case GLFW_KEY_F2:
            for (const char* line : helpLines()) {
                printLine(line);
            }
            hud_.showHelp(glfwGetTime());
            helpOpened = true;
            toggles_.press(key);
            break;
        default:
            if (const char* line = toggles_.press(key)) {
                announce(line);
            }
            break;
    }
}

void Session::handleWindowEvents(const InputFrame& frame) {
    renderer_.resize(frame.newWidth, frame.newHeight);
    announcePad(frame);
    std::vector<Action> actions;
    for (const int key : frame.presses) {
        if (menu.isCapturingKey()) {
            captureKey(key);
        } else if (key == GLFW_KEY_ESCAPE && menu.isOpen()) {
            setMenuOpen(false);  // Esc closes the menu; it does not end the game
            escapeSwallowed = true;
        } else if (const std::optional<Action> action = settings().keys.actionOf(key)) {
            actions.push_back(*action);
        }
    }
    if (frame.pad.hud) {
        actions.push_back(Action::Hud);
    }
    if (frame.pad.menu) {
        actions.push_back(Action::Menu);
    }
    for (const Action action : actions) {
        handleWindowAction(action);
    }
    if (frame.focusLost) {
        setPaused(true);
    } else if (frame.clicks > 0 && paused && !menu.isOpen()) {
        setPaused(false);  // a click in the menu is the menu's
    }
}

// The Controls tab waits for a key: this one is bound (Esc cancels).
void Session::captureKey(int key) {
    escapeSwallowed = escapeSwallowed || key == GLFW_KEY_ESCAPE;
    if (menu.keyPressed(key, settings()).finished) {
        settingsChanged();
    }
}

void Session::handleWindowAction(Action action) {
    switch (action) {
        case Action::Hud:
            settings().hud = !hud_.isVisible();
            settingsChanged();
            break;
        case Action::Pause:
            if (!menu.isOpen()) {
                setPaused(!paused);
            }
            break;
        case Action::Menu:
            setMenuOpen(!menu.isOpen());
            break;
        case Action::Fullscreen:
            settings().fullscreen = !windowMode.isFullscreen();
            settingsChanged();
            break;
        default:
            break;
    }
}

// A pad that comes or goes says so on the HUD (not on the console).
void Session::announcePad(const InputFrame& frame) {
    if (frame.padChange == GamepadReader::Change::Connected) {
        hud_.toast("Gamepad connected: " + frame.padName, glfwGetTime());
    } else if (frame.padChange == GamepadReader::Change::Disconnected) {
        hud_.toast("Gamepad disconnected", glfwGetTime());
    }
}

void Session::setMenuOpen(bool open) {
    if (open && !menuPaused) {
        pausedBeforeMenu = paused;
    }
    menu.setOpen(open);
    menuPaused = open;
    setPaused(open || pausedBeforeMenu);
}

void Session::settingsChanged() {
    applySettings(settings());
    settingsStore().save();
}

void Session::applySettings(const UserSettings& chosen) {
    if (hud_.helpLines.empty() || chosen.keys != applied.keys) {
        showControls(chosen.keys);
    }
    if (chosen.vsync != applied.vsync) {
        windowMode.setVsync(chosen.vsync);
    }
    frameCap = chosen.frameCap;
    windowMode.setFullscreen(chosen.fullscreen);
    hud_.setVisible(chosen.hud);
    sound_.setVolume(static_cast<float>(chosen.masterVolume));
    applied = chosen;
}

void Session::showControls(const KeyBindings& keys) {
    hud_.helpLines = controlsHelp(
        keys, [](int key) { return keyLabel(key, glfwGetKeyName(key, 0)); },
        round_->difficulty().screamReach);
}

void Session::setPaused(bool pause) {
    if (pause == paused) {
        return;
    }
    paused = pause;
    input.setPlaying(!paused);
    sound_.setPaused(paused);  // silence, then on where it was
    glfwSetInputMode(window_, GLFW_CURSOR, paused ? GLFW_CURSOR_NORMAL : GLFW_CURSOR_HIDDEN);
    if (!paused) {
        // Back where the camera expects the cursor, so the view does not
        // jump by wherever the free cursor went; and the wall time spent
        // paused is not the next frame's dt.
        input.centreCursor();
        previousFrame = glfwGetTime();
    }
}

}  // namespace dusk
