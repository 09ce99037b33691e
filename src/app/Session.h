#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Config.h"
#include "app/DebugToggles.h"
#include "app/WindowMode.h"
#include "audio/GameAudio.h"
#include "game/Round.h"
#include "input/WindowInput.h"
#include "records/RecordsStore.h"
#include "render/Renderer.h"
#include "replay/ReplayPlayer.h"
#include "replay/ReplayRecorder.h"
#include "replay/ReplayShelf.h"
#include "replay/ReplaySpeed.h"
#include "scene/World.h"
#include "settings/KeyBindings.h"
#include "settings/SettingsStore.h"
#include "settings/UserSettings.h"
#include "ui/Hud.h"
#include "ui/SettingsMenu.h"
#include "ui/StealthCues.h"
#include "ui/TipsGuide.h"

struct GLFWwindow;

namespace dusk {

struct SessionOptions {
    // The first round's forest; later rounds take the next seeds.
    std::uint32_t seed = 1;
    // The first forest is the day's: the next one after it is forest 1 (the
    // days' forests are no sequence), the same one is the day's again.
    bool daily = false;
    // Whether the end screen also answers to standard input (a character
    // closes the game, its end closes it at once).
    bool readConsole = true;
    // The graphics quality is the machine's default, not the player's (a
    // software rasteriser): the HUD says so once, the console says nothing.
    bool machineQuality = false;
    // The window's size when it is not fullscreen.
    WindowConfig windowSize{1280, 720};
    // A replay to watch instead of playing (the window closes when it is left).
    std::optional<Replay> replay;
};

// The player's settings and records as start-up read them; the session owns
// them from then on. Fresh ones: the default paths, nothing read yet.
struct PlayerFiles {
    std::unique_ptr<SettingsStore> settings = std::make_unique<SettingsStore>();
    std::unique_ptr<RecordsStore> records = std::make_unique<RecordsStore>();
    // Where the rounds' replays are kept: nowhere unless start-up says so.
    ReplayShelf replays{std::filesystem::path()};
};

// A replay watched in the session's window, and the player's round kept aside
// meanwhile when it was started from the menu.
struct ReplayWatch {
    ReplayWatch(Replay replay, bool fromMenu) : player(std::move(replay)), fromMenu(fromMenu) {}

    ReplayPlayer player;
    ReplaySpeed speed;
    bool paused = false;
    bool fromMenu = false;
    std::unique_ptr<Round> heldRound;
    std::unique_ptr<ReplayRecorder> heldRecorder;
};

// One run of the game in its window: the renderer, the models, the sound,
// the HUD and the settings menu, made once, and the current round. A frame
// at a time: the throttled key block, the window's own keys (H, P, F10,
// F11), pause, the round's update and its events, the three passes, the HUD
// and the menu, swap, events, the OpenGL error report and the frame cap.
// While paused (also while the menu is open) nothing moves or changes;
// closing the menu leaves the game paused or not as it was before. When a
// round ends the session shows its end screen until the player plays again
// (a new forest, or the same with Shift) or quits.
class Session {
public:
    // Builds everything, prints what the loaders print, and starts the first
    // round. The window is not owned; its GL context is current. files:
    // loaded (or fresh), never null.
    Session(GLFWwindow* window, const SessionOptions& options, PlayerFiles files);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    void runFrame();
    // The round's part of a frame on its own, with the input of this moment:
    // the update, the sound, the events (the end of the round included).
    // Nothing is drawn. Does nothing while paused, at the end screen or watching.
    void step(float dt);
    // The throttled key block's keys on their own: Esc and F2-F9 as they are
    // held or were tapped.
    void handleKeys();
    // The window was asked to close (Esc, Quit, its close button).
    bool finished() const;
    // The game is closing: a round still in play (not at its end screen,
    // played for some time) goes into the records as left.
    void leaveRound();

    // Prints a game message and shows it as a toast on the HUD.
    void announce(const std::string& line);
    // A new round in this window: the next forest, or this one again. It
    // starts with no toast but its own "New round (seed N)".
    void playAgain(bool sameForest);

    // Watches the replay in this window, from its first frame: its round is
    // shown (camera as recorded, HUD on, a banner saying whose forest it is)
    // instead of the player's, which waits, paused, when fromMenu. Space
    // pauses, Right / Left change the speed, R restarts, Esc leaves: back to
    // the menu and the player's round when fromMenu, else the window closes.
    // The watched round goes into no records and no replay, and makes no
    // sound; the console says when it starts, each key's change and its end.
    void watch(Replay replay, bool fromMenu);
    bool watching() const { return watch_ != nullptr; }
    // The replays kept of this player's rounds.
    const ReplayShelf& replayShelf() const { return files.replays; }

    bool isPaused() const { return paused; }
    void setPaused(bool pause);
    // Opening pauses; closing restores the pause as it was before opening.
    void setMenuOpen(bool open);
    // Makes the current settings take effect (window, HUD, sound, pacing)
    // and writes them to the settings file.
    void settingsChanged();

