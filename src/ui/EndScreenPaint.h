#pragma once
// An end screen's words and buttons, drawn over whatever picture is there.
#include "ui/EndSummary.h"

struct ImFont;

namespace dusk::ui::hud {

// Builds, inside an ImGui frame already begun, the end screen in the fonts
// given: title and its line (when withTitle), the ten kids of a win, the
// summary (when it has kids), "Play again" and "Quit", the keys' line and
// the difficulty. Returns the button clicked in this frame.
EndChoice paintEndScreen(ImFont* title, ImFont* text, EndScreen screen, bool withTitle,
                         const EndSummary& summary);

}  // namespace dusk::ui::hud
