// The session watching a replay: its frames in place of the player's, the
// watch's keys, its end, and the way back.
#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include "app/Session.h"
#include "base/Console.h"
#include "game/StateHash.h"
#include "records/RecordsTable.h"
#include "replay/ReplayFile.h"

namespace dusk {

void Session::watch(Replay replay, bool fromMenu) {
    auto watching = std::make_unique<ReplayWatch>(std::move(replay), fromMenu);
    if (fromMenu) {
        watching->heldRound = std::move(round_);
        watching->heldRecorder = std::move(recorder_);
        menu.setOpen(false);
    }
    watch_ = std::move(watching);
    const Replay& shown = watch_->player.replay();
    printLine("Watching the replay of forest " + std::to_string(shown.seed) + " (" +
              shown.difficulty + ")");
    restartReplay();
}

void Session::restartReplay() {
    round_.reset();  // the old forest's bodies go before the new ones come
    round_ = watch_->player.newRound(models);
    watch_->player.rewind();
    cues_.clear();
    hud_.toasts.clear();
    lastWatcher = -1;
    ended.reset();
    input.forget();
    input.setPlaying(false);
    glfwSetInputMode(window_, GLFW_CURSOR, GLFW_CURSOR_NORMAL);
}

void Session::leaveReplay() {
    const std::unique_ptr<ReplayWatch> watched = std::move(watch_);
    ended.reset();
    cues_.clear();
    hud_.toasts.clear();
    input.forget();
    if (!watched->fromMenu) {
        glfwSetWindowShouldClose(window_, GLFW_TRUE);
        return;
    }
    round_ = std::move(watched->heldRound);
    recorder_ = std::move(watched->heldRecorder);
    menu.setOpen(true);  // the player's round waits, paused, as it was
    input.setPlaying(!paused);
}

void Session::watchBest(const ui::WatchRequest& request) {
    const ReplayReading reading =
        ReplayFile(files.replays.bestPath(request.seed, request.difficulty)).read();
    if (!reading.replay) {
        announce(reading.fault);
        return;
    }
    watch(*reading.replay, true);
}

void Session::watchFrame(double now) {
    const InputFrame frame = input.read(false, false);
    renderer_.resize(frame.newWidth, frame.newHeight);
    handleWatchKeys(frame);
    if (!watch_ || ended) {
        return;  // left, or ended: the end screen from the next frame on
    }
    if (!watch_->paused) {
        playReplayFrames();
    }
    renderer_.render(round_->world(), round_->healthFraction(), frameOptions());
    ui::HudState state = hudState();
    state.tip.clear();
    state.banner = replayBanner();
    hud_.draw(state, glfwGetTime());
    finishFrame(now);
}

void Session::handleWatchKeys(const InputFrame& frame) {
    for (const int key : frame.presses) {
        if (!watch_) {
            return;
        }
        switch (key) {
            case GLFW_KEY_SPACE:
                watch_->paused = !watch_->paused;
                printLine(watch_->paused ? "Replay paused" : "Replay playing");
                break;
            case GLFW_KEY_RIGHT:
                watch_->speed.faster();
                printLine("Replay speed " + watch_->speed.label());
                break;
            case GLFW_KEY_LEFT:
                watch_->speed.slower();
                printLine("Replay speed " + watch_->speed.label());
                break;
            case GLFW_KEY_R:
                restartReplay();
                break;
            case GLFW_KEY_ESCAPE:
                leaveReplay();
                break;
            default:
                break;
        }
    }
}

// The recorded updates this window frame plays, each with its own dt and
// clock; the frame that ends the round is the last.
void Session::playReplayFrames() {
    ReplayPlayer& player = watch_->player;
    for (int n = watch_->speed.framesThisFrame(); n > 0 && !player.atEnd() && !ended; --n) {
        const float dt = player.replay().frames[player.framesPlayed()].dt;
        handleReplayEvents(player.step(*round_));
        cues_.update(*round_, sound_, dt);
    }
    if (player.atEnd() && !ended && !watch_->paused) {
        watch_->paused = true;  // a round left before its end: it stays on its last frame
        printLine("Replay ended: left after " + formatRoundTime(round_->seconds()) +
                  (stateHash(*round_) == player.replay().finalHash ? ", as recorded"
                                                                   : ", NOT as recorded"));
    }
}

void Session::handleReplayEvents(const std::vector<RoundEvent>& events) {
    for (const RoundEvent& event : events) {
        if (event.kind == RoundEvent::Kind::KidTerrified && event.kidsLeft > 0) {
            hud_.toast("Terrified kid! Kids left: " + std::to_string(event.kidsLeft) + " of " +
                           std::to_string(event.kidsTotal),
                       glfwGetTime());
            continue;
        }
        if (event.kind == RoundEvent::Kind::KidTerrified) {
            continue;
        }
        const bool won = event.kind == RoundEvent::Kind::Won;
        lastWatcher = event.kid;
        ended = won ? ui::EndScreen::Won : ui::EndScreen::Lost;
        summary = ui::EndSummary{};
        summary.seed = round_->seed();
        summary.kidsFrightened = round_->kidsFrightened();
        summary.kidsTotal = static_cast<int>(round_->world().kids.size());
        summary.seconds = round_->seconds();
        summary.difficulty = round_->difficulty().name;
        if (!won) {
            describeLoss();
        }
        const bool same =
            stateHash(*round_) == watch_->player.replay().finalHash && watch_->player.atEnd();
        printLine(std::string("Replay ended: ") + (won ? "won in " : "lost after ") +
                  formatRoundTime(round_->seconds()) +
                  (same ? ", as recorded" : ", NOT as recorded"));
        input.forget();
    }
}

std::string Session::replayBanner() const {
    const Replay& shown = watch_->player.replay();
    return "Replay \xE2\x80\x94 forest " + std::to_string(shown.seed) + ", " + shown.difficulty +
           " \xE2\x80\x94 " + (watch_->paused ? "paused" : watch_->speed.label()) +
           " (Space pause, Left/Right speed, R restart, Esc leave)";
}

}  // namespace dusk
