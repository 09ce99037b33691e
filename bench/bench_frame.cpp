// Frame cost of the real game at 1280 x 720: update and render timed apart
// (render with glFinish before the clock stops), one frame per repetition so
// the median and 95th percentile come out of the repetitions, and the
// start-up to the first presented frame. Then the whole frame for each
// graphics quality, each followed by its fill floor: the same fill work (a
// 4096^2 depth pass where the quality draws the shadow map every frame, a
// scene pass of the scene target's size and the full-window overlay) with
// trivial shaders. Low draws the scene at half the window's size; Fast at a
// render scale of 0.75 comes after it, to be read beside BM_Frame/Fast.
// BM_Pair/...: two settings in alternating blocks of frames, so that both
// see the same load; the medians of both and their ratio (the targets: Low
// at most 0.5 x Fast, Fast at render_scale 0.75 at most 0.75 x Fast).
// BM_HudCost: what the HUD adds to a whole Fast frame, taken over pairs of
// frames (one with the HUD, one without, in turns) as the median of the
// pairs' differences; the frames' own figures beside it.
// BM_StealthCuesCost: what the stealth cues add at their busiest (ten kids
// seeing the player all around, three captions) to a Fast frame with the HUD,
// measured the same way; BM_StealthCuesUpdate: their per-frame update alone.
// BM_TeachingCost: the same for the tips, the in-reach cues and the sight
// areas together at their busiest (ten areas, five red, five cues, a tip);
// BM_SightAreasCost: the areas alone. Both also give the CPU time the aids
// add over every thread (cpu_added_ms), which a loaded machine disturbs less.
//
// The sound plays on OpenAL Soft's wave driver into /dev/null (wave-null.conf)
// unless ALSOFT_CONF says otherwise.
//
// Run from anywhere under a display: xvfb-run -a -s "-screen 0 1280x720x24" ./bench_frame
#include <GL/glew.h>
#include <GLFW/glfw3.h>
#include <benchmark/benchmark.h>
#include <btBulletDynamicsCommon.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "app/Session.h"
#include "app/Startup.h"
#include "render/PassScheduler.h"
#include "settings/SettingsStore.h"
#include "ui/Hud.h"

namespace {

using Clock = std::chrono::steady_clock;

GLFWwindow* window = nullptr;
std::unique_ptr<dusk::Session> session;
double startupSeconds = 0.0;

double seconds(Clock::time_point from) {
    return std::chrono::duration<double>(Clock::now() - from).count();
}

// The frame's three passes, as the session draws them after its update;
// with another renderer, as that one draws them.
void render(dusk::Renderer* with = nullptr) {
    dusk::Round& round = session->round();
    dusk::Renderer& renderer = with != nullptr ? *with : session->renderer();
    renderer.render(round.world(), round.healthFraction(), session->frameOptions());
}

// A renderer like the session's whose fragment shaders named in blanked
// write one constant colour: the same draws, vertex work, passes and
// targets, without the shading. It is built in a directory of its own that
// links to the run directory's files but for a copy of the shaders, removed
// once built.
std::unique_ptr<dusk::Renderer> blankedRenderer(const std::vector<std::string>& blanked) {
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "dusk-unshaded-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        return nullptr;
    }
    const fs::path copy = pattern;
    const fs::path runDir = fs::current_path();
    for (const fs::directory_entry& entry : fs::directory_iterator(runDir)) {
        if (entry.path().filename() != "Duskhollow") {
            fs::create_symlink(entry.path(), copy / entry.path().filename());
        }
    }
    const fs::path shaders = fs::path("Duskhollow") / "Shader";
    fs::create_directories(copy / shaders);
    fs::copy(shaders, copy / shaders);
    for (const std::string& name : blanked) {
        std::ofstream(copy / shaders / name, std::ios::trunc)
            << "#version 330 core\nlayout(location = 0) out vec4 fragColor;\n"
               "void main() { fragColor = vec4(0.3, 0.4, 0.5, 1.0); }\n";
    }
    fs::current_path(copy);
    auto renderer = std::make_unique<dusk::Renderer>(1280, 720, dusk::GraphicsQuality::Fast);
    fs::current_path(runDir);
    fs::remove_all(copy);
    return renderer;
}

