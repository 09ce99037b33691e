#include "app/FrameLoop.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "app/Game.h"
#include "app/MainLoop.h"
#include "app/Rules.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "audio/GameAudio.h"
#include "base/Console.h"
#include "render/PassScheduler.h"
#include "scene/Camera.h"
#include "settings/SettingsStore.h"

namespace dusk {

FrameLoop::FrameLoop(Game& game)
    : game(game),
      input(game.window),
      overlay(game.window),
      previousFrame(glfwGetTime()),
      lastThrottled(glfwGetTime()) {
    const auto& lines = helpLines();
    for (size_t i = 0; i < lines.size(); ++i) {
        overlay.helpLines[i] = lines[i];
    }
    game.hud = &overlay;
    game.input = &input;
    // Only what differs from the defaults is applied: vsync, for one, stays
    // the driver's unless asked for, as the game always was.
    applySettings(settings::current());
}

FrameLoop::~FrameLoop() {
    game.hud = nullptr;
    game.input = nullptr;
}

void FrameLoop::runFrame() {
    const double now = glfwGetTime();
    const float dt = static_cast<float>(now - previousFrame);
    previousFrame = now;
    if (glfwGetTime() - lastThrottled > 0.1) {
        runThrottledBlock(dt);
        lastThrottled = glfwGetTime();
    }
    handleWindowEvents();
    if (PassScheduler::windowClearedFirst(settings::current().graphicsQuality)) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    if (!paused) {
        game.update(game.window, dt);
    }
    game.render();
    // The open menu says enough: no pause banner over it.
    overlay.draw(game.hudState(paused && !menu.isOpen()), glfwGetTime(), [this] {
        const ui::MenuChange change = menu.build(settings::current());
        if (change.changed) {
            applySettings(settings::current());
        }
        if (change.finished) {
            settings::save();  // once a slider is let go, not at every step
        }
    });
    if (!menu.isOpen() && paused && menuPaused) {
        setMenuOpen(false);  // closed by its own button
    }
    glfwSwapBuffers(game.window);
    glfwPollEvents();
    reportGlErrors();
    const double wait = frameCapWait(now, glfwGetTime(), frameCap);
    if (wait > 0.0) {
        std::this_thread::sleep_for(std::chrono::duration<double>(wait));
    }
}

double frameCapWait(double frameStart, double now, int cap) {
    if (cap <= 0) {
        return 0.0;
    }
    return std::max(0.0, frameStart + 1.0 / cap - now);
}

void FrameLoop::runThrottledBlock(float dt) {
    game.handleKeys();
    if (showFrameTime) {
        printLine(frameTimeLine(dt));
    }
    if (frustumCulling) {
        printLine("Objects drawn: " + std::to_string(game.objectsDrawn + 12));
    }
}

void FrameLoop::handleWindowEvents() {
    const WindowInput::Events events = input.take();
    if (events.newWidth > 0) {
        game.resize(events.newWidth, events.newHeight);
    }
    for (const int key : events.keys) {
        if (key == GLFW_KEY_H) {
            settings::current().hud = !overlay.isVisible();
            settingsChanged();
        } else if (key == GLFW_KEY_P && !menu.isOpen()) {
            setPaused(!paused);
        } else if (key == GLFW_KEY_F10) {
            setMenuOpen(!menu.isOpen());
        } else if (key == GLFW_KEY_F11) {
            settings::current().fullscreen = !fullscreen;
            settingsChanged();
        }
    }
    if (events.focusLost) {
        setPaused(true);
    } else if (events.clicks > 0 && paused && !menu.isOpen()) {
        setPaused(false);  // a click in the menu is the menu's
    }
}

void FrameLoop::setMenuOpen(bool open) {
    menu.setOpen(open);
    menuPaused = open;
    setPaused(open);
}

void FrameLoop::settingsChanged() {
    applySettings(settings::current());
    settings::save();
}

void FrameLoop::applySettings(const UserSettings& chosen) {
    if (chosen.vsync != applied.vsync) {
        setVsync(chosen.vsync);
    }
    frameCap = chosen.frameCap;
    setFullscreen(chosen.fullscreen);
    overlay.setVisible(chosen.hud);
    if (game.sound != nullptr) {
        game.sound->setVolume(static_cast<float>(chosen.masterVolume));
    }
    applied = chosen;
}

void FrameLoop::setFullscreen(bool on) {
    if (on == fullscreen) {
        return;
    }
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    const GLFWvidmode* mode = monitor != nullptr ? glfwGetVideoMode(monitor) : nullptr;
    if (on && mode == nullptr) {
        return;
    }
    fullscreen = on;
    if (on) {
        glfwGetWindowPos(game.window, &windowedX, &windowedY);
        glfwSetWindowMonitor(game.window, monitor, 0, 0, mode->width, mode->height,
                             mode->refreshRate);
    } else {
        glfwSetWindowMonitor(game.window, nullptr, windowedX, windowedY, windowWidth, windowHeight,
                             GLFW_DONT_CARE);
    }
}

void FrameLoop::setVsync(bool on) { glfwSwapInterval(on ? 1 : 0); }

void FrameLoop::setPaused(bool pause) {
    if (pause == paused) {
        return;
    }
    paused = pause;
    if (game.sound != nullptr) {
        game.sound->setPaused(paused);  // silence, then on where it was
    }
    glfwSetInputMode(game.window, GLFW_CURSOR, paused ? GLFW_CURSOR_NORMAL : GLFW_CURSOR_HIDDEN);
    if (!paused) {
        // Back where the camera expects the cursor, so the view does not
        // jump by wherever the free cursor went; and the wall time spent
        // paused is not the next frame's dt.
        glfwSetCursorPos(game.window, game.camera->reference.x, game.camera->reference.y);
        previousFrame = glfwGetTime();
    }
}

}  // namespace dusk
