// The game's sound as it really comes out of OpenAL Soft: every device this
// test opens mixes into a WAVE file (the wave driver), which is read back
// while it grows. Marks on its timeline are taken as frames written so far.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <thread>

#include "WaveCapture.h"
#include "audio/GameAudio.h"

namespace dusk::test {
namespace {

namespace fs = std::filesystem;

const fs::path shippedSounds = fs::path(DUSK_RUN_DIR) / "Sound";

// Looking along +x from (0, 1.5, 0): the listener's left is -z.
audio::ListenerPose facingEast() {
    const vec3 eye(0.0f, 1.5f, 0.0f);
    return audio::poseFromView(lookAt(eye, eye + vec3(1, 0, 0), vec3(0, 1, 0)));
}

class GameAudioTest : public ::testing::Test {
protected:
    // OpenAL Soft reads its configuration once per process: one capture for
    // all cases; every new device starts the file afresh.
    static void SetUpTestSuite() {
        std::string pattern = (fs::temp_directory_path() / "duskhollow-audio-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = new fs::path(pattern);
        capture = new WaveCapture(*dir);
        setenv("ALSOFT_CONF", capture->config().c_str(), 1);
    }
    static void TearDownTestSuite() {
        fs::remove_all(*dir);
        delete capture;
        delete dir;
    }

    // A sound directory holding only the named shipped sounds.
    fs::path soundsOnly(std::initializer_list<const char*> names) {
        const fs::path sounds = *dir / ("sounds" + std::to_string(++made));
        fs::create_directories(sounds);
        for (const char* name : names) {
            fs::copy_file(shippedSounds / name, sounds / name);
        }
        return sounds;
    }

    // Plays frames at 60 a second for the given time; the kid (if any)
    // walks at one stride a second.
    void play(audio::GameAudio& audio, double seconds) {
        const auto step = std::chrono::microseconds(16667);
        for (int i = 0; i < static_cast<int>(seconds * 60.0); ++i) {
            stride += 1.0f / 60.0f;
            frame.kids.assign(kid ? 1 : 0, *kid);
            for (auto& k : frame.kids) {
                k.stridePhase = stride;
            }
            frame.dt = 1.0f / 60.0f;
            audio.update(frame);
            std::this_thread::sleep_for(step);
        }
    }

    // The levels of the output over the next given seconds of play.
    StereoLevels levelsOver(audio::GameAudio& audio, double seconds) {
        const size_t from = capture->frames();
        play(audio, seconds);
        return capture->levels(from);
    }

    static fs::path* dir;
    static WaveCapture* capture;
    static int made;
    float stride = 0.0f;
    audio::SoundFrame frame{facingEast(), {}, false, 1.0f, false, 0.0f};
    std::optional<audio::KidSound> kid;
};

fs::path* GameAudioTest::dir = nullptr;
WaveCapture* GameAudioTest::capture = nullptr;
int GameAudioTest::made = 0;

const double silence = 1e-5;

TEST_F(GameAudioTest, AKidIsHeardFromWhereItWalksAndFadesWithDistance) {
    ::testing::internal::CaptureStdout();
    audio::GameAudio audio(soundsOnly({"footstep.wav"}).string() + "/");
    const std::string said = ::testing::internal::GetCapturedStdout();
    ASSERT_TRUE(audio.enabled()) << "the wave driver did not open";
    // The six sounds that are not there are each named once, and play nothing.
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 6) << said;
    EXPECT_NE(said.find("Error loading sound '" + (*dir / "sounds1/scream.wav").string() + "': "),
              std::string::npos)
        << said;

    kid = audio::KidSound{vec3(0.0f, 0.0f, -3.0f), true, 0.0f};
    const StereoLevels nearLeft = levelsOver(audio, 2.0);
    EXPECT_GT(nearLeft.left, 0.01);
    EXPECT_GT(nearLeft.left, 2.0 * nearLeft.right);

    kid->position = vec3(0.0f, 0.0f, 3.0f);
    const StereoLevels nearRight = levelsOver(audio, 2.0);
    EXPECT_GT(nearRight.right, 2.0 * nearRight.left);

