#include "app/Session.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "app/ControlsHelp.h"
#include "app/DifficultyChoice.h"
#include "app/FirstTips.h"
#include "app/GameSound.h"
#include "app/MainLoop.h"
#include "app/WorldModelsLoader.h"
#include "base/Console.h"
#include "game/Rules.h"
#include "render/ScreenOverlay.h"
#include "render/ShaderProgram.h"
#include "settings/KeyBindings.h"

namespace dusk {

namespace {

// "Software rendering: graphics quality Fast — F10 to change", with the key
// that opens the menu as bound.
std::string machineQualityToast(const UserSettings& chosen) {
    std::string line = "Software rendering: graphics quality " +
                       std::string(graphicsQualityName(chosen.graphicsQuality));
    const int menuKey = chosen.keys.keysFor(Action::Menu)[0];
    if (menuKey != KeyBindings::noKey) {
        line += " \xE2\x80\x94 " + keyLabel(menuKey, glfwGetKeyName(menuKey, 0)) + " to change";
    }
    return line;
}

}  // namespace

Session::Session(GLFWwindow* window, const SessionOptions& options, PlayerFiles files)
    : window_(window),
      options(options),
      files(std::move(files)),
      windowMode(window, options.windowSize),
      renderer_(options.windowSize.width, options.windowSize.height, settings().graphicsQuality),
      models(loadWorldModels(renderer_.boneCapacity())),
      roundLevel(settings().difficulty),
      round_(newRound(options.seed)),
      input(window, screenCentre(), settings()),
      hud_(window),
      menu(records().records()),
      previousFrame(glfwGetTime()),
      lastThrottled(glfwGetTime()),
      dailyRound(options.daily) {
    input.centreCursor();
    const std::optional<std::string> padFault = loadPadMappings();
    // Only what differs from the defaults is applied: vsync, for one, stays
    // the driver's unless asked for, as the game always was.
    applySettings(settings());
    if (options.machineQuality) {
        hud_.toast(machineQualityToast(settings()), glfwGetTime());
    }
    std::vector<std::string> fileLines = settingsStore().loadLines();
    const std::vector<std::string>& recordsLines = records().loadLines();
    fileLines.insert(fileLines.end(), recordsLines.begin(), recordsLines.end());
    if (padFault) {
        fileLines.push_back(*padFault);
    }
    toastFileLines(fileLines);
}

// A player started from a desktop menu sees no console: what was said about
// the player's files is on the HUD too, long enough to be read, as many
// lines as there is room for and then how many more there are.
void Session::toastFileLines(std::vector<std::string> lines) {
    constexpr double seconds = 10.0;
    const std::size_t room = ui::Toasts::capacity - (options.machineQuality ? 1 : 0);
    if (lines.size() > room) {
        const std::size_t more = lines.size() - (room - 1);
        lines.resize(room - 1);
        lines.push_back(std::to_string(more) +
                        " more lines about the player's files: start duskhollow from a "
                        "terminal to read them");
    }
    for (const std::string& line : lines) {
        hud_.toast(line, glfwGetTime(), seconds);
    }
}

Session::~Session() = default;

// gamecontrollerdb.txt beside the settings file, when there is one.
std::optional<std::string> Session::loadPadMappings() {
    const std::filesystem::path settingsFile = settingsStore().file().path();
    if (settingsFile.empty()) {
        return std::nullopt;
    }
    const auto fault = loadGamepadMappings(settingsFile.parent_path() / "gamecontrollerdb.txt");
    if (fault) {
        printLine(*fault);
    }
    return fault;
}

bool Session::finished() const { return glfwWindowShouldClose(window_) == GLFW_TRUE; }

void Session::announce(const std::string& line) {
    printLine(line);
    hud_.toast(line, glfwGetTime());
}

// ----------------------------------------------------------------- frame --

void Session::runFrame() {
    const double now = glfwGetTime();
    const auto dt = static_cast<float>(now - previousFrame);
    previousFrame = now;
    if (ended) {
        endScreenFrame();
        return;
    }
    playFrame(now, dt);
}

void Session::playFrame(double now, float dt) {
    const bool throttled = glfwGetTime() - lastThrottled > 0.1;
    const InputFrame frame = input.read(!paused, throttled, dt);
    if (throttled) {
        runThrottledBlock(frame, dt);
        lastThrottled = glfwGetTime();
    }
    handleWindowEvents(frame);
    // The frame that ends the round is still drawn; the next ones show the
    // end screen.
    advanceRound(frame, dt);
    renderer_.render(round_->world(), round_->healthFraction(), frameOptions());
    // The open menu says enough: no pause banner over it.
    ui::HudState state = hudState();
    state.paused = paused && !menu.isOpen();
    hud_.draw(state, glfwGetTime(), [this] {
        const ui::MenuChange change = menu.build(settings());
        if (change.tipsAgain) {
            showTipsAgain();
        }
        if (change.changed) {
            applySettings(settings());  // "Reset to defaults" too
        }
        if (change.finished) {
            settingsStore().save();  // once a slider is let go, not at every step
        }
    });
    if (!menu.isOpen() && menuPaused) {
        setMenuOpen(false);  // closed by its own button
    }
    finishFrame(now);
}

void Session::advanceRound(const InputFrame& frame, float dt) {
    if (paused || ended) {
        return;
    }
    const double clock = glfwGetTime();
    const std::vector<RoundEvent> events = round_->update(frame.controls, dt, clock);
    sound_.update(soundFrameOf(*round_, dt, frame.controls.scream, clock));
    handleRoundEvents(events);
    cues_.update(*round_, sound_, dt);
    advanceTips(frame, events, dt);
}

void Session::advanceTips(const InputFrame& frame, const std::vector<RoundEvent>& events,
                          float dt) {
    const scene::PlayerControls& c = frame.controls;
    ui::TipEvents done;
    done.walked = c.move.forward || c.move.backward || c.move.left || c.move.right ||
                  c.walkForward != 0.0f || c.walkRight != 0.0f;
    done.screamed = c.scream;
    done.seen = round_->seen();
    done.helpOpened = helpOpened;
    for (const RoundEvent& event : events) {
        done.kidFrightened = done.kidFrightened || event.kind == RoundEvent::Kind::KidTerrified;
    }
    helpOpened = false;
    tips_.update(done, dt);
    tipsAsked = tipsAsked && !tips_.finished();
}

bool Session::tipsShown() const {
    if (tips_.finished()) {
        return false;
    }
    switch (settings().tips) {
        case TipsMode::On:
            return true;
        case TipsMode::Off:
            return false;
        default:
            return tipsAsked || records().records().totals.kidsFrightened == 0;
    }
}

std::string Session::tip() const {
    if (!tipsShown()) {
        return "";
    }
    return tipText(
        tips_.step(), settings().keys,
        [](int key) { return keyLabel(key, glfwGetKeyName(key, 0)); }, round_->difficulty());
}

void Session::showTipsAgain() {
    tips_.restart();
    tipsAsked = true;
}

void Session::step(float dt) { advanceRound(input.read(!paused && !ended, false, dt), dt); }

void Session::handleKeys() {
    for (const int key : input.read(!paused && !ended, true).toggles) {
        handleToggle(key);
    }
}

void Session::finishFrame(double frameStart) {
    glfwSwapBuffers(window_);
    glfwPollEvents();
    reportGlErrors();
    const double wait = frameCapWait(frameStart, glfwGetTime(), frameCap);
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

FrameOptions Session::frameOptions() const {
    FrameOptions frame;
    frame.quality = settings().graphicsQuality;
    frame.fieldOfView = settings().fieldOfViewRadians();
    frame.renderScale = settings().renderScaleInUse();
    toggles_.fill(frame);
    if (settings().sightAreasAt(roundLevel)) {
        const auto& kids = round_->world().kids;
        const std::vector<bool>& seeing = round_->sightings();
        for (size_t i = 0; i < kids.size(); ++i) {
            if (kids[i]->isActive()) {
                frame.sightAreas.push_back(
                    {kids[i]->modelMatrix, round_->difficulty().sight.distance, seeing[i]});
            }
        }
    }
    return frame;
}

ui::HudState Session::hudState() const {
    ui::HudState state;
    state.kidsLeft = round_->world().activeKidCount();
    state.kidsTotal = static_cast<int>(round_->world().kids.size());
    state.health = round_->healthFraction();
    state.magic = round_->magicFraction();
    state.paused = paused;
    state.roundSeconds = round_->seconds();
    state.tip = tip();
    fillStealthCues(state);
    return state;
}

// The view's size as the HUD last saw it: asking the window would cost a
// round trip to the display every frame.
void Session::fillStealthCues(ui::HudState& state) const {
    vec2 view = hud_.viewSize();
    if (view.x <= 0.0f) {
        view = vec2(static_cast<float>(renderer_.width()), static_cast<float>(renderer_.height()));
    }
    const mat4 viewProjection =
        renderer_.viewProjection(round_->world().camera, settings().fieldOfViewRadians());
    cues_.fill(state, *round_, viewProjection, view, settings());
}

// ---------------------------------------------------------------- rounds --

void Session::handleRoundEvents(const std::vector<RoundEvent>& events) {
    for (const RoundEvent& event : events) {
        switch (event.kind) {
            case RoundEvent::Kind::KidTerrified:
                sound_.kidTerrified(event.where);
                if (event.kidsLeft > 0) {
                    announce("Terrified kid! Kids left: " + std::to_string(event.kidsLeft) +
                             " of " + std::to_string(event.kidsTotal));
                }
                break;
            case RoundEvent::Kind::Won:
                announce("All kids are terrified! You won! (Press enter to close)");
                sound_.won();
                endRound(ui::EndScreen::Won);
                break;
            case RoundEvent::Kind::Lost:
                lastWatcher = event.kid;
                announce("GAME OVER! The kid has seen you. (Press enter to close)");
                sound_.lost();
                endRound(ui::EndScreen::Lost);
                break;
        }
    }
}

std::unique_ptr<Round> Session::newRound(std::uint32_t seed) const {
    return std::make_unique<Round>(models, seed, difficultyFor(roundLevel));
}

// The window keeps answering while the console waits: the end screen is
// redrawn and its events handled about 30 times a second.
void Session::endRound(ui::EndScreen screen) {
    ended = screen;
    recordRound(screen == ui::EndScreen::Won);
    input.setPlaying(false);
    glfwPollEvents();
    input.forget();  // presses from before the end do not answer it
    glfwSetInputMode(window_, GLFW_CURSOR, GLFW_CURSOR_NORMAL);  // for the buttons
}

// The round goes into the records file (the end of a round is the only time
// it is written) and the end screen gets what to say of it.
void Session::recordRound(bool won) {
    const RoundOutcome outcome =
        records().recordRound(round_->seed(), roundLevel, won, round_->seconds(),
                              round_->kidsFrightened(), CalendarDate::todayUtc());
    summary = ui::EndSummary{};
    summary.seed = round_->seed();
    summary.kidsFrightened = round_->kidsFrightened();
    summary.kidsTotal = static_cast<int>(round_->world().kids.size());
    summary.seconds = round_->seconds();
    summary.hasBest = outcome.bestAfter.has_value();
    summary.best = outcome.bestAfter.value_or(0.0);
    summary.newBest = outcome.newBest;
    summary.difficulty = round_->difficulty().name;
    if (!won) {
        describeLoss();
    }
}

// From how far and which side the kid whose sight ended the round saw the
// player, and a tip that changes from one loss to the next.
void Session::describeLoss() {
    const auto& kids = round_->world().kids;
    if (lastWatcher >= 0 && static_cast<size_t>(lastWatcher) < kids.size()) {
        const vec3 player(round_->world().camera.modelMatrix[3]);
        const mat4& kid = kids[static_cast<size_t>(lastWatcher)]->modelMatrix;
        summary.seenFrom =
            seenFromLine(horizontalDistance(player, vec3(kid[3])), sideSeenFrom(player, kid));
    }
    summary.tip = lossTip(round_->difficulty(), records().records().totals.losses);
}

void Session::leaveRound() {
    if (ended || round_->seconds() <= 0.0) {
        return;
    }
    records().recordLeftRound(round_->seed(), roundLevel, round_->seconds(),
                              round_->kidsFrightened(), CalendarDate::todayLocal());
}

void Session::endScreenFrame() {
    const bool lost = *ended == ui::EndScreen::Lost;
    const bool picture =
        renderer_.drawEndPicture(lost, round_->healthFraction(), toggles_.transparencyFlag());
    const ui::EndChoice clicked = hud_.drawEndScreen(*ended, !picture, summary);
    glfwSwapBuffers(window_);
    if (options.readConsole && pollConsoleInput() != ConsoleInput::Nothing) {
        glfwSetWindowShouldClose(window_, GLFW_TRUE);
        return;
    }
    glfwWaitEventsTimeout(1.0 / 30.0);
    const InputFrame frame = input.read(false, false);
    renderer_.resize(frame.newWidth, frame.newHeight);
    announcePad(frame);
    bool quit = clicked == ui::EndChoice::Quit || frame.pad.quit;
    bool again = clicked == ui::EndChoice::PlayAgain || frame.pad.playAgain;
    // Shift as the R press had it: a quick Shift+R lets both go within a frame.
    bool same = frame.shiftHeld;
    for (const int key : frame.presses) {
        quit = quit || key == GLFW_KEY_ENTER || key == GLFW_KEY_KP_ENTER || key == GLFW_KEY_ESCAPE;
        again = again || key == GLFW_KEY_R;
    }
    for (const int key : frame.shiftedPresses) {
        same = same || key == GLFW_KEY_R;
    }
    if (quit) {
        glfwSetWindowShouldClose(window_, GLFW_TRUE);
    } else if (again && !finished()) {
        playAgain(same);
    }
}

std::uint32_t Session::nextSeed(bool sameForest) const {
    if (sameForest) {
        return round_->seed();
    }
    // The day after's forest is tomorrow's, and a month's last day has no
    // day after it: the run goes on as one with no seed would.
    return dailyRound ? 1u : round_->seed() + 1u;
}

void Session::playAgain(bool sameForest) {
    const std::uint32_t seed = nextSeed(sameForest);
    dailyRound = dailyRound && sameForest;
    round_.reset();                      // the old forest's bodies go before the new ones come
    roundLevel = settings().difficulty;  // the choice made now holds for the whole round
    round_ = newRound(seed);
    sound_.newRound();
    cues_.clear();
    hud_.toasts.clear();  // the last round's news is old
    showControls(settings().keys);
    if (settings().tips == TipsMode::On) {
        tips_.restart();
    }
    lastWatcher = -1;
    ended.reset();
    input.forget();
    input.setPlaying(!paused);
    glfwSetInputMode(window_, GLFW_CURSOR, paused ? GLFW_CURSOR_NORMAL : GLFW_CURSOR_HIDDEN);
    input.centreCursor();
    previousFrame = glfwGetTime();
    announce("New round (seed " + std::to_string(seed) + ")");
}

// ------------------------------------------------------------------ keys --

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

// -------------------------------------------------------------- settings --

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
