// What the game's assets cost: posing the kid's skeleton (every kid, every
// frame) and loading every model and image the game loads at start-up.
// Run from anywhere under a display (xvfb-run): it works in the run directory.
#include <GL/glew.h>
#include <GLFW/glfw3.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <vector>

#include "assets/Image.h"
#include "assets/SkinnedModel.h"
#include "assets/StaticModel.h"
#include "render/GpuSkinnedModel.h"
#include "render/GpuStaticModel.h"
#include "render/GpuTexture.h"

namespace {

// A hidden window with a current 3.3 core context, made once; the working
// directory becomes the run directory, where the art lives.
void ensureContext() {
    static bool ready = false;
    if (ready) {
        return;
    }
    if (chdir(DUSK_RUN_DIR) != 0 || !glfwInit()) {
        std::cerr << "bench_assets: no run directory or no GLFW" << std::endl;
        std::exit(1);
    }
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 3);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    GLFWwindow* window = glfwCreateWindow(64, 64, "bench_assets", nullptr, nullptr);
    if (window == nullptr) {
        std::cerr << "bench_assets: no 3.3 core context (run under xvfb-run)" << std::endl;
        std::exit(1);
    }
    glfwMakeContextCurrent(window);
    glewExperimental = GL_TRUE;
    glewInit();
    while (glGetError() != GL_NO_ERROR) {
    }
    ready = true;
}

// The loaders report every texture on standard output; the benchmark's own
// table goes there too, so the loaders are muted while they run.
struct Muted {
    Muted() { std::cout.setstate(std::ios::failbit); }
    ~Muted() { std::cout.clear(); }
};

void BM_KidBoneTransforms(benchmark::State& state) {
    ensureContext();
    auto kid = std::make_unique<dusk::SkinnedModel>();
    {
        Muted muted;
        kid->load("Model/Object/animTest2.dae");
    }
    if (!kid->walkClock()) {
        state.SkipWithError("the kid did not load with an animation");
        return;
    }
    std::vector<dusk::mat4> pose;
    float t = 0.0f;
    for (auto _ : state) {
        kid->boneTransforms(t, pose);
        benchmark::DoNotOptimize(pose.data());
        t += 1.0f / 60.0f;
    }
    state.counters["bones"] = kid->boneCount;
}
BENCHMARK(BM_KidBoneTransforms)->Unit(benchmark::kMicrosecond);

void BM_LoadAllAssets(benchmark::State& state) {
    ensureContext();
    Muted muted;
    for (auto _ : state) {
        dusk::StaticModel ground, sky, tree1, tree3;
        ground.load("Model/Object/ground20.obj", "Model/Image/ground19.jpg");
        sky.load("Model/Object/skybox.obj", "Model/Image/skybox2.jpg");
        tree1.load("Model/Object/tree1.obj", "Model/Image/tree1.png");
        tree3.load("Model/Object/tree3.obj", "Model/Image/tree1.png");
        dusk::SkinnedModel kid;
        kid.load("Model/Object/animTest2.dae");
        const dusk::Image gameOver("Textures/gameOverScreen.png");
        // What the renderer uploads of them.
        const dusk::GpuStaticModel uploaded[] = {
            dusk::GpuStaticModel(ground), dusk::GpuStaticModel(sky), dusk::GpuStaticModel(tree1),
            dusk::GpuStaticModel(tree3)};
        const dusk::GpuSkinnedModel kidUploaded(kid);
        const dusk::GpuTexture picture(gameOver);
        glFinish();
        if (ground.subMeshes.empty() || kid.boneCount == 0 || !gameOver.loaded()) {
            state.SkipWithError("an asset failed to load");
            break;
        }
    }
}
BENCHMARK(BM_LoadAllAssets)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace

BENCHMARK_MAIN();