    // The end screen shown now, if a round has ended.
    std::optional<ui::EndScreen> endScreen() const { return ended; }
    const ui::EndSummary& endSummary() const { return summary; }
    ui::HudState hudState() const;
    // What the frame's picture follows: settings, the debug toggles and the
    // sight areas of the round's last update.
    FrameOptions frameOptions() const;
    // The first-time player's tip on screen now (empty: none).
    std::string tip() const;
    // The tips from the first again, shown whatever the records say until
    // the guide ends ("Show the tips again").
    void showTipsAgain();
    const ui::TipsGuide& tipsGuide() const { return tips_; }

    // The player's settings of this run, their file, and the records.
    UserSettings& settings() { return files.settings->current(); }
    const UserSettings& settings() const { return files.settings->current(); }
    SettingsStore& settingsStore() { return *files.settings; }
    RecordsStore& records() { return *files.records; }
    const RecordsStore& records() const { return *files.records; }
    DebugToggles& toggles() { return toggles_; }

    Round& round() { return *round_; }
    const Round& round() const { return *round_; }
    Renderer& renderer() { return renderer_; }
    ui::Hud& hud() { return hud_; }
    ui::SettingsMenu& settingsMenu() { return menu; }
    audio::GameAudio& sound() { return sound_; }
    StealthCues& cues() { return cues_; }
    GLFWwindow* window() const { return window_; }

private:
    void playFrame(double now, float dt);
    void advanceRound(const InputFrame& frame, float dt);
    void runThrottledBlock(const InputFrame& frame, float dt);
    void handleToggle(int key);
    void handleWindowEvents(const InputFrame& frame);
    void handleWindowAction(Action action);
    void captureKey(int key);
    void announcePad(const InputFrame& frame);
    // Prints the mapping file's fault line and returns it, if any.
    std::optional<std::string> loadPadMappings();
    void toastFileLines(std::vector<std::string> lines);
    void handleRoundEvents(const std::vector<RoundEvent>& events);
    void endRound(ui::EndScreen screen);
    void recordRound(bool won);
    void endScreenFrame();
    void applySettings(const UserSettings& chosen);
    // The help panel's lines for these keys and the round's rules.
    void showControls(const KeyBindings& keys);
    std::uint32_t nextSeed(bool sameForest) const;
    void finishFrame(double frameStart);
    // A round of the forest at roundLevel.
    std::unique_ptr<Round> newRound(std::uint32_t seed) const;
    void fillStealthCues(ui::HudState& state) const;
    void advanceTips(const InputFrame& frame, const std::vector<RoundEvent>& events, float dt);
    bool tipsShown() const;
    void describeLoss();
    // The ended (or left) round's replay goes to the shelf: always the last,
    // and the forest's best when newBest.
    void keepReplay(bool newBest);
    void reportReplayFault(const std::string& line);
    void watchFrame(double now);
    void handleWatchKeys(const InputFrame& frame);
    void playReplayFrames();
    void handleReplayEvents(const std::vector<RoundEvent>& events);
    std::string replayBanner() const;
    void restartReplay();
    // Ends the watch: the player's round back (and the menu) or the window closes.
    void leaveReplay();
    // The Records tab's Watch: the forest's best replay, or its fault line.
    void watchBest(const ui::WatchRequest& request);

    GLFWwindow* window_;
    SessionOptions options;
    PlayerFiles files;  // before everything that reads the settings
    WindowMode windowMode;
    DebugToggles toggles_;
    Renderer renderer_;
    scene::WorldModels models;
    // The difficulty the current round was made with (the setting may have
    // changed since); before round_, which is made with it.
    DifficultyLevel roundLevel;
    std::unique_ptr<Round> round_;
    std::unique_ptr<ReplayRecorder> recorder_;  // of round_ (unless watching)
    std::unique_ptr<ReplayWatch> watch_;        // while a replay is watched
    std::string lastReplayFault;                // printed once a run
    audio::GameAudio sound_;                    // silent without an audio device
    WindowInput input;                          // before the HUD: ImGui chains to its callbacks
    ui::Hud hud_;
    ui::SettingsMenu menu;
    StealthCues cues_;
    ui::TipsGuide tips_;
    bool tipsAsked = false;   // shown again from the menu, until the guide ends
    bool helpOpened = false;  // F2 since the last played frame
    int lastWatcher = -1;     // the kid whose sight ended the round, if lost
    UserSettings applied;
    std::optional<ui::EndScreen> ended;
    ui::EndSummary summary;  // what the end screen says of the round
    double previousFrame;
    double lastThrottled;
    bool paused = false;
    bool menuPaused = false;        // the open menu pauses the game
    bool pausedBeforeMenu = false;  // ... which was paused or not before
    bool dailyRound = false;        // the round plays the day's forest
    bool escapeSwallowed = false;   // an Esc that closed the menu is still held
    int frameCap = 0;               // frames a second at most; 0 for no cap
};

}  // namespace dusk
