// The generated sounds, checked without listening: each has the length,
// loudness and character of what it is meant to be, none clips, the one-shots
// start and end in silence and the ambience loops without a click. Also the
// pacing of footsteps and heartbeat, and the reader's refusals.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "audio/FootstepClock.h"
#include "audio/HeartbeatPace.h"
#include "audio/SoundBuffer.h"

namespace dusk::test {
namespace {

namespace fs = std::filesystem;
using audio::DecodedSound;

std::vector<float> toFloat(const DecodedSound& s) {
    std::vector<float> out(s.samples.size());
    std::transform(s.samples.begin(), s.samples.end(), out.begin(),
                   [](short v) { return static_cast<float>(v) / 32768.0f; });
    return out;
}

// The channels summed to mono.
std::vector<float> mono(const DecodedSound& s) {
    const std::vector<float> all = toFloat(s);
    std::vector<float> out(all.size() / s.channels, 0.0f);
    for (size_t i = 0; i < all.size(); ++i) {
        out[i / s.channels] += all[i] / static_cast<float>(s.channels);
    }
    return out;
}

double rms(const std::vector<float>& s, size_t from = 0, size_t to = 0) {
    to = to == 0 ? s.size() : std::min(to, s.size());
    double sum = 0.0;
    for (size_t i = from; i < to; ++i) {
        sum += double(s[i]) * s[i];
    }
    return to > from ? std::sqrt(sum / double(to - from)) : 0.0;
}

void fft(std::vector<std::complex<double>>& a) {
    const size_t n = a.size();
    for (size_t i = 1, j = 0; i < n; ++i) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) {
            j ^= bit;
        }
        j ^= bit;
        if (i < j) {
            std::swap(a[i], a[j]);
        }
    }
    for (size_t len = 2; len <= n; len <<= 1) {
        const std::complex<double> w = std::polar(1.0, -2.0 * M_PI / double(len));
        for (size_t i = 0; i < n; i += len) {
            std::complex<double> wk = 1.0;
            for (size_t k = 0; k < len / 2; ++k, wk *= w) {
                const auto u = a[i + k];
                const auto v = a[i + k + len / 2] * wk;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
            }
        }
    }
}

// Power spectrum averaged over Hann windows of 2048 samples, bin k at
// k * rate / 2048 Hz.
std::vector<double> spectrum(const std::vector<float>& s) {
    const size_t n = 2048;
    std::vector<double> power(n / 2, 0.0);
    for (size_t start = 0; start + n <= s.size(); start += n / 2) {
        std::vector<std::complex<double>> frame(n);
        for (size_t i = 0; i < n; ++i) {
            frame[i] = s[start + i] * (0.5 - 0.5 * std::cos(2.0 * M_PI * double(i) / double(n)));
        }
        fft(frame);
        for (size_t k = 0; k < n / 2; ++k) {
            power[k] += std::norm(frame[k]);
        }
    }
    return power;
}

double centroidHz(const std::vector<double>& power, int rate) {
    double sum = 0.0, weighted = 0.0;
    for (size_t k = 0; k < power.size(); ++k) {
        sum += power[k];
        weighted += power[k] * double(k) * rate / 2048.0;
    }
    return weighted / sum;
}

double bandShare(const std::vector<double>& power, int rate, double lo, double hi) {
    double sum = 0.0, band = 0.0;
    for (size_t k = 0; k < power.size(); ++k) {
        const double hz = double(k) * rate / 2048.0;
        sum += power[k];
        band += (hz >= lo && hz < hi) ? power[k] : 0.0;
    }
    return band / sum;
}

DecodedSound load(const std::string& name) {
    DecodedSound sound;
    std::string error;
    EXPECT_TRUE(audio::decodeSound(std::string(DUSK_RUN_DIR) + "/Sound/" + name, sound, error))
        << name << ": " << error;
    return sound;
}

TEST(SoundFiles, EverySoundHasItsLengthLoudnessAndCleanEdges) {
    const struct {
        const char* name;
        int channels;
        double minSeconds, maxSeconds;
        double minRms, maxRms;
        bool loops;
    } sounds[] = {
        {"footstep.wav", 1, 0.1, 0.4, 0.05, 0.4, false},
        {"heartbeat.wav", 1, 0.3, 0.8, 0.05, 0.4, false},
        {"scream.wav", 1, 0.8, 2.0, 0.15, 0.6, false},
        {"shriek.wav", 1, 0.5, 1.5, 0.1, 0.6, false},
        {"dusk.wav", 2, 8.0, 30.0, 0.01, 0.1, true},  // quiet: under everything
        {"win.wav", 1, 1.0, 3.0, 0.05, 0.5, false},
        {"loss.wav", 1, 1.0, 3.0, 0.05, 0.5, false},
    };
    for (const auto& expect : sounds) {
        SCOPED_TRACE(expect.name);
        const DecodedSound sound = load(expect.name);
        ASSERT_EQ(sound.channels, expect.channels);
        EXPECT_EQ(sound.sampleRate, 44100);
        const std::vector<float> s = toFloat(sound);
        const double seconds = double(s.size()) / sound.channels / sound.sampleRate;
        EXPECT_GE(seconds, expect.minSeconds);
        EXPECT_LE(seconds, expect.maxSeconds);
        const float peak = std::fabs(*std::max_element(
            s.begin(), s.end(), [](float a, float b) { return std::fabs(a) < std::fabs(b); }));
        EXPECT_LT(peak, 0.98f) << "clips, or nearly";
        EXPECT_GT(peak, 0.2f);
        const double loudness = rms(s);
        EXPECT_GE(loudness, expect.minRms);
        EXPECT_LE(loudness, expect.maxRms);
        // A click is a jump: at an edge of a one-shot, or across a loop's seam
        // (compared with the steps inside, which the file really makes).
        double largestStep = 0.0;
        for (size_t i = sound.channels; i < s.size(); ++i) {
            largestStep = std::max(largestStep, double(std::fabs(s[i] - s[i - sound.channels])));
        }
        for (int c = 0; c < sound.channels; ++c) {
            const float first = s[c];
            const float last = s[s.size() - sound.channels + c];
            if (expect.loops) {
                EXPECT_LT(std::fabs(last - first), 0.5 * largestStep) << "the loop's seam clicks";
            } else {
                EXPECT_LT(std::fabs(first), 0.01f);
                EXPECT_LT(std::fabs(last), 0.01f);
            }
        }
    }
}