// The player stays unseen-proof here: a loss would end the round.
void updateUnseen(float dt) {
    session->round().health = session->round().maxHealth;
    session->step(dt);
}

bool startGame() {
    // DUSK_BENCH_RUN_DIR points the benchmark at another run directory, e.g.
    // a copy with experimental shaders.
    const char* runDir = std::getenv("DUSK_BENCH_RUN_DIR");
    if (chdir(runDir != nullptr ? runDir : DUSK_RUN_DIR) != 0 || !glfwInit()) {
        return false;
    }
    const auto start = Clock::now();
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 3);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    window = glfwCreateWindow(1280, 720, "Duskhollow", nullptr, nullptr);
    if (window == nullptr) {
        return false;
    }
    glfwMakeContextCurrent(window);
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK) {
        return false;
    }
    dusk::setUpWindow(window);
    session = std::make_unique<dusk::Session>(window, dusk::SessionOptions{}, dusk::PlayerFiles());
    session->step(1.0f / 60.0f);
    render();
    glfwSwapBuffers(window);
    glFinish();
    startupSeconds = seconds(start);
    return true;
}

void BM_Startup(benchmark::State& state) {
    for (auto _ : state) {
        state.SetIterationTime(startupSeconds);
    }
}
BENCHMARK(BM_Startup)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

double p95(const std::vector<double>& values) {
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    return sorted[static_cast<size_t>(0.95 * static_cast<double>(sorted.size() - 1))];
}

// renderScale: the player's render scale; none for the quality's own.
// with: another renderer than the session's.
void frameBenchmark(benchmark::State& state, int part,
                    dusk::GraphicsQuality quality = dusk::GraphicsQuality::Exact,
                    dusk::ui::Hud* hud = nullptr, std::optional<double> renderScale = {},
                    dusk::Renderer* with = nullptr) {
    session->settings().graphicsQuality = quality;
    session->settings().renderScale = renderScale;
    float dt = 1.0f / 60.0f;
    for (auto _ : state) {
        const auto frameStart = Clock::now();
        const auto updateStart = Clock::now();
        updateUnseen(dt);
        const double update = seconds(updateStart);
        const auto renderStart = Clock::now();
        render(with);
        if (hud != nullptr) {
            hud->draw(session->hudState(), glfwGetTime());
        }
        glFinish();
        const double render = seconds(renderStart);
        glfwSwapBuffers(window);
        glfwPollEvents();
        dt = static_cast<float>(seconds(frameStart));
        state.SetIterationTime(part == 0 ? update : part == 1 ? render : seconds(frameStart));
    }
    session->settings().renderScale.reset();
}

void BM_Update(benchmark::State& state) { frameBenchmark(state, 0); }
void BM_Render(benchmark::State& state) { frameBenchmark(state, 1); }

const char* const floorVertex = R"(#version 330 core
layout(location = 0) in vec2 p;
void main() { gl_Position = vec4(p, 0.5, 1.0); })";
const char* const floorFragment = R"(#version 330 core
out vec4 colour;
void main() { colour = vec4(0.2, 0.3, 0.4, 1.0); })";

// A depth-only target of the map's full size, apart from the game's own map.
GLuint floorShadowFramebuffer() {
    static GLuint framebuffer = 0;
    if (framebuffer == 0) {
        GLint bound = 0;  // the frame expects the scene texture still bound
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        GLuint texture = 0;
        glGenTextures(1, &texture);
        glBindTexture(GL_TEXTURE_2D, texture);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT16, 4096, 4096, 0, GL_DEPTH_COMPONENT,
                     GL_FLOAT, nullptr);
        glGenFramebuffers(1, &framebuffer);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        glFramebufferTexture(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, texture, 0);
        glDrawBuffer(GL_NONE);
        glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
    }
    return framebuffer;
}

