// Sounds of bodies: a kid's footstep and the player's heartbeat.
#include <cmath>

#include "Sounds.h"

namespace soundgen {

namespace {

// A sine whose pitch falls exponentially from `from` to `to` Hz, shaped by
// strike(): the thump of a foot or of a heart chamber closing.
Samples thump(float seconds, float from, float to, float attack, float decay) {
    Samples s(framesOf(seconds));
    float phase = 0.0f;
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = static_cast<float>(i) / kRate;
        const float hz = to + (from - to) * std::exp(-t / 0.03f);
        phase += 2.0f * kPi * hz / kRate;
        s[i] = std::sin(phase) * strike(t, attack, decay);
    }
    return s;
}

}  // namespace

// Footstep (0.25 s): a foot on the forest floor. A low thump (a sine gliding
// from 110 to 60 Hz, 30 ms decay) for the weight, a burst of noise through a
// 700 Hz band-pass for the soil, and a few sparse clicks through a 2.5 kHz
// band-pass for dry leaves and twigs crackling under the sole.
Sound footstep() {
    Sound sound{"footstep.wav", 1, thump(0.25f, 110.0f, 60.0f, 0.003f, 0.03f)};
    Noise noise(17);
    Biquad soil = Biquad::bandpass(700.0f, 0.9f);
    Biquad leaves = Biquad::bandpass(2500.0f, 1.5f);
    for (size_t i = 0; i < sound.samples.size(); ++i) {
        const float t = static_cast<float>(i) / kRate;
        const float n = noise.white();
        const float crackle = (noise.white() > 0.985f && t < 0.09f) ? noise.white() * 6.0f : 0.0f;
        sound.samples[i] = 0.8f * sound.samples[i] +
                           1.6f * soil.process(n) * strike(t, 0.004f, 0.045f) +
                           0.9f * leaves.process(crackle + 0.3f * n) * strike(t, 0.006f, 0.035f);
    }
    fadeEdges(sound.samples, 0.001f, 0.05f);
    normalize(sound.samples, 0.8f);
    return sound;
}

// Heartbeat (0.6 s): "lub-dub". Two low thumps 0.2 s apart with a hush
// between them (a sine gliding down to 50 Hz, then a softer one to 62 Hz), each with its octave
// mixed in so it is heard on small speakers, and a breath of noise below
// 150 Hz for the body of the chest. The game repeats it, faster as health
// falls.
Sound heartbeat() {
    Sound sound{"heartbeat.wav", 1, Samples(framesOf(0.6f), 0.0f)};
    const size_t dub = framesOf(0.2f);
    mixInto(sound.samples, thump(0.4f, 80.0f, 50.0f, 0.008f, 0.035f), 0, 1.0f);
    mixInto(sound.samples, thump(0.4f, 160.0f, 100.0f, 0.008f, 0.025f), 0, 0.35f);
    mixInto(sound.samples, thump(0.4f, 90.0f, 62.0f, 0.006f, 0.03f), dub, 0.7f);
    mixInto(sound.samples, thump(0.4f, 180.0f, 124.0f, 0.006f, 0.02f), dub, 0.25f);
    sound.samples.resize(framesOf(0.6f));
    Noise noise(5);
    Biquad chest = Biquad::lowpass(150.0f, 0.7f);
    for (size_t i = 0; i < sound.samples.size(); ++i) {
        const float t = static_cast<float>(i) / kRate;
        const float beats = strike(t, 0.008f, 0.03f) + 0.7f * strike(t - 0.2f, 0.006f, 0.025f);
        sound.samples[i] += 0.8f * chest.process(noise.white()) * beats;
    }
    fadeEdges(sound.samples, 0.001f, 0.1f);
    normalize(sound.samples, 0.9f);
    return sound;
}

}  // namespace soundgen
