// The game's sound at start-up and per frame: one GameAudio::update with the listener moving
// and ten kids walking (their footsteps falling in stride, the heart beating),
// on a real OpenAL Soft device (the wave driver into /dev/null, see
// wave-null.conf) with the shipped sounds loaded.
//
// Run from anywhere: build/bench/bench_audio
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cmath>
#include <cstdio>

#include "audio/GameAudio.h"

namespace {

void BM_AudioUpdate(benchmark::State& state) {
    dusk::audio::GameAudio audio(DUSK_RUN_DIR "/Sound/");
    if (!audio.enabled()) {
        state.SkipWithError("no audio device");
        return;
    }
    dusk::audio::SoundFrame frame;
    frame.kids.resize(10);
    frame.seen = true;
    frame.health = 0.5f;
    frame.dt = 1.0f / 60.0f;
    float t = 0.0f;
    for (auto _ : state) {
        t += frame.dt;
        const dusk::vec3 eye(std::sin(t) * 5.0f, 1.5f, std::cos(t) * 5.0f);
        frame.listener = dusk::audio::poseFromView(
            dusk::lookAt(eye, eye + dusk::vec3(1.0f, 0.0f, 0.0f), dusk::vec3(0.0f, 1.0f, 0.0f)));
        for (size_t i = 0; i < frame.kids.size(); ++i) {
            const float x = static_cast<float>(i) * 3.0f - 15.0f;
            frame.kids[i] = {dusk::vec3(x + std::sin(t), 0.0f, std::cos(t)), true, t};
        }
        audio.update(frame);
    }
}
BENCHMARK(BM_AudioUpdate)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

// Opening the device and loading every sound: the sound's share of start-up.
void BM_AudioStartup(benchmark::State& state) {
    for (auto _ : state) {
        dusk::audio::GameAudio audio(DUSK_RUN_DIR "/Sound/");
        benchmark::DoNotOptimize(audio.enabled());
    }
}
BENCHMARK(BM_AudioStartup)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
    setenv("ALSOFT_CONF", DUSK_SOURCE_DIR "/bench/wave-null.conf", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
