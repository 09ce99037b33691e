// Records the replays of tests/replays from scripted inputs, with no window:
// a bot that walks behind each kid and screams, a loss standing still in
// sight of a kid, a round at every difficulty, one running and flying.
//
//   recordreplays OUTDIR      (run in the run directory: it loads the models)
//
// The same build always writes the same files. A deliberate change to the
// rules or the physics changes what they replay to: record them again.
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <string>

#include "app/WorldModelsLoader.h"
#include "game/Round.h"
#include "game/Rules.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayPlayer.h"
#include "replay/ReplayRecorder.h"

namespace {

using dusk::Round;
using dusk::scene::PlayerControls;

constexpr float pi = 3.14159265f;

float wrapAngle(float a) {
    while (a > pi) {
        a -= 2.0f * pi;
    }
    while (a < -pi) {
        a += 2.0f * pi;
    }
    return a;
}

dusk::vec3 position(const dusk::mat4& m) { return dusk::vec3(m[3]); }

// Around the kid, the middle of the side it does not face (a unit vector).
dusk::vec3 behind(const dusk::mat4& kid) {
    dusk::vec3 sum(0.0f);
    for (int i = 0; i < 72; ++i) {
        const float a = 2.0f * pi * float(i) / 72.0f;
        const dusk::vec3 offset(std::cos(a), 0.0f, std::sin(a));
        if (!dusk::kidFacesPlayer(position(kid) + offset * 3.0f, kid)) {
            sum += offset;
        }
    }
    return glm::length(sum) > 0.0f ? glm::normalize(sum) : dusk::vec3(1.0f, 0.0f, 0.0f);
}

// Where the bot heads for the kid: behind it, going round outside its sight
// while in front of it.
dusk::vec3 waypoint(const Round& round, const dusk::mat4& kid) {
    const dusk::vec3 at = position(kid);
    const dusk::vec3 player = position(round.world().camera.modelMatrix);
    const dusk::vec3 back = behind(kid);
    const float safe = round.difficulty().sight.distance + 3.0f;
    if (!dusk::kidFacesPlayer(player, kid) || dusk::horizontalDistance(player, at) > safe + 2.0f) {
        return at + back * 2.5f;
    }
    const float mine = std::atan2(player.z - at.z, player.x - at.x);
    const float goal = std::atan2(back.z, back.x);
    const float step = wrapAngle(goal - mine) > 0.0f ? 0.9f : -0.9f;
    return at + dusk::vec3(std::cos(mine + step), 0.0f, std::sin(mine + step)) * safe;
}

// One frame of the bot: turn toward the nearest active kid's waypoint, walk
// (run when far), scream when a scream would tell.
PlayerControls botControls(const Round& round) {
    PlayerControls c;
    const auto& world = round.world();
    const dusk::vec3 player = position(world.camera.modelMatrix);
    const dusk::mat4* nearest = nullptr;
    float best = std::numeric_limits<float>::max();
    for (const auto& kid : world.kids) {
        const float d = dusk::horizontalDistance(player, position(kid->modelMatrix));
        if (kid->isActive() && d < best) {
            best = d;
            nearest = &kid->modelMatrix;
        }
    }
    for (const bool reach : round.inReach()) {
        c.scream = c.scream || reach;
    }
    if (nearest == nullptr) {
        return c;
    }
    const dusk::vec3 to = waypoint(round, *nearest) - player;
    const float want = std::atan2(to.x, to.z);
    const float turn = wrapAngle(want - world.camera.horizontalAngle);
    c.turnHorizontal = std::fmax(-0.12f, std::fmin(0.12f, turn));
    c.turnVertical = -world.camera.verticalAngle;
    const float far = std::sqrt(to.x * to.x + to.z * to.z);
    c.move.forward = std::fabs(turn) < 0.6f && far > 0.4f;
    c.move.run = far > 6.0f;
    return c;
}

// Plays frames until the round ends or frames run out; the frame's dt
// jitters about 1/60 s as a real frame's does, the clock runs on from 4 s.
dusk::Replay record(const dusk::scene::WorldModels& models, std::uint32_t seed,
                    const dusk::Difficulty& difficulty, int frames,
                    const std::function<PlayerControls(const Round&, int)>& script) {
    Round round(models, seed, difficulty);
    dusk::ReplayRecorder recorder(round);
    double clock = 4.0;
    for (int i = 0; i < frames && !round.over(); ++i) {
        const float dt = 1.0f / 60.0f + 0.0004f * float((i * 7919) % 11 - 5);
        clock += dt;
        const PlayerControls c = script(round, i);
        recorder.record(c, dt, clock);
        round.update(c, dt, clock);
    }
    return recorder.finish(round);
}

// Writes the replay after checking that it plays again as recorded.
bool save(const dusk::scene::WorldModels& models, const std::string& folder,
          const std::string& name, const dusk::Replay& replay) {
    const dusk::ReplayCheck check = dusk::checkReplay(replay, models);
    const std::string fault = check.matches ? dusk::ReplayFile(folder + "/" + name).write(replay)
                                            : "plays again differently";
    std::printf("%s: %s, %zu frames, %.2f s, %d kids frightened%s%s\n", name.c_str(),
                dusk::replayOutcomeName(replay.outcome), replay.frames.size(), replay.seconds(),
                check.kidsFrightened, fault.empty() ? "" : " - ", fault.c_str());
    return fault.empty();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: recordreplays OUTDIR (in the run directory)\n");
        return 2;
    }
    const std::string out = argv[1];
    const dusk::scene::WorldModels models = dusk::loadWorldModels(std::numeric_limits<int>::max());
    const auto bot = [](const Round& round, int) { return botControls(round); };
    const auto still = [](const Round&, int) { return PlayerControls(); };
    const auto flyAndRun = [](const Round&, int i) {
        PlayerControls c;
        c.move.forward = true;
        c.move.run = i % 120 < 80;
        c.move.left = i % 90 > 70;
        c.fly = i % 60 < 12;
        c.turnHorizontal = 0.004f * float(i % 37 - 18);
        c.walkRight = i % 50 < 10 ? 0.75f : 0.0f;
        c.scream = i % 45 == 0;
        return c;
    };
    const struct {
        const char* name;
        std::uint32_t seed;
        dusk::Difficulty difficulty;
        int frames;
        std::function<PlayerControls(const Round&, int)> script;
    } rounds[] = {
        {"won-relaxed.dkr", 11, dusk::Difficulty::relaxed(), 20000, bot},
        {"lost-standard.dkr", 157, dusk::Difficulty::standard(), 1000, still},
        {"bot-hard.dkr", 5, dusk::Difficulty::hard(), 1800, bot},
        {"fly-run-standard.dkr", 4, dusk::Difficulty::standard(), 420, flyAndRun},
    };
    bool ok = true;
    for (const auto& r : rounds) {
        ok = save(models, out, r.name, record(models, r.seed, r.difficulty, r.frames, r.script)) &&
             ok;
    }
    return ok ? 0 : 1;
}
