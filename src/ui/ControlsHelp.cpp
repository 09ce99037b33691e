#include "ui/ControlsHelp.h"

#include <cstdio>

namespace dusk {

namespace {

// "Scream (behind a kid, within 5)": the reach as the difficulty table has it.
std::string screamLine(float reach) {
    char text[64];
    std::snprintf(text, sizeof text, "Scream (behind a kid, within %g)",
                  static_cast<double>(reach));
    return text;
}

}  // namespace

std::vector<ui::HelpLine> controlsHelp(const KeyBindings& keys, std::string (*label)(int),
                                       float screamReach) {
    const auto line = [&](const std::string& what, Action action, const char* pad) {
        std::string text = what + ": " + keysOf(keys, action, label, ", ");
        if (pad[0] != '\0') {
            text += std::string(" / pad: ") + pad;
        }
        return ui::HelpLine{text, false};
    };
    return {
        {"Moving", true},
        line("Walk forward", Action::Forward, "left stick"),
        line("Walk back", Action::Back, "left stick"),
        line("Walk left", Action::Left, "left stick"),
        line("Walk right", Action::Right, "left stick"),
        line("Run (held)", Action::Run, "left trigger or left-stick click"),
        {"Look: mouse / pad: right stick", false},
        {"Acting", true},
        line("Fly (held, while magic lasts)", Action::Fly, "A"),
        line(screamLine(screamReach), Action::Scream, "right trigger"),
        {"Window", true},
        line("Pause (a click resumes)", Action::Pause, ""),
        line("HUD on/off", Action::Hud, "Back"),
        line("Settings menu", Action::Menu, "Start"),
        line("Fullscreen", Action::Fullscreen, ""),
        {"Esc: close the menu, or end the game", false},
        {"Debug toggles", true},
        {"F2 help and frame time, F3 wireframe, F4 texture sampling,", false},
        {"F5 mipmaps, F8 objects drawn, F9 transparency", false},
    };
}

std::string keysOf(const KeyBindings& bindings, Action action, std::string (*label)(int),
                   const char* separator) {
    std::string text;
    for (const int key : bindings.keysFor(action)) {
        if (key != KeyBindings::noKey) {
            text += (text.empty() ? "" : separator) + label(key);
        }
    }
    return text.empty() ? "no key" : text;
}

}  // namespace dusk