// The same fill work as a frame with trivial shaders: the floor under it.
// Only Exact draws the shadow map every frame; the scene pass covers scale
// of the window's width and height, the overlay all of it.
void fillFloor(benchmark::State& state, bool shadowPass, float scale) {
    const auto sceneWidth = static_cast<GLsizei>(std::lround(1280 * scale));
    const auto sceneHeight = static_cast<GLsizei>(std::lround(720 * scale));
    GLuint program = glCreateProgram();
    for (auto [type, text] :
         {std::pair{GL_VERTEX_SHADER, floorVertex}, std::pair{GL_FRAGMENT_SHADER, floorFragment}}) {
        GLuint shader = glCreateShader(type);
        glShaderSource(shader, 1, &text, nullptr);
        glCompileShader(shader);
        glAttachShader(program, shader);
    }
    glLinkProgram(program);
    const float quad[] = {-1, -1, 1, -1, -1, 1, -1, 1, 1, -1, 1, 1};
    GLuint vao = 0;
    GLuint vbo = 0;
    glGenVertexArrays(1, &vao);
    glBindVertexArray(vao);
    glGenBuffers(1, &vbo);
    glBindBuffer(GL_ARRAY_BUFFER, vbo);
    glBufferData(GL_ARRAY_BUFFER, sizeof(quad), quad, GL_STATIC_DRAW);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glDisable(GL_CULL_FACE);
    glUseProgram(program);
    for (auto _ : state) {
        const auto start = Clock::now();
        if (shadowPass) {
            glBindFramebuffer(GL_FRAMEBUFFER, floorShadowFramebuffer());
            glViewport(0, 0, 4096, 4096);
            glClear(GL_DEPTH_BUFFER_BIT);
            glDrawArrays(GL_TRIANGLES, 0, 6);
        }
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        for (const auto& [width, height] :
             {std::pair{sceneWidth, sceneHeight}, std::pair{GLsizei{1280}, GLsizei{720}}}) {
            glViewport(0, 0, width, height);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glDrawArrays(GL_TRIANGLES, 0, 6);
        }
        glFinish();
        glfwSwapBuffers(window);
        state.SetIterationTime(seconds(start));
    }
    glEnable(GL_CULL_FACE);
    glBindVertexArray(0);
}

// The session's HUD, drawn once before any figure is taken: its first frame
// compiles the HUD's shaders and uploads the font.
dusk::ui::Hud& sharedHud() {
    static bool drawn = false;
    if (!drawn) {
        session->hud().draw(session->hudState(), glfwGetTime());
        glFinish();
        drawn = true;
    }
    return session->hud();
}

// A whole Fast frame as the frame loop draws it, with or without the HUD as
// it is most of the time (kids left, both bars); its time up to the finish.
double hudPairFrame(bool withHud, float dt, bool busy) {
    dusk::ui::Hud& hud = sharedHud();
    const double now = glfwGetTime();
    if (busy) {
        for (int i = 0; i < 4; ++i) {
            hud.toast("enable wireframe mode", now);
        }
        hud.showHelp(now);
    }
    const auto start = Clock::now();
    updateUnseen(dt);
    render();
    if (withHud) {
        hud.draw(session->hudState(), now);
    }
    glfwSwapBuffers(window);
    glFinish();
    const double taken = seconds(start);
    glfwPollEvents();
    return taken;
}

// Each repetition: two frames, one with the HUD and one without (which goes
// first alternates), the difference as the repetition's time. Frames of a
// pair see nearly the same scene, so most of the frame-to-frame spread cancels.
void hudCost(benchmark::State& state, bool busy) {
    session->settings().graphicsQuality = dusk::GraphicsQuality::Fast;
    static int turn = 0;
    for (auto _ : state) {
        const bool hudFirst = (turn++ % 2) == 0;
        const double first = hudPairFrame(hudFirst, 1.0f / 30.0f, busy);
        const double second = hudPairFrame(!hudFirst, 1.0f / 30.0f, busy);
        const double with = hudFirst ? first : second;
        const double without = hudFirst ? second : first;
        // A negative difference counts as none, which can only raise the median.
        state.SetIterationTime(std::max(with - without, 0.0));
        state.counters["with_ms"] = with * 1e3;
        state.counters["without_ms"] = without * 1e3;
    }
}

struct Look {
    dusk::GraphicsQuality quality;
    std::optional<double> renderScale;
};