TEST(SoundFiles, EachSoundHasTheCharacterOfWhatItIs) {
    const DecodedSound step = load("footstep.wav");
    const DecodedSound heart = load("heartbeat.wav");
    const DecodedSound scream = load("scream.wav");
    const DecodedSound shriek = load("shriek.wav");
    const DecodedSound dusk = load("dusk.wav");
    const auto centroid = [](const DecodedSound& s) {
        return centroidHz(spectrum(mono(s)), s.sampleRate);
    };
    // A heart thumps low; a step is a dull thud; a scream is a voice; a
    // child's shriek is higher still.
    EXPECT_LT(centroid(heart), 200.0);
    EXPECT_LT(centroid(step), 1500.0);
    EXPECT_GT(centroid(scream), 500.0);
    EXPECT_GT(centroid(shriek), 1.5 * centroid(scream));
    // Lub-dub: two beats with a hush between them, then quiet.
    const std::vector<float> h = mono(heart);
    const auto at = [&](double seconds) { return static_cast<size_t>(seconds * heart.sampleRate); };
    const double lub = rms(h, 0, at(0.08));
    const double dub = rms(h, at(0.2), at(0.28));
    const double hush = rms(h, at(0.14), at(0.19));
    EXPECT_GT(lub, 3.0 * hush);
    EXPECT_GT(dub, 3.0 * hush);
    EXPECT_GT(lub, 5.0 * rms(h, at(0.45)));
    // Crickets: a share of the dusk in their high band, the wind below.
    const std::vector<double> duskPower = spectrum(mono(dusk));
    EXPECT_GT(bandShare(duskPower, dusk.sampleRate, 3900.0, 4800.0), 0.01);
    EXPECT_GT(bandShare(duskPower, dusk.sampleRate, 150.0, 1000.0), 0.5);
}

TEST(SoundPacing, FootstepsFallTwiceAStrideAtAnyFrameRate) {
    for (const int fps : {24, 60, 144}) {
        audio::FootstepClock clock;
        int steps = 0;
        for (int frame = 0; frame <= 3 * fps; ++frame) {  // three strides
            steps += clock.advance(0.37f + static_cast<float>(frame) / fps) ? 1 : 0;
        }
        EXPECT_EQ(steps, 6) << fps << " frames a second";
    }
    audio::FootstepClock clock;
    EXPECT_FALSE(clock.advance(0.6f)) << "the first sample is no step";
    EXPECT_TRUE(clock.advance(0.01f)) << "the wrap of the cycle is a footfall";
    clock.reset();
    EXPECT_FALSE(clock.advance(0.7f));
}

TEST(SoundPacing, TheHeartBeatsWhileSeenAndQuickensAsHealthFalls) {
    const auto beatsIn = [](float seconds, bool seen, float health) {
        audio::HeartbeatPace pace;
        int beats = 0;
        for (float t = 0.0f; t < seconds; t += 1.0f / 60.0f) {
            beats += pace.advance(seen, health, 1.0f / 60.0f) ? 1 : 0;
        }
        return beats;
    };
    EXPECT_EQ(beatsIn(10.0f, false, 0.5f), 0);
    const int calm = beatsIn(10.0f, true, 1.0f);
    const int weak = beatsIn(10.0f, true, 0.1f);
    EXPECT_GE(calm, 9);
    EXPECT_LE(calm, 11);
    EXPECT_GT(weak, 2 * calm - 3);
    EXPECT_GT(beatsIn(10.0f, true, std::nanf("")), 0) << "a beat, not a flood or nothing";
    EXPECT_LT(beatsIn(10.0f, true, std::nanf("")), 30);
    audio::HeartbeatPace pace;
    EXPECT_TRUE(pace.advance(true, 1.0f, 0.016f)) << "the first look makes the heart jump";
}

TEST(SoundReader, RefusesWhatIsNoSound) {
    const fs::path dir =
        fs::temp_directory_path() / ("duskhollow-sound-" + std::to_string(getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "text.wav") << "not a sound at all";
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = 3;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* three = sf_open((dir / "three.wav").c_str(), SFM_WRITE, &info);
    ASSERT_NE(three, nullptr);
    const short frame[3] = {1, 2, 3};
    sf_writef_short(three, frame, 1);
    sf_close(three);
    info.channels = 1;
    sf_close(sf_open((dir / "empty.wav").c_str(), SFM_WRITE, &info));

    for (const char* name : {"missing.wav", "text.wav", "three.wav", "empty.wav"}) {
        DecodedSound sound;
        std::string error;
        EXPECT_FALSE(audio::decodeSound((dir / name).string(), sound, error)) << name;
        EXPECT_FALSE(error.empty()) << name;
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace dusk::test
