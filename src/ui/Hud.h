#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "ui/DetectionMarkers.h"
#include "ui/ImGuiLayer.h"
#include "ui/MarkerPlacement.h"
#include "ui/Toasts.h"

struct GLFWwindow;
struct ImDrawList;

namespace dusk::ui {

// A watching kid's mark, placed on the view.
struct HudMarker {
    Watch watch = Watch::Sees;
    float alpha = 1.0f;  // 0..1
    MarkerPlace place;
};

// What the HUD shows of the game in one frame.
struct HudState {
    int kidsLeft = 0;
    int kidsTotal = 0;
    float health = 1.0f;  // 0..1
    float magic = 1.0f;   // 0..1
    bool paused = false;
    std::vector<HudMarker> markers;  // hidden with the HUD
    // What the player hears, oldest first; shown even with the HUD hidden.
    std::vector<Toasts::Visible> captions;
    double roundSeconds = 0.0;  // the round timer
    // Kids a scream would frighten now, placed over their heads or at the
    // edge of the view; hidden with the HUD.
    std::vector<MarkerPlace> inReach;
    // The first-time player's tip, at the bottom of the view (empty: none).
    std::string tip;
    // A line across the top of the view, shown even with the HUD hidden
    // (a replay says so there); empty: none.
    std::string banner;
};

// What an end screen says of the round beside its title.
struct EndSummary {
    unsigned long seed = 0;  // "Forest 4242"
    int kidsFrightened = 0;
    int kidsTotal = 0;
    double seconds = 0.0;    // the round's time (shown for a win)
    bool hasBest = false;    // the forest has a best time
    double best = 0.0;       // ... this one
    bool newBest = false;    // this round set it
    std::string difficulty;  // the rules it was played by
    // A loss: where the last watcher saw the player from, and a tip.
    std::string seenFrom;
    std::string tip;
};

// A line of the help panel; a heading starts a group.
struct HelpLine {
    std::string text;
    bool heading = false;
};

// The end of a round as the window shows it.
enum class EndScreen { Won, Lost };

// What the player chose on an end screen's buttons in one frame.
enum class EndChoice { None, PlayAgain, Quit };

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
    // The summary's lines from height y down; returns the height below them.
    float drawSummary(ImDrawList* list, EndScreen screen, const EndSummary& summary, float y);
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
    // The two buttons of the end screens, from height y down.
    EndChoice endButtons(float y);
    // Notes a rectangle the HUD's bars or text take in this frame.
    void take(const vec2& min, const vec2& max);

    ImGuiLayer imgui;
    bool visible = true;
    double helpUntil = -1.0;
    std::vector<ScreenBox> taken;  // this frame's bars and text
};

// "7 / 10".
std::string kidsLeftLabel(int left, int total);

// The round timer: "m:ss.t" (tenths, rounded down), "83:20.0" past an hour.
std::string roundTimerLabel(double seconds);

}  // namespace dusk::ui
