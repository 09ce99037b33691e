// Captions: what the player hears, with its direction from the listener,
// merged, at most three lines, and steps only within hearing.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>

#include "audio/Captions.h"
#include "audio/GameAudio.h"

namespace dusk::test {
namespace {

using audio::HeardSound;

// Standing at (0, 1.5, 0) and looking along +x: the left is -z.
audio::ListenerPose lookingEast(float pitch = 0.0f) {
    const vec3 eye(0.0f, 1.5f, 0.0f);
    const vec3 look(std::cos(pitch), std::sin(pitch), 0.0f);
    return audio::poseFromView(lookAt(eye, eye + look, vec3(0, 1, 0)));
}

std::vector<std::string> texts(const audio::Captions& captions) {
    std::vector<std::string> result;
    for (const auto& line : captions.lines()) {
        result.push_back(line.text);
    }
    return result;
}

TEST(Captions, SayWhereASoundComesFromAroundTheListener) {
    const struct {
        vec3 source;
        const char* word;
    } cases[] = {
        {{6.0f, 0.0f, 1.0f}, "ahead"},       {{1.0f, 0.0f, -6.0f}, "left"},
        {{-1.0f, 3.0f, 6.0f}, "right"},      {{-6.0f, 0.0f, -2.0f}, "behind you"},
        {{-4.0f, 0.0f, 3.0f}, "behind you"}, {{3.0f, 0.0f, -4.0f}, "left"},
    };
    for (const float pitch : {0.0f, 1.2f, -1.2f}) {  // looking up or down changes nothing
        for (const auto& c : cases) {
            EXPECT_STREQ(audio::directionWord(lookingEast(pitch), c.source), c.word)
                << c.source.x << " " << c.source.z << " pitch " << pitch;
        }
    }
    const audio::ListenerPose listener = lookingEast();
    EXPECT_EQ(audio::captionText({HeardSound::Kind::Shriek, {-5, 1, 0}}, listener),
              "[a kid shrieks, behind you]");
    EXPECT_EQ(audio::captionText({HeardSound::Kind::Footsteps, {0, 0, -3}}, listener),
              "[footsteps, left]");
    EXPECT_EQ(audio::captionText({HeardSound::Kind::Heartbeat, {}}, listener), "[your heartbeat]");
    EXPECT_EQ(audio::captionText({HeardSound::Kind::Scream, {}}, listener), "[you scream]");
}

TEST(Captions, TheSameSoundIsMergedThreeLinesAtMostEachFadingAfterTwoSeconds) {
    audio::Captions captions;
    captions.add("[your heartbeat]");
    captions.add("[footsteps, left]");
    captions.advance(1.0f);
    captions.add("[your heartbeat]");
    EXPECT_EQ(texts(captions), (std::vector<std::string>{"[footsteps, left]", "[your heartbeat]"}))
        << "one line, moved to the newest";
    captions.add("[you scream]");
    captions.add("[a kid shrieks, ahead]");
    EXPECT_EQ(texts(captions), (std::vector<std::string>{"[your heartbeat]", "[you scream]",
                                                         "[a kid shrieks, ahead]"}));
    captions.advance(1.9f);
    for (const auto& line : captions.lines()) {
        EXPECT_FLOAT_EQ(line.alpha, 1.0f) << line.text;
    }
    captions.advance(0.35f);
    const auto fading = captions.lines();
    ASSERT_EQ(fading.size(), 3u);
    EXPECT_NEAR(fading[0].alpha, 0.5f, 0.01f) << "the heartbeat, 2.25 s old";
    captions.advance(0.3f);
    EXPECT_TRUE(captions.lines().empty());
}

TEST(Captions, StepsAreCaptionedOnlyWithinHearingShrieksFromAnywhere) {
    const audio::ListenerPose listener = lookingEast();
    audio::Captions captions;
    captions.hear({{HeardSound::Kind::Footsteps, {0.0f, 1.5f, 19.9f}},
                   {HeardSound::Kind::Footsteps, {-20.1f, 1.5f, 0.0f}},
                   {HeardSound::Kind::Shriek, {0.0f, 1.5f, -40.0f}}},
                  listener);
    EXPECT_EQ(texts(captions),
              (std::vector<std::string>{"[footsteps, right]", "[a kid shrieks, left]"}));
    EXPECT_FLOAT_EQ(audio::hearingDistance(audio::stepReferenceDistance), 20.0f);
}

// Two strides of a kid three units ahead-left, seen at half health, one
// scream, a shriek after the last update, then a frame with nothing: what the
// sound says it started, as one line.
std::string heardOverTwoStrides(audio::GameAudio& sound) {
    const vec3 kidAt(3.0f, 0.0f, -4.0f);
    audio::SoundFrame frame{lookingEast(), {{kidAt, true, 0.0f}}, true, 0.5f, true, 1.0f / 60.0f};
    std::map<HeardSound::Kind, int> counts;
    int stepsAtTheKid = 0;
    for (int i = 0; i < 120; ++i) {
        frame.kids[0].stridePhase = 0.1f + static_cast<float>(i) / 60.0f;
        sound.update(frame);
        frame.screamKeyDown = i < 10;
        for (const HeardSound& heard : sound.heard()) {
            ++counts[heard.kind];
            stepsAtTheKid += heard.kind == HeardSound::Kind::Footsteps && heard.position == kidAt;
        }
    }
    sound.kidTerrified(kidAt);
    const bool shriek =
        sound.heard().size() == 1 && sound.heard()[0].kind == HeardSound::Kind::Shriek;
    frame.kids[0].walking = false;
    frame.seen = false;
    sound.update(frame);
    return "steps " + std::to_string(counts[HeardSound::Kind::Footsteps]) + " (at the kid " +
           std::to_string(stepsAtTheKid) + "), screams " +
           std::to_string(counts[HeardSound::Kind::Scream]) + ", heartbeats " +
           std::to_string(counts[HeardSound::Kind::Heartbeat]) + ", shriek " +
           std::to_string(shriek) + ", then " + std::to_string(sound.heard().size());
}

// Without a device. OpenAL Soft reads its configuration once per process, so
// this runs in a process of its own (started afresh, not forked).
void reportWithoutADevice() {
    const std::string conf = ::testing::TempDir() + "captions-alsoft.conf";
    std::ofstream(conf) << "[general]\ndrivers=none\n";
    setenv("ALSOFT_CONF", conf.c_str(), 1);
    ::testing::internal::CaptureStdout();
    audio::GameAudio sound("no-such-folder/");
    ::testing::internal::GetCapturedStdout();
    std::fprintf(stderr, "device %d, %s\n", sound.enabled(), heardOverTwoStrides(sound).c_str());
    std::exit(0);
}

// Captions must work where no sound plays (no device, or the sound off).
TEST(CaptionsDeathTest, TheSoundReportsWhatItStartsEvenWithoutADevice) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // A heartbeat at once, then every 0.7 s; one press, one scream.
    EXPECT_EXIT(reportWithoutADevice(), ::testing::ExitedWithCode(0),
                "device 0, steps 4 \\(at the kid 4\\), screams 1, heartbeats 3, shriek 1, "
                "then 0");
}

}  // namespace
}  // namespace dusk::test
