// Replays: checking one without drawing against the rate its round was
// played at (the target: at least 50 times faster), and what recording costs
// a frame (the target: at most 0.05 ms).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <limits>

#include "app/WorldModelsLoader.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayPlayer.h"
#include "replay/ReplayRecorder.h"

namespace {

const dusk::scene::WorldModels& models() {
    static const dusk::scene::WorldModels loaded = [] {
        if (chdir(DUSK_RUN_DIR) != 0) {
            std::abort();
        }
        return dusk::loadWorldModels(std::numeric_limits<int>::max());
    }();
    return loaded;
}

// The corpus' win: 64 s of a bot's round at 60 frames a second.
void BM_CheckReplay(benchmark::State& state) {
    const dusk::ReplayReading reading =
        dusk::ReplayFile(DUSK_SOURCE_DIR "/tests/replays/won-relaxed.dkr").read();
    if (!reading.replay) {
        state.SkipWithError(reading.fault.c_str());
        return;
    }
    const dusk::Replay& replay = *reading.replay;
    for (auto _ : state) {
        benchmark::DoNotOptimize(dusk::checkReplay(replay, models()).matches);
    }
    const double frames = double(replay.frames.size());
    state.counters["checked_fps"] =
        benchmark::Counter(frames * double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["played_fps"] = frames / replay.seconds();
}
BENCHMARK(BM_CheckReplay)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// One frame recorded as the session records it, the recording growing.
void BM_RecordFrame(benchmark::State& state) {
    dusk::Round round(models(), 1);
    auto recorder = std::make_unique<dusk::ReplayRecorder>(round);
    dusk::scene::PlayerControls controls;
    double clock = 3.0;
    std::size_t frames = 0;
    for (auto _ : state) {
        controls.turnHorizontal = 0.001f * float(frames % 13);
        controls.move.forward = frames % 3 == 0;
        clock += 1.0 / 60.0;
        recorder->record(controls, 1.0f / 60.0f, clock);
        if (++frames == 100000) {  // a new round: the recording starts again
            state.PauseTiming();
            recorder = std::make_unique<dusk::ReplayRecorder>(round);
            frames = 0;
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_RecordFrame)->Unit(benchmark::kNanosecond);

// The round's end: its replay encoded, per recorded frame.
void BM_EncodeReplayPerFrame(benchmark::State& state) {
    const dusk::ReplayReading reading =
        dusk::ReplayFile(DUSK_SOURCE_DIR "/tests/replays/won-relaxed.dkr").read();
    if (!reading.replay) {
        state.SkipWithError(reading.fault.c_str());
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(dusk::encodeReplay(*reading.replay).size());
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(reading.replay->frames.size()));
}
BENCHMARK(BM_EncodeReplayPerFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