// The whole frames of one block drawn as the look says; the first frames,
// which make the scene target and the shadow map anew, are not kept.
void frameBlock(const Look& look, std::vector<double>& into) {
    session->settings().graphicsQuality = look.quality;
    session->settings().renderScale = look.renderScale;
    for (int frame = 0; frame < 10; ++frame) {
        const auto start = Clock::now();
        updateUnseen(1.0f / 30.0f);
        render();
        glFinish();
        glfwSwapBuffers(window);
        glfwPollEvents();
        if (frame >= 2) {
            into.push_back(seconds(start));
        }
    }
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Each iteration a block of the base look and a block of the other, which
// goes first in turn.
void pairedBlocks(benchmark::State& state, Look base, Look other) {
    std::vector<double> baseTimes;
    std::vector<double> otherTimes;
    int turn = 0;
    for (auto _ : state) {
        const bool baseFirst = (turn++ % 2) == 0;
        frameBlock(baseFirst ? base : other, baseFirst ? baseTimes : otherTimes);
        frameBlock(baseFirst ? other : base, baseFirst ? otherTimes : baseTimes);
    }
    session->settings().renderScale.reset();
    state.counters["base_ms"] = median(baseTimes) * 1e3;
    state.counters["other_ms"] = median(otherTimes) * 1e3;
    state.counters["ratio"] = median(otherTimes) / median(baseTimes);
}

// Play again: from the choice on the end screen to the first frame of the
// new round on the screen (a new forest built on the loaded models, one
// update, the three passes, the HUD, the swap).
void BM_PlayAgain(benchmark::State& state) {
    session->settings().graphicsQuality = dusk::GraphicsQuality::Fast;
    for (auto _ : state) {
        const auto start = Clock::now();
        session->playAgain(false);
        updateUnseen(1.0f / 60.0f);
        render();
        session->hud().draw(session->hudState(), glfwGetTime());
        glfwSwapBuffers(window);
        glFinish();
        state.SetIterationTime(seconds(start));
        glfwPollEvents();
    }
}

// Ten kids in a ring eight units around the player, each looking at it: a
// few in view, the rest behind arrows.
void surroundPlayer() {
    dusk::scene::World& world = session->round().world();
    const btVector3 player = world.camera.body->getWorldTransform().getOrigin();
    const auto& kids = world.kids;
    for (size_t i = 0; i < kids.size(); ++i) {
        const float a = 6.2831853f * static_cast<float>(i) / static_cast<float>(kids.size());
        btTransform transform;
        transform.setIdentity();
        // Facing the player: its local +z turned to point back at the centre.
        transform.setRotation(btQuaternion(btVector3(0, 1, 0), a + 3.14159265f));
        transform.setOrigin(player + btVector3(8.0f * std::sin(a), 0.0f, 8.0f * std::cos(a)) +
                            btVector3(0.3f, 1.2f - player.y(), 0.0f));
        kids[i]->body->setWorldTransform(transform);
        kids[i]->body->setLinearVelocity(btVector3(0, 0, 0));
    }
}

size_t marksDrawn = 0;

// A whole Fast frame with the HUD, the stealth cues drawn or not.
double cuesPairFrame(bool withCues, float dt) {
    dusk::ui::Hud& hud = sharedHud();
    dusk::UserSettings& chosen = session->settings();
    chosen.detectionMarkers = withCues;
    chosen.captions = withCues;
    dusk::audio::Captions& captions = session->cues().captions;
    for (const char* line :
         {"[your heartbeat]", "[footsteps, left]", "[a kid shrieks, behind you]"}) {
        captions.add(line);
    }
    surroundPlayer();
    const auto start = Clock::now();
    updateUnseen(dt);
    render();
    const dusk::ui::HudState shown = session->hudState();
    hud.draw(shown, glfwGetTime());
    glfwSwapBuffers(window);
    glFinish();
    const double taken = seconds(start);
    glfwPollEvents();
    if (withCues) {
        marksDrawn = shown.markers.size();
    }
    return taken;
}

void BM_StealthCuesCost(benchmark::State& state) {
    session->settings().graphicsQuality = dusk::GraphicsQuality::Fast;
    static int turn = 0;
    for (auto _ : state) {
        const bool cuesFirst = (turn++ % 2) == 0;
        const double first = cuesPairFrame(cuesFirst, 1.0f / 30.0f);
        const double second = cuesPairFrame(!cuesFirst, 1.0f / 30.0f);
        const double with = cuesFirst ? first : second;
        const double without = cuesFirst ? second : first;
        state.SetIterationTime(std::max(with - without, 0.0));
        state.counters["with_ms"] = with * 1e3;
        state.counters["without_ms"] = without * 1e3;
        state.counters["marks"] = static_cast<double>(marksDrawn);
    }
    session->settings() = dusk::UserSettings();
}

// The CPU time of every thread of the process (the rasteriser's too): what a
// pass costs without the time it waited for a core on a busy machine.
double processCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

struct PassTime {
    double wall;
    double cpu;
};

// One pair of frames, with and without what is measured, run in alternating
// order from call to call (turn counts the calls). The iteration's time is
// what "with" adds in wall time; the counters give both frames and the CPU
// time added, every thread's (the rasteriser's too): the work added without
// the waits for a core on a loaded machine.
template <typename Frame>
void timePair(benchmark::State& state, int& turn, Frame frame) {
    const bool withFirst = (turn++ % 2) == 0;
    const PassTime first = frame(withFirst);
    const PassTime second = frame(!withFirst);
    const PassTime& with = withFirst ? first : second;
    const PassTime& without = withFirst ? second : first;
    state.SetIterationTime(std::max(with.wall - without.wall, 0.0));
    state.counters["with_ms"] = with.wall * 1e3;
    state.counters["without_ms"] = without.wall * 1e3;
    state.counters["cpu_added_ms"] = (with.cpu - without.cpu) * 1e3;
}

// The same pairs with only the HUD pass timed (the state, ImGui's frame and
// its draw, up to the finish): the shared update and three passes, whose
// spread swamps a fraction of a millisecond on a loaded machine, are left out.
PassTime cuesHudPass(bool withCues) {
    dusk::UserSettings& chosen = session->settings();
    chosen.detectionMarkers = withCues;
    chosen.captions = withCues;
    surroundPlayer();
    updateUnseen(1.0f / 30.0f);
    render();
    glFinish();
    const auto start = Clock::now();
    const double cpuStart = processCpuSeconds();
    sharedHud().draw(session->hudState(), glfwGetTime());
    glFinish();
    const PassTime taken{seconds(start), processCpuSeconds() - cpuStart};
    glfwSwapBuffers(window);
    glfwPollEvents();
    return taken;
}

void BM_StealthCuesHudPass(benchmark::State& state) {
    session->settings().graphicsQuality = dusk::GraphicsQuality::Fast;
    static int turn = 0;
    for (auto _ : state) {
        for (const char* line :
             {"[your heartbeat]", "[footsteps, left]", "[a kid shrieks, behind you]"}) {
            session->cues().captions.add(line);
        }
        timePair(state, turn, cuesHudPass);
    }
    session->settings() = dusk::UserSettings();
}

// The cues' own update with ten kids seeing the player (done in every
// played frame, drawn or not).
void BM_StealthCuesUpdate(benchmark::State& state) {
    surroundPlayer();
    updateUnseen(1.0f / 60.0f);
    for (auto _ : state) {
        const auto start = Clock::now();
        session->cues().update(session->round(), session->sound(), 1.0f / 60.0f);
        state.SetIterationTime(seconds(start));
    }
}

// The teaching aids at their busiest: the even kids on the ring watching the
// player (red areas), the odd ones three units away with their backs to it
// (in reach, an area each facing out), a tip on screen.
void surroundPlayerTeaching() {
    surroundPlayer();
    dusk::scene::World& world = session->round().world();
    const btVector3 player = world.camera.body->getWorldTransform().getOrigin();
    for (size_t i = 1; i < world.kids.size(); i += 2) {
        const float a = 6.2831853f * static_cast<float>(i) / static_cast<float>(world.kids.size());
        btTransform transform;
        transform.setIdentity();
        transform.setRotation(btQuaternion(btVector3(0, 1, 0), a));  // facing out
        transform.setOrigin(player +
                            btVector3(3.0f * std::sin(a), 1.2f - player.y(), 3.0f * std::cos(a)));
        world.kids[i]->body->setWorldTransform(transform);
    }
}

size_t cuesInReach = 0;

// A whole Fast frame with the HUD, tips, in-reach cues and sight areas on or
// off (the cues draw whenever a kid is in reach: off, the state leaves them
// out).
// areasOnly: the tips and cues stay off in both frames.
PassTime teachingPairFrame(bool withAids, float dt, bool areasOnly) {
    dusk::ui::Hud& hud = sharedHud();
    dusk::UserSettings& chosen = session->settings();
    chosen.sightAreas = withAids;
    chosen.tips = withAids && !areasOnly ? dusk::TipsMode::On : dusk::TipsMode::Off;
    surroundPlayerTeaching();
    const auto start = Clock::now();
    const double cpuStart = processCpuSeconds();
    updateUnseen(dt);
    render();
    dusk::ui::HudState shown = session->hudState();
    if (!withAids || areasOnly) {
        shown.inReach.clear();
    }
    hud.draw(shown, glfwGetTime());
    glfwSwapBuffers(window);
    glFinish();
    const PassTime taken{seconds(start), processCpuSeconds() - cpuStart};
    glfwPollEvents();
    if (withAids) {
        cuesInReach = shown.inReach.size();
    }
    return taken;
}

void teachingCost(benchmark::State& state, bool areasOnly) {
    session->settings().graphicsQuality = dusk::GraphicsQuality::Fast;
    session->showTipsAgain();
    static int turn = 0;
    for (auto _ : state) {
        timePair(state, turn, [areasOnly](bool withAids) {
            return teachingPairFrame(withAids, 1.0f / 30.0f, areasOnly);
        });
        state.counters["in_reach"] = static_cast<double>(cuesInReach);
    }
    session->settings() = dusk::UserSettings();
}

void BM_TeachingCost(benchmark::State& state) { teachingCost(state, false); }
void BM_SightAreasCost(benchmark::State& state) { teachingCost(state, true); }

void BM_HudCost(benchmark::State& state) { hudCost(state, false); }
void BM_HudCostBusy(benchmark::State& state) { hudCost(state, true); }

// DUSK_BENCH_FRAMES overrides the 300 frames each figure is taken over.
int repetitions() {
    const char* frames = std::getenv("DUSK_BENCH_FRAMES");
    return frames != nullptr && std::atoi(frames) > 0 ? std::atoi(frames) : 300;
}

void statistics(benchmark::internal::Benchmark* b) {
    b->UseManualTime()
        ->Iterations(1)
        ->Repetitions(repetitions())
        ->ComputeStatistics("p95", p95)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMillisecond);
}

