// Fifty rounds in one session, each lost and played again: nothing a round
// makes outlives it. The resident memory settles, and the GL objects and the
// physics bodies are as many after every round as after the first.
#include <unistd.h>

#include <fstream>

#include "GameFixture.h"

namespace dusk::test {
namespace {

long residentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// GL names in use, by kind, probed up to a bound far above what the game makes.
struct LiveGlObjects {
    int textures = 0;
    int buffers = 0;
    int programs = 0;
    int framebuffers = 0;
    int vertexArrays = 0;
    bool operator==(const LiveGlObjects& o) const {
        return textures == o.textures && buffers == o.buffers && programs == o.programs &&
               framebuffers == o.framebuffers && vertexArrays == o.vertexArrays;
    }
};

LiveGlObjects liveGlObjects() {
    LiveGlObjects live;
    for (GLuint name = 1; name < 4000; ++name) {
        live.textures += glIsTexture(name) ? 1 : 0;
        live.buffers += glIsBuffer(name) ? 1 : 0;
        live.programs += glIsProgram(name) ? 1 : 0;
        live.framebuffers += glIsFramebuffer(name) ? 1 : 0;
        live.vertexArrays += glIsVertexArray(name) ? 1 : 0;
    }
    return live;
}

using GameRoundsTest = GameFixture;

TEST_F(GameRoundsTest, FiftyRoundsLeaveNothingBehind) {
    const vec3 kidSpot(20.0f, 0.0f, 20.0f);
    LiveGlObjects firstObjects;
    int firstBodies = 0;
    long fifthMemory = 0;
    ::testing::internal::CaptureStdout();
    for (int played = 1; played <= 50; ++played) {
        // A few frames of play, drawn, then a kid sees the player at no health.
        for (int i = 0; i < 3; ++i) {
            session->runFrame();
        }
        parkOtherKids(0);
        placeKid(0, kidSpot.x, kidSpot.z);
        round().health = 0.01f;
        stepWith(kidSpot + vec3(0.5f, 2.5f, 8.0f), 1.0f / 60.0f);
        ASSERT_EQ(session->endScreen(), ui::EndScreen::Lost) << "round " << played;
        session->playAgain(played % 2 == 0);
        ASSERT_FALSE(roundEnded());
        const LiveGlObjects objects = liveGlObjects();
        const int bodies = world().physics.bodyCount();
        if (played == 1) {
            firstObjects = objects;
            firstBodies = bodies;
            EXPECT_GT(objects.textures, 0);
            EXPECT_EQ(bodies, 91) << "player, ground, sky, ten kids, seventy trees";
        }
        EXPECT_TRUE(objects == firstObjects) << "round " << played << ": textures "
                                             << objects.textures << ", buffers " << objects.buffers;
        EXPECT_EQ(bodies, firstBodies) << "round " << played;
        if (played == 5) {
            fifthMemory = residentKilobytes();
        }
    }
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(count(out, "New round (seed "), 50);
    const long growth = residentKilobytes() - fifthMemory;
#ifndef __SANITIZE_ADDRESS__
    // (AddressSanitizer keeps freed memory in quarantine, so there the
    // resident size says nothing; LeakSanitizer checks what is freed.)
    EXPECT_LT(growth, 2048) << "resident memory grew by " << growth << " kB from round 5 to 50";
#endif
    RecordProperty("resident_growth_kB", static_cast<int>(growth));
}

}  // namespace
}  // namespace dusk::test
