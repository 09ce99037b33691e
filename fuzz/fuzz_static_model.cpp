// The static model loader on any bytes, written as an .obj and as a .dae file
// (Assimp picks its importer from the extension first), and its upload. The
// texture named is missing: images have their own target.
#include "FuzzSupport.h"
#include "ModelChecks.h"
#include "assets/StaticModel.h"
#include "render/GpuStaticModel.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    dusk::fuzz::makeGlContextOnce();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string texture = dusk::fuzz::missingScratchFile("texture.png");
    for (const char* name : {"model.obj", "model.dae"}) {
        const std::string path = dusk::fuzz::writeScratchFile(name, data, size);
        dusk::StaticModel model;
        if (model.load(path, texture)) {
            const dusk::GpuStaticModel gpu(model);
            glBindVertexArray(gpu.vertexArray.get());
            dusk::fuzz::checkModelBuffers(gpu.subMeshes, dusk::fuzz::namesOf(gpu.buffers),
                                          {3, 3, 2});
            glBindVertexArray(0);
        }
        dusk::fuzz::drainGlErrors();
    }
    return 0;
}