    kid->position = vec3(0.0f, 0.0f, -15.0f);
    const StereoLevels farLeft = levelsOver(audio, 2.0);
    EXPECT_GT(farLeft.left, silence) << "still heard, only softer";
    EXPECT_LT(farLeft.both(), nearLeft.both() / 2.5);
}

// Captions leave out steps beyond their hearing distance: that is where the
// mix has them at a tenth of their level at the reference distance.
TEST_F(GameAudioTest, StepsFallToATenthOfTheirLevelAtTheCaptionsHearingDistance) {
    ::testing::internal::CaptureStdout();
    audio::GameAudio audio(soundsOnly({"footstep.wav"}).string() + "/");
    ::testing::internal::GetCapturedStdout();
    ASSERT_TRUE(audio.enabled());
    const vec3 left(0.0f, 1.5f, -1.0f);  // the listener's ear level, to its left
    kid = audio::KidSound{left * vec3(1, 1, audio::stepReferenceDistance), true, 0.0f};
    // Both windows then hold four steps each, a quarter stride from their edges.
    play(audio, 0.25);
    const double full = levelsOver(audio, 2.0).both();
    kid->position = left * vec3(1, 1, audio::hearingDistance(audio::stepReferenceDistance));
    const double far = levelsOver(audio, 2.0).both();
    EXPECT_NEAR(far / full, 0.1, 0.01) << full << " " << far;
}

TEST_F(GameAudioTest, TheScreamIsHeardAndATerrifiedKidStopsWalking) {
    ::testing::internal::CaptureStdout();
    audio::GameAudio audio(soundsOnly({"footstep.wav", "scream.wav", "shriek.wav"}).string() + "/");
    ::testing::internal::GetCapturedStdout();
    ASSERT_TRUE(audio.enabled());

    kid = audio::KidSound{vec3(2.0f, 0.0f, 0.0f), true, 0.0f};
    EXPECT_GT(levelsOver(audio, 1.5).both(), 0.01);
    kid->walking = false;
    play(audio, 0.3);  // the step that was sounding is cut at once
    EXPECT_LT(levelsOver(audio, 1.0).both(), silence) << "a terrified kid still walks";

    audio.scream();
    EXPECT_GT(levelsOver(audio, 1.0).both(), 0.05) << "the scream is not in the output";
    play(audio, 0.5);
    EXPECT_LT(levelsOver(audio, 0.5).both(), silence);

    // The key screams on its press only, not while it is held.
    frame.screamKeyDown = true;
    EXPECT_GT(levelsOver(audio, 1.0).both(), 0.05);
    play(audio, 0.6);
    EXPECT_LT(levelsOver(audio, 0.5).both(), silence) << "a held key screamed again";

    audio.kidTerrified(vec3(0.0f, 0.0f, -4.0f));
    const StereoLevels shriek = levelsOver(audio, 0.8);
    EXPECT_GT(shriek.left, 0.01);
    EXPECT_GT(shriek.left, 2.0 * shriek.right) << "the shriek comes from the kid, on the left";
}

TEST_F(GameAudioTest, PauseAndVolumeZeroSilenceEverything) {
    audio::GameAudio audio(shippedSounds.string() + "/");
    ASSERT_TRUE(audio.enabled());
    kid = audio::KidSound{vec3(2.0f, 0.0f, 1.0f), true, 0.0f};
    frame.seen = true;
    const double playing = levelsOver(audio, 1.5).both();
    EXPECT_GT(playing, 0.01);

    audio.setPaused(true);
    audio.scream();
    play(audio, 0.2);
    EXPECT_LT(levelsOver(audio, 1.0).both(), silence) << "paused, but still sounding";
    audio.setPaused(false);
    EXPECT_GT(levelsOver(audio, 1.0).both(), 0.003) << "the sound did not come back";

    audio.setVolume(0.0f);
    play(audio, 0.2);
    EXPECT_LT(levelsOver(audio, 1.0).both(), silence) << "volume 0, but still sounding";
    audio.setVolume(1.0f);
    EXPECT_GT(levelsOver(audio, 1.0).both(), 0.003);
}

}  // namespace
}  // namespace dusk::test
