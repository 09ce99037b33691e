// The skinned model loader on any bytes, written as a .dae and as an .obj
// file, and its upload, then a pose at a few times. Its texture ("Model/Object/animTest.png")
// is not in the fuzzer's working folder: textures have their own target.
// Every bone influence must name a bone of the skeleton, and the pose at a
// time that is not a number must be the pose at 0.
#include <cmath>
#include <limits>

#include "FuzzSupport.h"
#include "ModelChecks.h"
#include "assets/SkinnedModel.h"
#include "render/GpuSkinnedModel.h"

namespace {

void checkInfluences(const dusk::SkinnedModel& model, const dusk::GpuSkinnedModel& gpu) {
    glBindBuffer(GL_ARRAY_BUFFER, gpu.buffers[4].get());
    GLint bytes = 0;
    glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &bytes);
    std::vector<dusk::VertexWeights> weights(size_t(bytes) / sizeof(dusk::VertexWeights));
    glGetBufferSubData(GL_ARRAY_BUFFER, 0, bytes, weights.data());
    for (const dusk::VertexWeights& w : weights) {
        for (int slot = 0; slot < 4; ++slot) {
            dusk::fuzz::require(w.weights[slot] == 0.0f || w.boneIds[slot] < model.boneCount,
                                "an influence of bone " + std::to_string(w.boneIds[slot]) + " of " +
                                    std::to_string(model.boneCount));
        }
    }
}

std::vector<dusk::mat4> pose(dusk::SkinnedModel& model, float seconds) {
    std::vector<dusk::mat4> out;
    model.boneTransforms(seconds, out);
    return out;
}

void checkPoses(dusk::SkinnedModel& model) {
    const float inf = std::numeric_limits<float>::infinity();
    for (float seconds : {0.37f, 2.5f, 1.0e6f, -7.25f, inf, -inf}) {
        pose(model, seconds);
    }
    const std::vector<dusk::mat4> atZero = pose(model, 0.0f);
    const std::vector<dusk::mat4> atNan = pose(model, std::nanf(""));
    dusk::fuzz::require(atNan.size() == atZero.size(), "pose sizes");
    for (size_t i = 0; i < atZero.size(); ++i) {
        for (int k = 0; k < 16; ++k) {
            const float a = atZero[i][k / 4][k % 4];
            const float b = atNan[i][k / 4][k % 4];
            dusk::fuzz::require(a == b || (std::isnan(a) && std::isnan(b)),
                                "the pose at NaN is not the pose at 0");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    dusk::fuzz::makeGlContextOnce();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (const char* name : {"model.dae", "model.obj"}) {
        const std::string path = dusk::fuzz::writeScratchFile(name, data, size);
        dusk::SkinnedModel model;
        model.load(path);
        const dusk::GpuSkinnedModel gpu(model);
        glBindVertexArray(gpu.vertexArray.get());
        dusk::fuzz::checkModelBuffers(gpu.subMeshes, dusk::fuzz::namesOf(gpu.buffers), {3, 3, 2});
        checkInfluences(model, gpu);
        glBindVertexArray(0);
        checkPoses(model);
        dusk::fuzz::drainGlErrors();
    }
    return 0;
}