// The renderers without shading, each built the first time a benchmark asks
// for it (not for runs that leave those out) and released while the window
// still holds the GL context.
std::unique_ptr<dusk::Renderer> unlitRenderer;
std::unique_ptr<dusk::Renderer> unshadedRenderer;

dusk::Renderer* blankedOnce(std::unique_ptr<dusk::Renderer>& kept,
                            const std::vector<std::string>& blanked) {
    if (kept == nullptr) {
        kept = blankedRenderer(blanked);
    }
    return kept.get();
}

// Where a Fast or Low frame's time goes, beside BM_Frame and BM_FillFloor
// of the same run: "unlit" has the lit pass's fragment shader write a
// constant colour (the sky and the screen pass as they are), "unshaded"
// the sky's and the screen pass's too. Between the floor and unshaded lies
// the real geometry's rasterisation; above unshaded, the shading.
void registerUnshadedFrames() {
    using dusk::GraphicsQuality;
    for (const auto& [name, quality, litOnly] :
         {std::tuple{"BM_Frame/Fast/unlit", GraphicsQuality::Fast, true},
          std::tuple{"BM_Frame/Fast/unshaded", GraphicsQuality::Fast, false},
          std::tuple{"BM_Frame/Low/unshaded", GraphicsQuality::Low, false}}) {
        statistics(benchmark::RegisterBenchmark(name, [quality = quality,
                                                       litOnly = litOnly](benchmark::State& state) {
            dusk::Renderer* renderer =
                litOnly
                    ? blankedOnce(unlitRenderer, {"basic.frag"})
                    : blankedOnce(unshadedRenderer, {"basic.frag", "sky.frag", "lensFlare.frag"});
            if (renderer == nullptr) {
                state.SkipWithError("no temporary directory for the blanked shaders");
                return;
            }
            frameBenchmark(state, 2, quality, nullptr, std::nullopt, renderer);
        }));
    }
}

