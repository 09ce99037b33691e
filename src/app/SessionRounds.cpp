// The session's rounds: their events, their end, the end screen and the
// next round.
#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include "app/DifficultyChoice.h"
#include "app/Session.h"
#include "base/Console.h"
#include "game/Rules.h"
#include "ui/FirstTips.h"

namespace dusk {

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
    keepReplay(outcome.newBest);
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
    if (watch_) {
        if (!watch_->heldRound) {
            return;  // --replay: no round of the player's
        }
        leaveReplay();
    }
    if (ended || round_->seconds() <= 0.0) {
        return;
    }
    records().recordLeftRound(round_->seed(), roundLevel, round_->seconds(),
                              round_->kidsFrightened(), CalendarDate::todayLocal());
    keepReplay(false);
}

void Session::keepReplay(bool newBest) {
    if (recorder_->full()) {
        reportReplayFault("Replay not kept: the round was longer than a replay holds");
        return;
    }
    for (const std::string& line : files.replays.keep(recorder_->finish(*round_), newBest)) {
        reportReplayFault(line);
    }
}

// A replay folder that cannot be written says so once a run, not at every round.
void Session::reportReplayFault(const std::string& line) {
    if (line != lastReplayFault) {
        printLine(line);
        lastReplayFault = line;
    }
}

void Session::endScreenFrame() {
    const bool lost = *ended == ui::EndScreen::Lost;
    const bool picture =
        renderer_.drawEndPicture(lost, round_->healthFraction(), toggles_.transparencyFlag());
    const ui::EndChoice clicked = hud_.drawEndScreen(*ended, !picture, summary);
    glfwSwapBuffers(window_);
    if (options.readConsole && !watch_ && pollConsoleInput() != ConsoleInput::Nothing) {
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
    if (watch_) {
        handleWatchKeys(frame);  // R restarts, Esc leaves, the speed keys
        if (watch_ && ended && quit) {
            leaveReplay();
        } else if (watch_ && ended && again) {
            restartReplay();
        }
    } else if (quit) {
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
    recorder_ = std::make_unique<ReplayRecorder>(*round_);
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

}  // namespace dusk
