// The static model loader on any bytes, written as an .obj and as a .dae file
// (Assimp picks its importer from the extension first). The texture named is
// missing: textures have their own target, and the GL texture objects a
// loaded texture leaves behind would pile up over millions of runs.
#include "FuzzSupport.h"
#include "ModelChecks.h"
#include "assets/StaticModel.h"

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
            glBindVertexArray(model.vertexArray);
            dusk::fuzz::checkModelBuffers(model.subMeshes, model.buffers, {3, 3, 2});
            glBindVertexArray(0);
        }
        dusk::fuzz::drainGlErrors();
    }
    return 0;
}