void registerFrameBenchmarks() {
    statistics(benchmark::RegisterBenchmark("BM_Update", BM_Update));
    statistics(benchmark::RegisterBenchmark("BM_Render", BM_Render));
    using dusk::GraphicsQuality;
    for (GraphicsQuality quality :
         {GraphicsQuality::Exact, GraphicsQuality::Fast, GraphicsQuality::Low}) {
        const std::string name = dusk::graphicsQualityName(quality);
        statistics(benchmark::RegisterBenchmark(
            ("BM_Frame/" + name).c_str(),
            [quality](benchmark::State& state) { frameBenchmark(state, 2, quality); }));
        const bool shadowPass = quality == GraphicsQuality::Exact;
        dusk::UserSettings chosen;
        chosen.graphicsQuality = quality;
        const float scale = chosen.renderScaleInUse();
        statistics(benchmark::RegisterBenchmark(
            ("BM_FillFloor/" + name).c_str(),
            [shadowPass, scale](benchmark::State& state) { fillFloor(state, shadowPass, scale); }));
    }
    // Target: at most 0.75 x BM_Frame/Fast of the same run.
    statistics(benchmark::RegisterBenchmark(
        "BM_Frame/Fast/render_scale:0.75", [](benchmark::State& state) {
            frameBenchmark(state, 2, dusk::GraphicsQuality::Fast, nullptr, 0.75);
        }));
    statistics(benchmark::RegisterBenchmark(
        "BM_FillFloor/Fast/render_scale:0.75",
        [](benchmark::State& state) { fillFloor(state, false, 0.75f); }));
    registerUnshadedFrames();
    // The whole frame as the game plays it, with the HUD as it is most of the
    // time, beside BM_Frame/Fast of the same run.
    statistics(benchmark::RegisterBenchmark("BM_FrameWithHud/Fast", [](benchmark::State& state) {
        frameBenchmark(state, 2, dusk::GraphicsQuality::Fast, &sharedHud());
    }));
    const Look fast{GraphicsQuality::Fast, std::nullopt};
    for (const auto& [name, other] :
         {std::pair{"BM_Pair/Fast/Low", Look{GraphicsQuality::Low, std::nullopt}},
          std::pair{"BM_Pair/Fast/Fast@0.75", Look{GraphicsQuality::Fast, 0.75}}}) {
        benchmark::RegisterBenchmark(name, [fast, other = other](benchmark::State& state) {
            pairedBlocks(state, fast, other);
        })->Iterations(std::max(2, repetitions() / 10));
    }
    statistics(benchmark::RegisterBenchmark("BM_HudCost", BM_HudCost));
    statistics(benchmark::RegisterBenchmark("BM_HudCostBusy", BM_HudCostBusy));
    statistics(benchmark::RegisterBenchmark("BM_StealthCuesCost", BM_StealthCuesCost));
    statistics(benchmark::RegisterBenchmark("BM_StealthCuesHudPass", BM_StealthCuesHudPass));
    // Target: at most 0.5 ms.
    statistics(benchmark::RegisterBenchmark("BM_TeachingCost", BM_TeachingCost));
    statistics(benchmark::RegisterBenchmark("BM_SightAreasCost", BM_SightAreasCost));
    auto* cuesUpdate = benchmark::RegisterBenchmark("BM_StealthCuesUpdate", BM_StealthCuesUpdate);
    statistics(cuesUpdate);
    cuesUpdate->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_PlayAgain", BM_PlayAgain)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(std::max(1, repetitions() / 10))
        ->ComputeStatistics("p95", p95)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
    // A real sound device on any machine, so that start-up includes opening it
    // and loading the sounds (unless ALSOFT_CONF names another).
    setenv("ALSOFT_CONF", DUSK_SOURCE_DIR "/bench/wave-null.conf", 0);
    if (!startGame()) {
        std::fprintf(stderr, "bench_frame: no window (needs a display and build/run)\n");
        return 1;
    }
    registerFrameBenchmarks();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    unlitRenderer.reset();
    unshadedRenderer.reset();
    session.reset();
    glfwTerminate();
    return 0;
}
