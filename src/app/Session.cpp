#include "app/Session.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <chrono>
#include <thread>

#include "app/FramePacing.h"
#include "app/WorldModelsLoader.h"
#include "audio/GameSound.h"
#include "base/Console.h"
#include "settings/KeyBindings.h"
#include "ui/FirstTips.h"

// The session's frame; its rounds and end screen are in SessionRounds.cpp,
// its keys, window events and settings in SessionControls.cpp.

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
      recorder_(std::make_unique<ReplayRecorder>(*round_)),
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
    menu.setReplayKept([this](std::uint32_t seed, const std::string& difficulty) {
        return this->files.replays.hasBest(seed, difficulty);
    });
    if (options.replay) {
        watch(*options.replay, false);
    }
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

void Session::runFrame() {
    const double now = glfwGetTime();
    const auto dt = static_cast<float>(now - previousFrame);
    previousFrame = now;
    if (watch_ && !ended) {
        watchFrame(now);
        return;
    }
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
    std::optional<ui::WatchRequest> watchAsked;
    hud_.draw(state, glfwGetTime(), [this, &watchAsked] {
        const ui::MenuChange change = menu.build(settings());
        watchAsked = change.watch;
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
    if (watchAsked) {
        watchBest(*watchAsked);
    }
}

void Session::advanceRound(const InputFrame& frame, float dt) {
    if (paused || ended || watch_) {
        return;
    }
    const double clock = glfwGetTime();
    recorder_->record(frame.controls, dt, clock);
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

}  // namespace dusk
