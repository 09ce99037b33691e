// The short phrases at the end of a game.
#include <cmath>

#include "Sounds.h"

namespace soundgen {

namespace {

// A struck bell-like tone: partials at 1, 2, 3 and 4.2 times the pitch (the
// last one slightly inharmonic, as in a chime), the higher ones quieter and
// dying sooner.
Samples chime(float hz, float seconds) {
    const float partials[4] = {1.0f, 2.0f, 3.0f, 4.2f};
    const float weights[4] = {1.0f, 0.45f, 0.2f, 0.12f};
    Samples s(framesOf(seconds));
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = static_cast<float>(i) / kRate;
        float v = 0.0f;
        for (int p = 0; p < 4; ++p) {
            v += weights[p] * std::sin(2.0f * kPi * hz * partials[p] * t) *
                 strike(t, 0.004f, 0.6f / partials[p]);
        }
        s[i] = v;
    }
    return s;
}

}  // namespace

// Win (1.7 s): a rising C major arpeggio of chimes (C5, E5, G5, C6, 0.12 s
// apart), the last one held and ringing out.
Sound winStinger() {
    const float notes[4] = {523.25f, 659.26f, 783.99f, 1046.5f};
    Sound sound{"win.wav", 1, Samples(framesOf(1.7f), 0.0f)};
    for (int n = 0; n < 4; ++n) {
        mixInto(sound.samples, chime(notes[n], 1.7f - 0.12f * n), framesOf(0.12f * n),
                n == 3 ? 1.0f : 0.7f);
    }
    fadeEdges(sound.samples, 0.001f, 0.3f);
    normalize(sound.samples, 0.8f);
    return sound;
}

// Loss (2 s): a falling, darkening tritone. Two sawtooth voices, A2 and the
// E-flat above it, each doubled a few cents apart, slide down a fourth while a
// low-pass closes from 1.5 kHz to 250 Hz; a 45 Hz boom lands with the first
// note.
Sound lossStinger() {
    Sound sound{"loss.wav", 1, Samples(framesOf(2.0f), 0.0f)};
    Saw saws[4];
    const float roots[4] = {110.0f, 110.8f, 155.56f, 154.7f};
    Biquad darken = Biquad::lowpass(1500.0f, 0.9f);
    float boomPhase = 0.0f;
    for (size_t i = 0; i < sound.samples.size(); ++i) {
        const float t = static_cast<float>(i) / kRate;
        const float fall = std::pow(0.75f, ramp(t, 0.1f, 1.8f));
        float v = 0.0f;
        for (int k = 0; k < 4; ++k) {
            v += 0.25f * saws[k].next(roots[k] * fall);
        }
        if (i % 32 == 0) {
            darken.retune(250.0f + 1250.0f * (1.0f - ramp(t, 0.0f, 1.9f)), 0.9f, true);
        }
        boomPhase += 2.0f * kPi * 45.0f / kRate;
        const float boom = std::sin(boomPhase) * strike(t, 0.01f, 0.35f);
        sound.samples[i] = darken.process(v) * (1.0f - ramp(t, 1.4f, 2.0f)) + 0.8f * boom;
    }
    fadeEdges(sound.samples, 0.01f, 0.05f);
    normalize(sound.samples, 0.8f);
    return sound;
}

}  // namespace soundgen
