#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ui/EndSummary.h"
#include "ui/HudLabels.h"
#include "ui/HudState.h"
#include "ui/ImGuiLayer.h"
#include "ui/MarkerPlacement.h"
#include "ui/Toasts.h"

struct GLFWwindow;
struct ImDrawList;

namespace dusk::ui {

// A line of the help panel; a heading starts a group.
struct HelpLine {
    std::string text;
    bool heading = false;
};

// The window side of the game's talk: kids left, health and magic bars,
// toasts for the console's game messages, the help panel, the pause banner
// and the end screens, all drawn with Dear ImGui over the finished picture.
class Hud {
public:
    static constexpr double helpTime = 5.0;  // seconds the F2 panel stays

    explicit Hud(GLFWwindow* window);

    // A toast for the Toasts' lifetime, or for seconds; a line too long for
    // the view is wrapped.
    void toast(const std::string& text, double now, double seconds = Toasts::lifetime);
    void showHelp(double now);
    void toggleVisible() { visible = !visible; }
    bool isVisible() const { return visible; }
    void setVisible(bool shown) { visible = shown; }
    // The size in pixels of the view the HUD drew its last frame on (zero
    // before the first).
    vec2 viewSize() const;

    // One HUD frame into the bound framebuffer. `more` may add ImGui
    // windows of its own (a menu) to the same frame.
    void draw(const HudState& state, double now, const std::function<void()>& more = {});
    // The end screen's words and its two buttons, "Play again" and "Quit",
    // over whatever picture is already drawn; the title and its line are left
    // out when the picture says them already. Returns the button clicked in
    // this frame (ImGui sees a click the frame after it happened).
    EndChoice drawEndScreen(EndScreen screen, bool withTitle = true,
                            const EndSummary& summary = {});

    // The help panel's lines, set by the game (and again when the keys change).
    std::vector<HelpLine> helpLines;
    Toasts toasts;

private:
    void drawKidsLeft(ImDrawList* list, const HudState& state);
    void drawBars(ImDrawList* list, const HudState& state);
    void drawTimer(ImDrawList* list, const HudState& state);
    void drawToasts(ImDrawList* list, double now);
    // Off the view, a mark is an arrow at its edge, moved clear of the bars
    // and text drawn before it.
    void drawMarkers(ImDrawList* list, const std::vector<HudMarker>& markers);
    void drawReachCues(ImDrawList* list, const std::vector<MarkerPlace>& cues);
    // From the bottom up, with the tip (if any) lowest.
    void drawCaptions(ImDrawList* list, const std::vector<Toasts::Visible>& captions,
                      const std::string& tip);
    void drawHelp(ImDrawList* list);
    void drawPauseBanner(ImDrawList* list);
    void drawTopBanner(ImDrawList* list, const std::string& text);
    // Notes a rectangle the HUD's bars or text take in this frame.
    void take(const vec2& min, const vec2& max);

    ImGuiLayer imgui;
    bool visible = true;
    double helpUntil = -1.0;
    std::vector<ScreenBox> taken;  // this frame's bars and text
};

}  // namespace dusk::ui
