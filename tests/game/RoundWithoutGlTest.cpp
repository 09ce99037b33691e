// A round needs no window and no GL: the game's own models load on the CPU,
// and the forest is built and played by the rules alone.
#include <GL/glew.h>
#include <btBulletDynamicsCommon.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "app/WorldModelsLoader.h"
#include "assets/SkinnedModel.h"
#include "assets/StaticModel.h"
#include "game/Round.h"
#include "support/RunDir.h"

namespace dusk::test {
namespace {

void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "failed: %s\n", what);
        std::_Exit(1);
    }
}

void put(btRigidBody* body, const vec3& at) {
    btTransform transform;
    transform.setIdentity();
    transform.setOrigin(btVector3(at.x, at.y, at.z));
    body->setWorldTransform(transform);
    body->setLinearVelocity(btVector3(0, 0, 0));
    body->setAngularVelocity(btVector3(0, 0, 0));
}

// One frame with the player held at p; the events of the frame.
std::vector<RoundEvent> frameAt(Round& round, const vec3& p, bool scream) {
    put(round.world().camera.body.get(), p);
    scene::PlayerControls controls;
    controls.scream = scream;
    return round.update(controls, 1.0f / 60.0f, round.seconds());
}

// Runs in a process of its own in which GLEW was never set up: every GL entry
// point is null, so a single GL call on the way would crash it.
void playWithoutGl() {
    require(glGenBuffers == nullptr && glGenVertexArrays == nullptr, "a process without GL");
    const RunDir run;
    const ScopedCwd cwd(run.path());
    const scene::WorldModels models = loadWorldModels(64);
    require(!models.ground->subMeshes.empty() && models.ground->image != nullptr,
            "the ground and its picture load");
    require(models.kid->boneCount > 0 && models.kid->walkClock().has_value(),
            "the kid loads with its walk");

    Round round(models, 157);
    require(round.world().kids.size() == 10 && round.world().trees.size() == 70, "the forest");
    scene::World& world = round.world();
    // The kid under test at (20, 20) facing +z, the others far off in a row.
    for (size_t i = 1; i < world.kids.size(); ++i) {
        put(world.kids[i]->body.get(), vec3(-60.0f, 1.2f, -60.0f + 6.0f * float(i)));
    }
    const vec3 kid(20.0f, 1.2f, 20.0f);
    put(world.kids[0]->body.get(), kid);
    frameAt(round, kid + vec3(0.5f, 1.3f, 3.0f), true);  // in front, in sight
    require(round.health < Round::startHealth, "a kid that sees the player drains health");
    require(world.kids[0]->isActive(), "a scream in sight terrifies no one");
    require(!world.kidPose.empty(), "the walking kids are posed");

    std::vector<RoundEvent> events;
    for (int frame = 0; frame < 3 && events.empty(); ++frame) {
        put(world.kids[0]->body.get(), kid);
        events = frameAt(round, kid + vec3(0.0f, 1.3f, -4.0f), true);  // behind, close
    }
    require(events.size() == 1 && events[0].kind == RoundEvent::Kind::KidTerrified &&
                events[0].kidsLeft == 9,
            "a scream behind the kid terrifies it");
    require(!world.kids[0]->isActive() && round.kidsFrightened() == 1, "the kid stays terrified");
    std::fprintf(stderr, "round played\n");
    std::exit(0);
}

TEST(RoundWithoutGl, TheGameModelsLoadAndARoundIsPlayedWithNoWindowOrGlContext) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(playWithoutGl(), ::testing::ExitedWithCode(0), "round played");
}

}  // namespace
}  // namespace dusk::test
